#!/usr/bin/env python3
"""Plays a scripted two-player game in a window (under Xvfb) through SDL's disk audio driver and
measures the real output: loudness per screen (ffmpeg's ebur128 filter), sample and true peak,
samples at full scale and over the limiter's threshold, and the largest step from one sample to
the next near the starts, restarts and stops of sounds and music, and elsewhere.

  tools/soundcheck.py BUILD_DIR --midi|--mp3 [--frames N] [--seed S] [--robots K:V,K:V]
                      [--keep DIR]

Needs xvfb-run and ffmpeg. The run takes as long as it plays (40 ms a frame).
"""
import argparse
import array
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile

RATE = 44100
FRAME_S = 0.04
SCREENS = {"title": (0, 1), "select": (5, 6), "before-fight": (7,), "fight": (8, 9, 10)}


def script(frames, seed, robots):
    """Two players: robots (kind, variant) by taps on the select screen, then random holds of every
    key."""
    lines = []

    def tap(f, key):
        lines.append(f"{f} down {key}")
        lines.append(f"{f + 1} up {key}")

    tap(72, "S")  # the two-player row
    tap(100, "G")
    for i in range(robots[0][0]):  # the select screen takes keys from about frame 210
        tap(240 + 12 * i, "S")
    for i in range(robots[1][0]):
        tap(246 + 12 * i, "DOWN")
    for i in range(robots[0][1]):
        tap(380 + 12 * i, "D")
    for i in range(robots[1][1]):
        tap(386 + 12 * i, "RIGHT")
    tap(440, "G")
    tap(440, "NUMPAD4")
    keys = "W A S D G H J K B V G H J K LEFT RIGHT UP DOWN NUMPAD4 NUMPAD5 NUMPAD6 ADD".split()
    held = set()
    r = seed
    f = 560
    while f < frames:
        r = (r * 1103515245 + 12345) & 0x7FFFFFFF
        k = keys[(r >> 8) % len(keys)]
        lines.append(f"{f} {'up' if k in held else 'down'} {k}")
        held ^= {k}
        f += 3 + (r >> 16) % 9
    return "\n".join(lines) + "\n"


def ffmpeg_ebur128(raw, start, end):
    cmd = ["ffmpeg", "-hide_banner", "-nostats", "-f", "f32le", "-ar", str(RATE), "-ac", "2",
           "-i", raw, "-af", f"atrim=start={start}:end={end},ebur128=peak=true+sample",
           "-f", "null", "-"]
    out = subprocess.run(cmd, capture_output=True, text=True).stderr
    summary = out[out.rfind("Summary:"):]
    value = lambda name: float(re.search(name + r":\s+(-?[\d.]+|-inf)", summary).group(1))
    return {"I": value(r"\bI"), "LRA": value("LRA"),
            "true_peak": float(re.findall(r"True peak:\s+Peak:\s+(-?[\d.]+|-inf)", summary)[0]),
            "sample_peak": float(re.findall(r"Sample peak:\s+Peak:\s+(-?[\d.]+|-inf)",
                                            summary)[0])}


def ffmpeg_high_peak(raw, start, end, hz):
    """The peak above `hz` (an 8-pole high-pass), in dBFS: where a click shows, as the effects'
    own content stops at 4 kHz (and the MP3 pieces' at 11 kHz)."""
    cmd = ["ffmpeg", "-hide_banner", "-nostats", "-f", "f32le", "-ar", str(RATE), "-ac", "2",
           "-i", raw, "-af", f"atrim=start={start}:end={end}," + ",".join([f"highpass=f={hz}"] * 4)
           + ",astats=measure_perchannel=none:measure_overall=Peak_level", "-f", "null", "-"]
    out = subprocess.run(cmd, capture_output=True, text=True).stderr
    return float(re.findall(r"Peak level dB:\s+(-?[\d.]+|-inf)", out)[-1])


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("build")
    ap.add_argument("--mp3", action="store_true")
    ap.add_argument("--midi", action="store_true")
    ap.add_argument("--frames", type=int, default=3000)
    ap.add_argument("--seed", type=int, default=27)
    ap.add_argument("--keep")
    # By default Ro-da type North (acid, melee, bazooka) against ZizoruVuzev type the Nine
    # (shotgun, melee, cannons, rockets); ZiraZedu type Pupa (grenades, melee, laser) against
    # DuvuZirada type Bannila Boy (gatling gun, melee, cannon, missile) is "7:0,2:0".
    ap.add_argument("--robots", default="6:0,9:0")
    a = ap.parse_args()
    missing = [f"{tool} (package {package})" for tool, package in
               (("xvfb-run", "xvfb"), ("xauth", "xauth"), ("ffmpeg", "ffmpeg"))
               if shutil.which(tool) is None]
    if missing:
        print("soundcheck.py: cannot run without " + ", ".join(missing), file=sys.stderr)
        return 1
    build = os.path.abspath(a.build)
    work = a.keep or tempfile.mkdtemp(prefix="soundcheck.")
    os.makedirs(work, exist_ok=True)
    data = os.path.join(build, "data")
    for name in os.listdir(data):
        if name.startswith("score"):
            continue
        link = os.path.join(work, name)
        if not os.path.lexists(link):
            os.symlink(os.path.join(data, name), link)
    with open(os.path.join(work, "input.txt"), "w") as f:
        robots = [tuple(int(n) for n in r.split(":")) for r in a.robots.split(",")]
        f.write(script(a.frames, a.seed, robots))
    raw = os.path.join(work, "out.raw")
    env = dict(os.environ, SDL_AUDIODRIVER="disk", SDL_DISKAUDIOFILE=raw)
    subprocess.run(["xvfb-run", "-a", os.path.join(build, "zerkhaldun"), "--window", "--start",
                    "--mp3" if a.mp3 else "--midi", "--seed", str(a.seed), "--frames",
                    str(a.frames), "--input", "input.txt", "--trace", "trace.jsonl"],
                   cwd=work, env=env, check=True)

    stages, events = [], []
    with open(os.path.join(work, "trace.jsonl")) as f:
        for line in f:
            rec = json.loads(line)
            stages.append(rec["GameStage"])
            for e in rec.get("sound", []):
                events.append((rec["frame"], e))
    samples = array.array("f")
    with open(raw, "rb") as f:
        samples.frombytes(f.read())
    total_s = len(samples) / 2 / RATE
    scale = total_s / (len(stages) * FRAME_S)  # the disk driver's clock against the frames'
    at = lambda frame: (frame - 1) * FRAME_S * scale
    print(f"{work}: {len(stages)} frames, {total_s:.1f} s of output (x{scale:.4f})")

    print("screen        LUFS     LRA   true peak dBTP   peak over 6 kHz, 12 kHz dBFS")
    for screen, ids in SCREENS.items():
        frames = [i + 1 for i, s in enumerate(stages) if s in ids]
        if not frames:
            continue
        # The longest run of frames on this screen, less half a second at each end.
        runs, first = [], frames[0]
        for p, q in zip(frames, frames[1:] + [None]):
            if q != p + 1:
                runs.append((first, p))
                first = q
        lo, hi = max(runs, key=lambda r: r[1] - r[0])
        m = ffmpeg_ebur128(raw, at(lo) + 0.5, at(hi) - 0.5)
        high = [ffmpeg_high_peak(raw, at(lo), at(hi), hz) for hz in (6000, 12000)]
        print(f"{screen:12} {m['I']:6.1f} {m['LRA']:6.1f} {m['true_peak']:8.1f} {high[0]:12.1f}"
              f" {high[1]:6.1f}")
    whole = ffmpeg_ebur128(raw, 0, total_s)

    steps = array.array("f", [0.0]) * (len(samples) // 2)
    peak, full, over = 0.0, 0, 0
    for c in (0, 1):
        prev = samples[c]
        for i in range(c, len(samples), 2):
            x = samples[i]
            d = abs(x - prev)
            prev = x
            j = i // 2
            if d > steps[j]:
                steps[j] = d
            ax = abs(x)
            if ax > peak:
                peak = ax
            if ax >= 1.0:
                full += 1
            if ax > 0.891:
                over += 1
    window = int(0.06 * RATE)
    near = [False] * len(steps)
    kinds = {}
    for frame, e in events:
        centre = int(at(frame) * RATE)
        # The output lags the frame by an audio buffer or two; the clock drifts a little.
        for j in range(max(0, centre - 4 * window), min(len(steps), centre + 6 * window)):
            near[j] = True
        kinds[e] = kinds.get(e, 0) + 1
    step_near = max((s for s, n in zip(steps, near) if n), default=0.0)
    step_else = max((s for s, n in zip(steps, near) if not n), default=0.0)
    big = sum(1 for s in steps if s > 0.2)
    print("events: " + ", ".join(f"{k} x{n}" for k, n in sorted(kinds.items())))
    print(f"whole run: {whole['I']:.1f} LUFS, sample peak {peak:.3f} ({whole['sample_peak']:.1f}"
          f" dBFS), true peak {whole['true_peak']:.1f} dBTP, samples at full scale {full}, over"
          f" the limiter's threshold {over}")
    print(f"largest one-sample step: near sound and music events {step_near:.3f}, elsewhere"
          f" {step_else:.3f}; steps over 0.2: {big}")


if __name__ == "__main__":
    sys.exit(main())
