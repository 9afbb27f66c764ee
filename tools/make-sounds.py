#!/usr/bin/env python3
"""Writes the program's two sound cues (8 kHz, 8-bit mono PCM) into data/音效."""
import math
import os
import random
import struct
import wave

RATE = 8000
OUT = os.path.join(os.path.dirname(__file__), "..", "data", "音效")


def write(name, samples):
    with wave.open(os.path.join(OUT, name), "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(1)
        w.setframerate(RATE)
        w.writeframes(bytes(max(0, min(255, int(128 + 127 * s))) for s in samples))


def save_cue():
    # Two short rising notes: "saved".
    out = []
    for freq, length in ((880, 0.08), (1320, 0.12)):
        n = int(RATE * length)
        for i in range(n):
            env = math.sin(math.pi * i / n)
            out.append(0.5 * env * math.sin(2 * math.pi * freq * i / RATE))
    return out


def waves_cue():
    # Filtered noise swelling and fading: a wave on the shore.
    rng = random.Random(7)
    n = int(RATE * 1.2)
    out, level = [], 0.0
    for i in range(n):
        level = 0.92 * level + 0.08 * rng.uniform(-1, 1)
        out.append(2.5 * level * math.sin(math.pi * i / n) ** 2)
    return out


if __name__ == "__main__":
    os.makedirs(OUT, exist_ok=True)
    write("保存.wav", save_cue())
    write("海浪.wav", waves_cue())
