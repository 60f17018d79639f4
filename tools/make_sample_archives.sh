#!/usr/bin/env bash
# Packs the sample race day (sample/*.kd2, written by tools/make_sample_day.py)
# as the data service delivers a day: the race-card archive hb260524.lzh and
# its odds companion j260524.lzh, compressed with -lh5-.
set -euo pipefail

sample=$(cd "$(dirname "$0")/.." && pwd)/sample
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for file in rvx_den1.kd2 rvx_den2.kd2 rvx_uma.kd2 rvx_ods.kd2; do
  [[ -f $sample/$file ]] || { echo "missing $sample/$file: run tools/make_sample_day.py first" >&2; exit 1; }
  cp "$sample/$file" "$work/"
done
# Fixed time stamps keep the archives the same from run to run.
touch -d '2026-05-23 18:00:00 UTC' "$work"/*.kd2

rm -f "$sample/hb260524.lzh" "$sample/j260524.lzh"
(cd "$work" && jlha ao5q "$sample/hb260524.lzh" rvx_den1.kd2 rvx_den2.kd2 rvx_uma.kd2 >/dev/null)
(cd "$work" && jlha ao5q "$sample/j260524.lzh" rvx_ods.kd2 >/dev/null)
ls -l "$sample"/*.lzh
