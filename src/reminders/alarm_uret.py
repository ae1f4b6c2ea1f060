#!/usr/bin/env python3
"""Writes the program's alarm sound: a soft two-tone chime that loops without a click.

Usage: alarm_uret.py OUT.wav

One loop is 1.6 seconds of 16-bit mono PCM at 22050 Hz: a high and a low note, again a high
and a low note, then a pause. Every note rises in 8 ms and dies away smoothly, and the loop
begins and ends in silence, so playing it over and over gives no click at the joint.
"""
import math
import struct
import sys
import wave

ORNEKLEME = 22050
YUKSEK = 880.0  # A5
ALCAK = 659.25  # E5


def nota(frekans, sure):
    n = int(sure * ORNEKLEME)
    atak = int(0.008 * ORNEKLEME)
    ornekler = []
    for i in range(n):
        t = i / ORNEKLEME
        # A bell-like tone: the fundamental with a little of the octave and the twelfth.
        deger = (math.sin(2 * math.pi * frekans * t)
                 + 0.30 * math.sin(2 * math.pi * 2 * frekans * t)
                 + 0.12 * math.sin(2 * math.pi * 3 * frekans * t)) / 1.42
        zarf = min(1.0, i / atak) * math.exp(-5.0 * t)
        # The last 15 ms fade to exact silence.
        kalan = n - i
        son = int(0.015 * ORNEKLEME)
        if kalan < son:
            zarf *= kalan / son
        ornekler.append(deger * zarf)
    return ornekler


def sessizlik(sure):
    return [0.0] * int(sure * ORNEKLEME)


def main():
    if len(sys.argv) != 2:
        sys.exit("kullanım: alarm_uret.py ÇIKTI.wav")
    dongu = (nota(YUKSEK, 0.22) + sessizlik(0.04) + nota(ALCAK, 0.30) + sessizlik(0.10)
             + nota(YUKSEK, 0.22) + sessizlik(0.04) + nota(ALCAK, 0.30) + sessizlik(0.38))
    ses = 0.55 * 32767
    veri = b"".join(struct.pack("<h", int(round(o * ses))) for o in dongu)
    with wave.open(sys.argv[1], "wb") as dosya:
        dosya.setnchannels(1)
        dosya.setsampwidth(2)
        dosya.setframerate(ORNEKLEME)
        dosya.writeframes(veri)


if __name__ == "__main__":
    main()
