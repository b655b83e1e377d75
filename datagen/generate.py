#!/usr/bin/env python3
"""Generates Pellora's outside data into the folder given as the only argument.

Layout written:  WAV_Files/<24 recordings>.wav, Midi/test.mid, room133.bmp, room134.bmp, room135.bmp,
room144.bmp, Pellora.ico.  Deterministic: the same input always gives the same bytes.
"""
import os
import sys

import wavs
import midi
import pictures


def main():
    out = sys.argv[1]
    os.makedirs(os.path.join(out, "WAV_Files"), exist_ok=True)
    os.makedirs(os.path.join(out, "Midi"), exist_ok=True)
    wavs.write_all(os.path.join(out, "WAV_Files"))
    midi.write_test_file(os.path.join(out, "Midi", "test.mid"))
    pictures.write_backdrops(out)
    pictures.write_icon(os.path.join(out, "Pellora.ico"))


if __name__ == "__main__":
    main()
