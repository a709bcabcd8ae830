#!/usr/bin/env python3
"""Prints the level, length and silences of sound files, to check the game's sounds by number.

    measure_sound.py FILE.wav ...                 one line per sample: length, peak, RMS,
                                                  first/last sample, spectral centroid
    measure_sound.py --raw RATE FILE.raw [STEP]   a recording (16-bit stereo, as ALSA's file
                                                  plugin writes it, signed or
                                                  unsigned): RMS per STEP seconds
                                                  (default 1), silence at the ends, and the
                                                  longest quiet stretch inside

Levels are in dB below full scale. Plain Python, no extra modules.
"""
import array
import cmath
import math
import sys
import wave


def db(value):
    return 20 * math.log10(value / 32768) if value > 0 else -120.0


def rms(samples):
    return math.sqrt(sum(s * s for s in samples) / len(samples)) if samples else 0.0


def centroid(samples, rate):
    """Spectral centroid in Hz (power weighted) of the loudest 512-sample window (a plain DFT, Hann window)."""
    size = min(512, len(samples))
    best = max(range(0, max(1, len(samples) - size + 1), size // 4 or 1),
               key=lambda start: rms(samples[start:start + size]))
    window = [samples[best + i] * (0.5 - 0.5 * math.cos(2 * math.pi * i / size)) for i in range(size)]
    bins = 256  # a grid as fine as the window resolves
    total = weighted = 0.0
    for k in range(1, bins):
        frequency = k * rate / 2 / bins
        step = cmath.exp(-2j * math.pi * frequency / rate)
        acc, rot = 0j, 1 + 0j
        for value in window:
            acc += value * rot
            rot *= step
        power = abs(acc) ** 2
        total += power
        weighted += power * frequency
    return weighted / total if total else 0.0


def measure_wav(path):
    with wave.open(path) as w:
        rate, data = w.getframerate(), array.array('h', w.readframes(w.getnframes()))
    peak = max(abs(s) for s in data)
    loud = [s for s in data if abs(s) > peak * 0.05]
    print(f"{path.split('/')[-1]:26s} {len(data) / rate * 1000:6.0f} ms  peak {db(peak):6.1f} dB"
          f"  RMS {db(rms(data)):6.1f} dB (loud part {db(rms(loud)):6.1f})"
          f"  first {data[0]:5d} last {data[-1]:5d}  centroid {centroid(data, rate):5.0f} Hz"
          f"  rate {rate}")


def measure_raw(path, rate, step):
    data = array.array('h', open(path, 'rb').read())
    if sum(abs(s) > 16384 for s in data[::97]) > len(data[::97]) / 2:  # unsigned, as Allegro mixes
        data = array.array('h', [(s & 0xffff) - 32768 for s in data])
    left = data[0::2]
    print(f"{path}: {len(left) / rate:.2f} s at {rate} Hz, peak {db(max(map(abs, data))):.1f} dB")
    block = int(rate * step)
    levels = [db(rms(left[i:i + block])) for i in range(0, len(left) - block + 1, block)]
    print("RMS per %.2g s:" % step, " ".join(f"{v:.0f}" for v in levels))
    quiet = [abs(s) < 64 for s in left]
    lead = next((i for i, q in enumerate(quiet) if not q), len(quiet))
    tail = next((i for i, q in enumerate(reversed(quiet)) if not q), len(quiet))
    longest, run, where = 0, 0, 0
    for i in range(lead, len(quiet) - tail):
        run = run + 1 if quiet[i] else 0
        if run > longest:
            longest, where = run, i - run + 1
    print(f"silence: {lead / rate:.2f} s at the start, {tail / rate:.2f} s at the end;"
          f" longest quiet stretch inside {longest / rate * 1000:.0f} ms at {where / rate:.2f} s")


def main(args):
    if args[:1] == ['--raw']:
        measure_raw(args[2], int(args[1]), float(args[3]) if len(args) > 3 else 1.0)
    else:
        for path in args:
            measure_wav(path)


if __name__ == '__main__':
    main(sys.argv[1:])
