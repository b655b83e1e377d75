"""Midi/test.mid: a short standard MIDI file (format 0, one track)."""
import struct

TUNE = [60, 62, 64, 65, 67, 65, 64, 62, 60]  # C major up and down, quarter notes


def _varlen(n):
    out = [n & 0x7F]
    n >>= 7
    while n:
        out.insert(0, (n & 0x7F) | 0x80)
        n >>= 7
    return bytes(out)


def write_test_file(path):
    division = 96
    track = bytearray()
    track += _varlen(0) + b"\xFF\x51\x03" + (500000).to_bytes(3, "big")  # 120 bpm
    track += _varlen(0) + b"\xC0\x00"  # piano
    for note in TUNE:
        track += _varlen(0) + bytes([0x90, note, 96])
        track += _varlen(division) + bytes([0x80, note, 0])
    track += _varlen(0) + b"\xFF\x2F\x00"
    data = b"MThd" + struct.pack(">IHHH", 6, 0, 1, division) + b"MTrk" + struct.pack(">I", len(track)) + track
    with open(path, "wb") as f:
        f.write(data)
