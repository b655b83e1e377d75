"""The 24 test recordings.

Source index = 8 * rate + 4 * stereo + 2 * sixteenBit + variant (rate 0 = 11 kHz, 1 = 22 kHz, 2 = 44 kHz).
Every recording is a whole number of cycles of its own fundamental, so it loops without a click, and a
capture can be told apart by that frequency.  SIGNATURES is the table tests rely on.
"""
import math
import os
import struct

RATES = [11025, 22050, 44100]
RATE_TAGS = ["11K", "22K", "44K"]


def file_name(index):
    rate, rest = divmod(index, 8)
    stereo = (rest >> 2) & 1
    sixteen = (rest >> 1) & 1
    variant = rest & 1
    return "%02dB%s%s%d.wav" % (16 if sixteen else 8, RATE_TAGS[rate], "S" if stereo else "M", variant + 1)


def _signature(index):
    rate, rest = divmod(index, 8)
    stereo = (rest >> 2) & 1
    sixteen = (rest >> 1) & 1
    variant = rest & 1
    # Fundamental: 400 Hz apart per rate group, 50 Hz per format step; variant 2 a fifth above variant 1.
    base = 300 + 400 * rate + 100 * (2 * stereo + sixteen)
    freq = base if variant == 0 else int(round(base * 1.5))
    seconds = 1.0
    kind = "tone"
    if index == 2:
        # 16B11KM1: short and percussive, replayed at every bounce of the latency test (every 240 ms).
        seconds = 0.2
        kind = "click"
    return {
        "index": index,
        "file": file_name(index),
        "rate": RATES[rate],
        "bits": 16 if sixteen else 8,
        "channels": 2 if stereo else 1,
        "freq": freq,
        "seconds": seconds,
        "kind": kind,
    }


SIGNATURES = [_signature(i) for i in range(24)]


def _samples(sig):
    rate = sig["rate"]
    n = int(rate * sig["seconds"])
    freq = sig["freq"]
    out = []
    for i in range(n):
        t = i / rate
        if sig["kind"] == "click":
            # A decaying burst that has died away before the end of the file.
            env = math.exp(-t * 40.0)
            v = env * math.sin(2 * math.pi * freq * t)
        else:
            # Fundamental plus a quieter octave: pleasant to hear, one clear peak to measure.
            v = 0.6 * math.sin(2 * math.pi * freq * t) + 0.15 * math.sin(4 * math.pi * freq * t)
        out.append(v)
    return out


def _encode(sig, samples):
    frames = bytearray()
    for v in samples:
        left = v
        right = v * 0.8 if sig["channels"] == 2 else None
        for s in ([left] if right is None else [left, right]):
            if sig["bits"] == 16:
                frames += struct.pack("<h", int(round(s * 32767)))
            else:
                frames += struct.pack("<B", int(round(128 + s * 127)))
    return bytes(frames)


def wav_bytes(sig):
    data = _encode(sig, _samples(sig))
    block = sig["channels"] * sig["bits"] // 8
    fmt = struct.pack("<HHIIHH", 1, sig["channels"], sig["rate"], sig["rate"] * block, block, sig["bits"])
    body = b"WAVE" + b"fmt " + struct.pack("<I", len(fmt)) + fmt + b"data" + struct.pack("<I", len(data)) + data
    return b"RIFF" + struct.pack("<I", len(body)) + body


def write_all(folder):
    for sig in SIGNATURES:
        with open(os.path.join(folder, sig["file"]), "wb") as f:
            f.write(wav_bytes(sig))
    with open(os.path.join(folder, "SIGNATURES.txt"), "w") as f:
        f.write("index file rate bits channels freq_hz seconds kind\n")
        for s in SIGNATURES:
            f.write("%d %s %d %d %d %d %.2f %s\n" % (s["index"], s["file"], s["rate"], s["bits"], s["channels"],
                                                   s["freq"], s["seconds"], s["kind"]))
