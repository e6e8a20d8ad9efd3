#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Synthesises the six sound cues of Brelvox and writes them into assets/.

16-bit PCM, mono, 44100 Hz, made with the Python standard library only.
The noise generator is seeded, so every run writes the same files.

    python3 tools/make_sounds.py             # writes assets/*.wav
    python3 tools/make_sounds.py --out DIR   # writes into DIR instead
"""

import argparse
import math
import os
import random
import struct
import wave

RATE = 44100


def silence(seconds):
    return [0.0] * int(RATE * seconds)


def mix_into(buf, part, start_seconds, gain=1.0):
    """Adds part into buf from the given time on, growing buf as needed."""
    start = int(RATE * start_seconds)
    end = start + len(part)
    if end > len(buf):
        buf.extend([0.0] * (end - len(buf)))
    for i, v in enumerate(part):
        buf[start + i] += v * gain
    return buf


def tone(freq, seconds, partials=((1, 1.0),), attack=0.004, decay=None, glide_to=None):
    """A tone made of harmonic partials (multiple, level). decay: the time in
    seconds in which the level falls to 1/e; None keeps it steady. glide_to
    bends the pitch smoothly to that frequency over the whole tone. The tone
    always ends with a short ramp, so cutting it off makes no click."""
    n = int(RATE * seconds)
    out = []
    phase = 0.0
    for i in range(n):
        t = i / RATE
        f = freq if glide_to is None else freq * (glide_to / freq) ** (i / n)
        phase += 2 * math.pi * f / RATE
        v = sum(level * math.sin(phase * mult) for mult, level in partials)
        env = min(1.0, t / attack) if attack > 0 else 1.0
        if decay is not None:
            env *= math.exp(-t / decay)
        out.append(v * env)
    return fade(out, 0.0, 0.012)


def fade(buf, fade_in=0.003, fade_out=0.015):
    """Raised-cosine ramps at both ends so the cue starts and stops without a click."""
    n_in = int(RATE * fade_in)
    n_out = max(1, int(RATE * fade_out))
    n = len(buf)
    for i in range(min(n_in, n)):
        buf[i] *= 0.5 - 0.5 * math.cos(math.pi * i / n_in)
    for i in range(min(n_out, n)):
        buf[n - 1 - i] *= 0.5 - 0.5 * math.cos(math.pi * i / n_out)
    return buf


def normalise(buf, peak):
    top = max(abs(v) for v in buf) or 1.0
    return [v * peak / top for v in buf]


def lowpass(buf, cutoff):
    """One-pole low-pass filter."""
    a = 1 - math.exp(-2 * math.pi * cutoff / RATE)
    out, y = [], 0.0
    for v in buf:
        y += a * (v - y)
        out.append(y)
    return out


def noise(seconds, seed):
    rnd = random.Random(seed)
    return [rnd.uniform(-1.0, 1.0) for _ in range(int(RATE * seconds))]


BELL = ((1, 1.0), (2, 0.35), (3, 0.12), (4.2, 0.06))
SOFT = ((1, 1.0), (2, 0.2), (3, 0.05))
BRIGHT = ((1, 1.0), (2, 0.45), (3, 0.3), (4, 0.15), (5, 0.1))


def click():
    # A very short, soft tick: a damped high tone over a breath of filtered noise.
    t = tone(2400, 0.03, SOFT, attack=0.0005, decay=0.004)
    n = lowpass(noise(0.03, seed=1), 3000)
    n = [v * math.exp(-i / (RATE * 0.003)) for i, v in enumerate(n)]
    buf = mix_into(t, n, 0, 0.8)
    return normalise(fade(buf, 0.0005, 0.005), 0.45)


def mark():
    # Two quick blips, low then high.
    buf = silence(0.14)
    mix_into(buf, fade(tone(880, 0.055, SOFT, decay=0.04), 0.002, 0.01), 0.0)
    mix_into(buf, fade(tone(1320, 0.075, SOFT, decay=0.05), 0.002, 0.02), 0.06)
    return normalise(fade(buf), 0.5)


def hint():
    # A questioning chime: three bell notes going up, the last one bending upwards.
    buf = silence(0.7)
    mix_into(buf, tone(659.3, 0.35, BELL, decay=0.16), 0.0)
    mix_into(buf, tone(784.0, 0.35, BELL, decay=0.16), 0.12)
    mix_into(buf, tone(880.0, 0.46, BELL, decay=0.2, glide_to=1046.5), 0.24)
    return normalise(fade(buf, 0.003, 0.06), 0.6)


def hint_ok():
    # A friendly confirmation: two bell notes a fourth apart, the second held longer.
    buf = silence(0.65)
    mix_into(buf, tone(784.0, 0.3, BELL, decay=0.12), 0.0)
    mix_into(buf, tone(1046.5, 0.5, BELL, decay=0.22), 0.13)
    return normalise(fade(buf, 0.003, 0.05), 0.6)


def bang():
    # A low thump with a noisy tail: a falling sine and low-passed noise.
    seconds = 0.85
    body = tone(90, seconds, ((1, 1.0), (2, 0.3)), attack=0.002, decay=0.18, glide_to=38)
    rumble = lowpass(lowpass(noise(seconds, seed=7), 500), 500)
    top = max(abs(v) for v in rumble)
    rumble = [v / top * math.exp(-i / (RATE * 0.22)) for i, v in enumerate(rumble)]
    crack = lowpass(noise(0.06, seed=8), 2500)
    crack = [v * math.exp(-i / (RATE * 0.012)) for i, v in enumerate(crack)]
    buf = mix_into(body, rumble, 0, 0.9)
    mix_into(buf, crack, 0, 0.6)
    return normalise(fade(buf, 0.002, 0.15), 0.85)


def win():
    # A bright rising arpeggio ending on a held major chord.
    buf = silence(1.4)
    notes = (523.3, 659.3, 784.0, 1046.5)
    step = 0.11
    for k, f in enumerate(notes):
        mix_into(buf, tone(f, 0.3, BRIGHT, attack=0.003, decay=0.12), k * step, 0.8)
    chord_at = len(notes) * step + 0.02
    for f in (1046.5, 1318.5, 1568.0):
        mix_into(buf, tone(f, 0.95, BRIGHT, attack=0.006, decay=0.35), chord_at, 0.55)
    mix_into(buf, tone(523.3, 0.95, SOFT, attack=0.006, decay=0.35), chord_at, 0.5)
    return normalise(fade(buf, 0.003, 0.2), 0.7)


CUES = {
    'click.wav': click,
    'mark.wav': mark,
    'Hint.wav': hint,
    'HintOK.wav': hint_ok,
    'bang.wav': bang,
    'Win.wav': win,
}


def write_wav(path, buf):
    frames = b''.join(struct.pack('<h', max(-32767, min(32767, int(round(v * 32767)))))
                      for v in buf)
    with wave.open(path, 'wb') as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(frames)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument('--out', default=os.path.join(here, '..', 'assets'))
    args = ap.parse_args()
    os.makedirs(args.out, exist_ok=True)
    for name, make in CUES.items():
        buf = make()
        write_wav(os.path.join(args.out, name), buf)
        print('%-10s %.3f s' % (name, len(buf) / RATE))


if __name__ == '__main__':
    main()
