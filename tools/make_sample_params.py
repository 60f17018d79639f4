#!/usr/bin/env python3
"""Writes sample course parameter files for the sample race day, or shows one.

    python3 tools/make_sample_params.py [OUTDIR]    (default: resources/Data)
    python3 tools/make_sample_params.py --show FILE

A course parameter file is named course code + S (turf), SO (outer turf
course) or D (dirt) + distance + ".dat".  Its plain form is eight CR LF lines
of 18 comma-separated fields: lines 1-4 apply when fewer than three runners
are front-runners (逃げ), lines 5-8 when three or more are; the line order
within a block is 逃げ, 先行, 差し, 追込.  Each line holds six groups of
win value, return value, case count: 同距離, 短縮, 延長, 別ﾄﾗｯｸ, then the
replacement for the first three groups and the replacement for 別ﾄﾗｯｸ
(used when a group has fewer than 30 cases).  On disk every byte has its
high and low four bits swapped.

The values written here are NOT measured figures.  They come from the small
model below, deterministic (each cell's variation is seeded by the file
name and the cell), so the program has something sensible to show:

  win value    = base win  [style] x change factor x course factor x distance
                 factor x front-runner factor x variation (0.92 .. 1.08)
  return value = base return [style] x the same kinds of factors
  case count   = cases of the file x style share x change share x block share

  base win     逃げ 17.0  先行 11.0  差し 6.5  追込 3.0     (a win rate in %)
  base return  逃げ  9.5  先行  7.8  差し 4.6  追込 6.0     (a return rate / 10)
  change       同距離 1.00/1.00; 短縮 front styles 1.10/1.05, closers 0.95/0.95;
               延長 front styles 0.90/0.92, closers 1.08/1.10; 別ﾄﾗｯｸ 0.75/1.15
  course       東京 (long straight) favours closers, 京都 front-runners; dirt
               favours front-runners
  distance     sprints favour front-runners, long races closers
  three or more front-runners: 逃げ win x 0.70, return x 0.75; 先行 x 0.95;
               差し x 1.10; 追込 x 1.12
  replacement  fifth group: the style's values over 同距離/短縮/延長 weighted by
               their case counts, with their summed count; sixth group: the
               style's 別ﾄﾗｯｸ figures pooled over the course's distances
               (three times the cases of the file's own 別ﾄﾗｯｸ group)

With these figures a 逃げ runner is usually type SS, 先行 S or SS, 差し S or
M and 追込 D, and some 逃げ and 別ﾄﾗｯｸ groups fall below 30 cases.
"""

import os
import random
import sys

STYLES = ["逃げ", "先行", "差し", "追込"]
CHANGES = ["同距離", "短縮", "延長", "別ﾄﾗｯｸ"]

BASE_WIN = [17.0, 11.0, 6.5, 3.0]
BASE_RETURN = [9.5, 7.8, 4.6, 6.0]
STYLE_SHARE = [0.09, 0.31, 0.35, 0.25]
CHANGE_SHARE = [0.32, 0.27, 0.26, 0.15]
BLOCK_SHARE = [0.72, 0.28]

# The combinations of the sample day.  Left out on purpose, so that their
# races show no points: 04D2100 (東京 ダ2100) and 00D1200 (京都 ダ1200).
# 京都's outer-course 1600 and 2400 have no SO file and use 00S1600 and
# 00S2400 instead.  Cases: the number of runners behind the file's figures.
FILES = [
    ("04", "D", 1400, 2600),
    ("04", "D", 1600, 3400),
    ("04", "S", 1400, 1900),
    ("04", "S", 1600, 3600),
    ("04", "S", 1800, 2300),
    ("04", "S", 2000, 2500),
    ("04", "S", 2400, 1500),
    ("00", "D", 1400, 2400),
    ("00", "D", 1800, 3800),
    ("00", "S", 1400, 1600),
    ("00", "S", 1600, 2100),
    ("00", "S", 2000, 1800),
    ("00", "S", 2400, 900),
    ("00", "SO", 1800, 2700),
]


def change_factor(style, change):
    front = style < 2
    if change == 0:
        return 1.0, 1.0
    if change == 1:
        return (1.10, 1.05) if front else (0.95, 0.95)
    if change == 2:
        return (0.90, 0.92) if front else (1.08, 1.10)
    return 0.75, 1.15


def course_factor(course, letters, style):
    if course == "04":
        f = [0.90, 0.95, 1.08, 1.12][style]
    else:
        f = [1.08, 1.04, 0.97, 0.92][style]
    if letters == "D":
        f *= [1.10, 1.06, 0.94, 0.90][style]
    return f


def distance_factor(distance, style):
    # +-15% at 1000 m / 2600 m, 1.0 at 1800 m; sprints favour the front.
    lean = (1800 - distance) / 800 * 0.15
    return 1 + lean * [1.0, 0.5, -0.5, -1.0][style]


def front_factor(block, style):
    if block == 0:
        return 1.0, 1.0
    return [(0.70, 0.75), (0.95, 0.95), (1.10, 1.05), (1.12, 1.08)][style]


def cell(name, block, style, change, cases):
    rng = random.Random(f"{name}:{block}:{style}:{change}")
    course, letters, distance = name
    cw, cr = change_factor(style, change)
    course_f = course_factor(course, letters, style)
    dist_f = distance_factor(distance, style)
    fw, fr = front_factor(block, style)
    win = BASE_WIN[style] * cw * course_f * dist_f * fw * rng.uniform(0.92, 1.08)
    ret = BASE_RETURN[style] * cr * course_f ** 0.5 * dist_f ** 0.5 * fr * rng.uniform(0.92, 1.08)
    count = round(cases * BLOCK_SHARE[block] * STYLE_SHARE[style] * CHANGE_SHARE[change]
                  * rng.uniform(0.8, 1.2))
    return win, ret, count


def line(name, block, style, cases):
    groups = [cell(name, block, style, c, cases) for c in range(4)]
    pooled = sum(g[2] for g in groups[:3])
    rep_win = sum(g[0] * g[2] for g in groups[:3]) / max(1, pooled)
    rep_ret = sum(g[1] * g[2] for g in groups[:3]) / max(1, pooled)
    other = groups[3]
    rng = random.Random(f"{name}:{block}:{style}:pooled")
    groups.append((rep_win, rep_ret, pooled))
    groups.append((other[0] * rng.uniform(0.95, 1.05), other[1] * rng.uniform(0.95, 1.05), other[2] * 3))
    return ",".join(f"{w:.1f},{r:.1f},{n}" for w, r, n in groups)


def plain_text(course, letters, distance, cases):
    name = (course, letters, distance)
    lines = [line(name, block, style, cases) for block in (0, 1) for style in range(4)]
    return "".join(l + "\r\n" for l in lines)


def swap_nibbles(data):
    return bytes(((b << 4) & 0xF0) | (b >> 4) for b in data)


def file_name(course, letters, distance):
    return f"{course}{letters}{distance:04d}.dat"


def show(path):
    text = swap_nibbles(open(path, "rb").read()).decode("cp932", errors="replace")
    rows = text.split("\r\n")
    for i, row in enumerate(rows[:8]):
        label = ("<3 " if i < 4 else ">=3 ") + STYLES[i % 4]
        print(f"{label:8}{row}")
    for row in rows[8:]:
        if row:
            print(row)


def main():
    if len(sys.argv) == 3 and sys.argv[1] == "--show":
        show(sys.argv[2])
        return
    if len(sys.argv) > 2 or (len(sys.argv) == 2 and sys.argv[1].startswith("-")):
        print(__doc__.split("\n\n")[1], file=sys.stderr)
        sys.exit(1)
    out = sys.argv[1] if len(sys.argv) == 2 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "resources", "Data")
    os.makedirs(out, exist_ok=True)
    for course, letters, distance, cases in FILES:
        data = plain_text(course, letters, distance, cases).encode("ascii")
        with open(os.path.join(out, file_name(course, letters, distance)), "wb") as f:
            f.write(swap_nibbles(data))
    print(f"{len(FILES)} course parameter files written to {os.path.normpath(out)}")


if __name__ == "__main__":
    main()
