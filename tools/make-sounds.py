#!/usr/bin/env python3
"""Generate Tilora's sound effects.

Writes three short sounds into resources/sounds/ (or into the folder given as
the first argument):

  dur.wav     ~0.85 s  a soft, low, descending two-note "nope" (move refused)
  tamam.wav   ~0.13 s  a short woody tick with a faint slide (tile moved)
  tebrik.wav  ~1.55 s  a small bright fanfare: rising major arpeggio that
                       ends on a held chord (puzzle solved)

Every file is plain PCM WAV: format tag 1, 16-bit, mono, 22050 Hz, with a
44-byte RIFF header holding only the "fmt " and "data" chunks, the kind that
QSoundEffect plays.

The output is deterministic: no clock, no system randomness (the little noise
used comes from a fixed linear congruential generator). Only the Python 3
standard library is used.

Usage:  python3 tools/make-sounds.py [output-folder]
"""

import math
import os
import struct
import sys
import wave

RATE = 22050
NYQUIST_GUARD = 0.45 * RATE  # partials above this are dropped (band limit)
PEAK_DBFS = -3.0
TWO_PI = 2.0 * math.pi


# --------------------------------------------------------------------------
# Small helpers
# --------------------------------------------------------------------------

def silence(seconds):
    return [0.0] * int(round(seconds * RATE))


def mix_into(buf, sig, start_seconds, gain=1.0):
    """Add sig into buf starting at start_seconds (buf grows if needed)."""
    start = int(round(start_seconds * RATE))
    end = start + len(sig)
    if end > len(buf):
        buf.extend([0.0] * (end - len(buf)))
    for i, v in enumerate(sig):
        buf[start + i] += gain * v


def raised_cosine(x):
    """0..1 -> 0..1 smooth ramp (half a cosine)."""
    if x <= 0.0:
        return 0.0
    if x >= 1.0:
        return 1.0
    return 0.5 - 0.5 * math.cos(math.pi * x)


def envelope(n, attack, decay_tau, release=0.0, hold=0.0):
    """Soft attack (raised cosine), then exponential decay with time constant
    decay_tau (seconds) starting after `hold`, and an optional raised-cosine
    release over the last `release` seconds."""
    out = []
    a = max(1, int(attack * RATE))
    r = int(release * RATE)
    for i in range(n):
        t = i / RATE
        g = raised_cosine(i / a)
        if t > attack + hold:
            g *= math.exp(-(t - attack - hold) / decay_tau)
        if r > 0 and i >= n - r:
            g *= raised_cosine((n - 1 - i) / r)
        out.append(g)
    return out


def tone(freq, seconds, partials, attack, decay_tau, release=0.02,
         glide=0.0, vibrato_hz=0.0, vibrato_depth=0.0, detune_cents=0.0,
         partial_decay=None, hold=0.0):
    """A band-limited additive tone.

    partials: list of (ratio, amplitude); ratio times freq is each partial's
      frequency; any partial above the band limit is left out.
    glide: relative pitch change over the whole note (e.g. -0.03 = 3 % down),
      applied smoothly.
    detune_cents: when non-zero, each partial is doubled by a copy detuned by
      this many cents (gentle chorus / warmth).
    partial_decay: optional function(ratio) -> extra decay factor so that the
      higher partials die away faster than the fundamental (natural timbre).
    """
    n = int(round(seconds * RATE))
    env = envelope(n, attack, decay_tau, release, hold)
    out = [0.0] * n
    voices = [(1.0, 1.0)]
    if detune_cents:
        d = 2.0 ** (detune_cents / 1200.0)
        voices = [(1.0, 0.6), (d, 0.4)]
    for ratio, amp in partials:
        for vmul, vamp in voices:
            base = freq * ratio * vmul
            if base * (1.0 + max(0.0, glide)) >= NYQUIST_GUARD:
                continue
            extra = partial_decay(ratio) if partial_decay else None
            phase = 0.0
            for i in range(n):
                t = i / RATE
                f = base * (1.0 + glide * raised_cosine(t / seconds))
                if vibrato_depth:
                    f *= 1.0 + vibrato_depth * math.sin(TWO_PI * vibrato_hz * t)
                phase += TWO_PI * f / RATE
                v = amp * vamp * math.sin(phase)
                if extra:
                    v *= math.exp(-t / extra)
                out[i] += v
    return [o * e for o, e in zip(out, env)]


class Lcg:
    """Deterministic pseudo-random numbers in [-1, 1)."""

    def __init__(self, seed):
        self.state = seed & 0xFFFFFFFF

    def next(self):
        self.state = (1664525 * self.state + 1013904223) & 0xFFFFFFFF
        return self.state / 2147483648.0 - 1.0


def bandpass(sig, centre, q):
    """RBJ biquad band-pass (constant 0 dB peak gain)."""
    w0 = TWO_PI * centre / RATE
    alpha = math.sin(w0) / (2.0 * q)
    b0, b1, b2 = alpha, 0.0, -alpha
    a0, a1, a2 = 1.0 + alpha, -2.0 * math.cos(w0), 1.0 - alpha
    b0, b1, b2, a1, a2 = b0 / a0, b1 / a0, b2 / a0, a1 / a0, a2 / a0
    x1 = x2 = y1 = y2 = 0.0
    out = []
    for x in sig:
        y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2
        x2, x1 = x1, x
        y2, y1 = y1, y
        out.append(y)
    return out


def lowpass(sig, cutoff, q=0.7071):
    """RBJ biquad low-pass."""
    w0 = TWO_PI * cutoff / RATE
    alpha = math.sin(w0) / (2.0 * q)
    c = math.cos(w0)
    b0, b1, b2 = (1.0 - c) / 2.0, 1.0 - c, (1.0 - c) / 2.0
    a0, a1, a2 = 1.0 + alpha, -2.0 * c, 1.0 - alpha
    b0, b1, b2, a1, a2 = b0 / a0, b1 / a0, b2 / a0, a1 / a0, a2 / a0
    x1 = x2 = y1 = y2 = 0.0
    out = []
    for x in sig:
        y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2
        x2, x1 = x1, x
        y2, y1 = y1, y
        out.append(y)
    return out


def finish(buf, seconds, fade_in=0.004, fade_out=0.012):
    """Trim/pad to the exact length, remove DC, fade the ends, normalise the
    peak to PEAK_DBFS."""
    n = int(round(seconds * RATE))
    buf = (buf + [0.0] * n)[:n]
    mean = sum(buf) / n
    buf = [v - mean for v in buf]
    fi = max(1, int(fade_in * RATE))
    fo = max(1, int(fade_out * RATE))
    for i in range(fi):
        buf[i] *= raised_cosine(i / fi)
    for i in range(fo):
        buf[n - 1 - i] *= raised_cosine(i / fo)
    buf[0] = 0.0
    buf[-1] = 0.0
    peak = max(abs(v) for v in buf) or 1.0
    target = 10.0 ** (PEAK_DBFS / 20.0)
    return [v * target / peak for v in buf]


def write_wav(path, samples):
    frames = bytearray()
    for v in samples:
        s = int(round(v * 32767.0))
        s = max(-32768, min(32767, s))
        frames += struct.pack('<h', s)
    with wave.open(path, 'wb') as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.setcomptype('NONE', 'not compressed')
        w.writeframes(bytes(frames))


def note(name):
    """Equal-tempered frequency of a note name such as 'C5' or 'Bb3'."""
    steps = {'C': -9, 'D': -7, 'E': -5, 'F': -4, 'G': -2, 'A': 0, 'B': 2}
    semis = steps[name[0]]
    rest = name[1:]
    if rest.startswith('#'):
        semis += 1
        rest = rest[1:]
    elif rest.startswith('b'):
        semis -= 1
        rest = rest[1:]
    octave = int(rest)
    return 440.0 * 2.0 ** ((semis + 12 * (octave - 4)) / 12.0)


# --------------------------------------------------------------------------
# The sounds
# --------------------------------------------------------------------------

def make_dur():
    """Refusal: two soft, low notes a fourth apart, going down; the second one
    sags a little in pitch. Warm, rounded timbre (mostly fundamental)."""
    length = 0.85
    soft = [(1.0, 1.0), (2.0, 0.32), (3.0, 0.10), (4.0, 0.04)]
    fade_high = lambda r: 0.25 / r  # noqa: E731  upper partials fade faster
    buf = silence(length)
    first = tone(note('Eb4'), 0.34, soft, attack=0.012, decay_tau=0.16,
                 release=0.05, detune_cents=6, partial_decay=fade_high)
    second = tone(note('Bb3'), 0.56, soft, attack=0.014, decay_tau=0.22,
                  release=0.12, glide=-0.035, detune_cents=6,
                  partial_decay=fade_high)
    mix_into(buf, first, 0.005, 1.0)
    mix_into(buf, second, 0.275, 1.05)
    buf = lowpass(buf, 2600.0)
    return finish(buf, length, fade_in=0.004, fade_out=0.02)


def make_tamam():
    """Slide: a quiet band-passed swish under a short woody knock (the
    inharmonic modes of a small wooden bar, damped fast)."""
    length = 0.13
    n = int(round(length * RATE))
    rnd = Lcg(20240611)
    noise = [rnd.next() for _ in range(n)]
    swish = bandpass(noise, 2100.0, 1.1)
    swish = lowpass(swish, 5000.0)
    # swish envelope: quick swell, then fade over ~0.1 s
    sw_env = []
    for i in range(n):
        t = i / RATE
        sw_env.append(raised_cosine(t / 0.018) * math.exp(-max(0.0, t - 0.018) / 0.035))
    swish = [s * e for s, e in zip(swish, sw_env)]

    knock = [0.0] * n
    # (frequency, amplitude, decay time constant) of a wood-block-like body
    modes = [(720.0, 1.0, 0.030), (1860.0, 0.45, 0.014),
             (3050.0, 0.18, 0.008), (240.0, 0.35, 0.040)]
    onset = int(0.006 * RATE)
    atk = int(0.0015 * RATE)
    for freq, amp, tau in modes:
        if freq >= NYQUIST_GUARD:
            continue
        for i in range(onset, n):
            k = i - onset
            t = k / RATE
            g = raised_cosine(k / atk) * math.exp(-t / tau)
            knock[i] += amp * g * math.sin(TWO_PI * freq * t)
    buf = [0.55 * s + k for s, k in zip(swish, knock)]
    buf = lowpass(buf, 6000.0)
    return finish(buf, length, fade_in=0.003, fade_out=0.01)


def make_tebrik():
    """Fanfare: C major arpeggio C5 E5 G5 C6 in quick steps, bell-like and
    bright, then the full chord held, ringing out with a slight shimmer."""
    length = 1.55
    bright = [(1.0, 1.0), (2.0, 0.42), (3.0, 0.22), (4.0, 0.11),
              (5.0, 0.06), (6.0, 0.03)]
    fade_high = lambda r: 0.9 / r  # noqa: E731
    buf = silence(length)
    steps = ['C5', 'E5', 'G5']
    step = 0.105
    for k, name in enumerate(steps):
        t0 = 0.005 + k * step
        # each arpeggio note rings on softly under the next ones
        sig = tone(note(name), length - t0, bright, attack=0.006,
                   decay_tau=0.18, release=0.03, detune_cents=4,
                   partial_decay=fade_high)
        mix_into(buf, sig, t0, 0.8)
    t_chord = 0.005 + 3 * step
    chord = [('C5', 0.55), ('E5', 0.5), ('G5', 0.5), ('C6', 0.9), ('E6', 0.22)]
    for name, gain in chord:
        sig = tone(note(name), length - t_chord, bright, attack=0.012,
                   decay_tau=0.75, release=0.25, hold=0.12, detune_cents=5,
                   vibrato_hz=5.2, vibrato_depth=0.0022,
                   partial_decay=fade_high)
        mix_into(buf, sig, t_chord, gain)
    # a soft low root underneath gives the chord body
    root = tone(note('C4'), length - t_chord, [(1.0, 1.0), (2.0, 0.25)],
                attack=0.02, decay_tau=0.6, release=0.25, hold=0.1)
    mix_into(buf, root, t_chord, 0.35)
    buf = lowpass(buf, 7500.0)
    return finish(buf, length, fade_in=0.003, fade_out=0.04)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    default = os.path.join(here, os.pardir, 'resources', 'sounds')
    outdir = os.path.normpath(sys.argv[1] if len(sys.argv) > 1 else default)
    os.makedirs(outdir, exist_ok=True)
    for name, maker in (('dur.wav', make_dur), ('tamam.wav', make_tamam),
                        ('tebrik.wav', make_tebrik)):
        path = os.path.join(outdir, name)
        write_wav(path, maker())
        print('wrote', path)


if __name__ == '__main__':
    main()
