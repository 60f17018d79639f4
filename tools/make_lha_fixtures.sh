#!/usr/bin/env bash
# Makes the LHA archives of the archive import tests in tests/fixtures/lha/.
# The record files are built field by field at their byte positions (a few
# races and runners per day) and packed with jlha, compressed (-lh5- and
# -lh7-). Run it again after changing a record here, and commit the archives.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
out=$root/tests/fixtures/lha
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

python3 - "$work" <<'PY'
import os
import sys

work = sys.argv[1]


def put(buf, pos, value):
    """Places text (CP932) or bytes at the 1-based byte position pos."""
    data = value.encode("cp932") if isinstance(value, str) else value
    end = pos - 1 + len(data)
    if len(buf) < end:
        buf.extend(b" " * (end - len(buf)))
    buf[pos - 1:end] = data


def text(value, width):
    return value.encode("cp932")[:width].ljust(width, b" ")


class Day:
    def __init__(self, course, meeting, day, date, weekday):
        self.course, self.meeting, self.day, self.date, self.weekday = course, meeting, day, date, weekday


def race_header(day, number, runners, name="", edition=0, grade=" ", domestic=" ",
                category="3", klass="00004", turf="1", distance=1600, post="15:40"):
    b = bytearray(b" " * 777)
    put(b, 1, day.course)
    put(b, 3, day.date[:4])          # bytes 3-6 only take part in the odds key
    put(b, 7, day.meeting)
    put(b, 9, day.day)
    put(b, 11, f"{number:02d}")
    put(b, 13, day.date)
    put(b, 21, day.weekday)
    put(b, 25, "0")
    put(b, 26, f"{edition:03d}")
    put(b, 29, text(name, 30))
    put(b, 73, grade)
    put(b, 74, "01")
    put(b, 98, category)
    put(b, 100, klass)
    put(b, 105, turf)
    put(b, 106, "1")
    put(b, 107, "0")
    put(b, 108, "0")
    put(b, 109, f"{distance:04d}")
    put(b, 332, post)
    put(b, 337, f"{runners:02d}")
    put(b, 358, domestic)
    return bytes(b)


def entry(horse_number, name, jockey):
    b = bytearray(b" " * 741)
    put(b, 23, str((horse_number + 1) // 2))
    put(b, 33, text(name, 18))
    put(b, 65, "0")
    put(b, 66, "03")
    put(b, 149, "570")
    put(b, 189, text(jockey, 8))
    put(b, 706, f"{40 + horse_number:03d}")
    return bytes(b)


def horse(name, finish):
    b = bytearray(b" " * 4015)
    put(b, 8, text(name, 30))
    put(b, 86, "03")
    put(b, 90, "003")
    put(b, 93, "00")
    put(b, 105, text("サンプルサイアー", 34))
    put(b, 570, "0012000000")
    put(b, 580, "0003000000")
    put(b, 610, "0000000000")
    put(b, 633, "001001000001")
    put(b, 657, "00" * 144)      # record block: 36 groups of four counts
    run = 1065                      # past-run block 0, the most recent run
    put(b, run + 0, "05")
    put(b, run + 12, "20260503")
    put(b, run + 25, "0")
    put(b, run + 59, text("青葉賞", 14))
    put(b, run + 100, "00004")
    put(b, run + 115, "1")
    put(b, run + 119, "2400")
    put(b, run + 123, "16")
    put(b, run + 129, "0")
    put(b, run + 152, "05")
    put(b, run + 242, "570")
    put(b, run + 245, "480")
    put(b, run + 359, f"{finish:02d}")
    put(b, run + 366, f"{finish:02d}")
    put(b, run + 374, "2245")
    put(b, run + 381, "003")
    put(b, run + 384, "355")
    put(b, run + 387, "341")
    put(b, run + 390, f"0504{finish:02d}{finish:02d}")
    put(b, run + 398, "2")
    for i in range(1, 5):           # no earlier runs: a course code that names no course
        put(b, 1065 + 590 * i, "--")
    return bytes(b)


def odds(header, values):
    b = bytearray(b" " * 1502)
    put(b, 1, header[:22])
    for h, value in enumerate(values, start=1):
        put(b, 162 + 5 * (h - 1), f"{value:05d}")
    return bytes(b)


def card(day, races):
    """races: (header arguments, [(horse name, jockey)]) per race."""
    headers, entries, horses = [], [], []
    for number, (args, runners) in enumerate(races, start=1):
        headers.append(race_header(day, number, len(runners), **args))
        for h, (name, jockey) in enumerate(runners, start=1):
            entries.append(entry(h, name, jockey))
            horses.append(horse(name, h))
    return headers, entries, horses


def write(folder, name, lines, tail=b""):
    os.makedirs(os.path.join(work, folder), exist_ok=True)
    with open(os.path.join(work, folder, name), "wb") as f:
        f.write(b"".join(line + b"\r\n" for line in lines) + tail)


def as_kd3(line, moves, length, filler=b"#"):
    """The .kd3 line whose .kd2 form is `line`: moves are (kd3 pos, kd2 pos, len)."""
    b = bytearray(filler * length)
    for kd3, kd2, n in moves:
        b[kd3 - 1:kd3 - 1 + n] = line[kd2 - 1:kd2 - 1 + n]
    return bytes(b)


# .kd3 layouts: where each run of .kd2 bytes lies in the .kd3 line; the bytes
# in between (and past the end) have no place in .kd2.
KD3_RACE = [(1, 1, 73), (74, 358, 1), (75, 74, 276), (419, 350, 8), (428, 359, 419)]
KD3_ENTRY = [(1, 1, 255), (257, 256, 438), (728, 694, 15), (844, 709, 12), (856, 721, 21)]
KD3_ODDS = [(1, 1, 73), (75, 74, 87), (162, 162, 1341)]

tokyo = Day("04", "02", "12", "20260531", "02")
day_a = card(tokyo, [
    ({"klass": "00003"}, [("サンプルアサヒ", "横山典"), ("サンプルヒカリ", "戸崎圭"), ("サンプルカゼ", "ルメール")]),
    ({"name": "青嵐賞", "klass": "10000", "distance": 1800},
     [("サンプルソラ", "武豊"), ("サンプルウミ", "川田将"), ("サンプルヤマ", "松山弘"), ("サンプルカワ", "岩田望")]),
    ({"name": "東京優駿", "edition": 93, "grade": "0", "domestic": "1", "category": "2", "distance": 2400},
     [("サンプルダービー", "福永祐"), ("サンプルオークス", "坂井瑠"), ("サンプルキクカ", "鮫島駿")]),
])
odds_a = [odds(h, v) for h, v in zip(day_a[0], [[35, 48, 120], [21, 65, 33, 150], [18, 27, 99]])]
odds_a_late = [odds(h, v) for h, v in zip(day_a[0], [[41, 29, 150], [25, 58, 31, 170], [16, 33, 88]])]

hanshin = Day("01", "03", "04", "20260607", "02")
day_b = card(hanshin, [
    ({"klass": "00001", "turf": "0", "distance": 1200}, [("サンプルハヤテ", "幸英明"), ("サンプルイナズマ", "北村友")]),
    ({"name": "宝塚記念", "edition": 67, "grade": "0", "category": "3", "distance": 2200},
     [("サンプルグランプリ", "池添謙"), ("サンプルファン", "和田竜"), ("サンプルユメ", "藤岡佑")]),
])

# Special registrations: next week's race and its nominated horses.
special = card(Day("01", "03", "08", "20260628", "02"), [
    ({"name": "特別登録ステークス", "edition": 12, "grade": "2", "distance": 2000},
     [("サンプルトクベツ", "松若風"), ("サンプルトウロク", "団野大"), ("サンプルシメイ", "西村淳"), ("サンプルヨテイ", "菅原明")]),
])

write("day_a", "rvx_den1.kd2", day_a[0])
write("day_a", "rvx_den2.kd2", day_a[1])
write("day_a", "rvx_uma.kd2", day_a[2])
write("day_a_odds", "rvx_ods.kd2", odds_a)
write("day_a_odds_late", "rvx_ods.kd2", odds_a_late)

write("day_a_kd3", "rvx_den1.kd3", [as_kd3(l, KD3_RACE, 900) for l in day_a[0]])
write("day_a_kd3", "rvx_den2.kd3", [as_kd3(l, KD3_ENTRY, 900) for l in day_a[1]])
write("day_a_kd3", "rvx_uma.kd3", day_a[2])
write("day_a_kd3_odds", "rvx_ods.kd3", [as_kd3(l, KD3_ODDS, 1520) for l in odds_a])
write("day_a_kd3_odds", "rvx_ods2.kd3", [b"unused second odds file"])

write("day_b", "rvx_den1.kd2", day_b[0])
write("day_b", "rvx_den2.kd2", day_b[1])
write("day_b", "rvx_uma.kd2", day_b[2])

write("special", "rvx_tok1.kd2", special[0])
write("special", "rvx_tok2.kd2", special[1])
write("special", "rvx_uma.kd2", special[2])

write("escape", "escape.kd2", day_b[0])

# One race header more than a day may hold.
write("oversized", "rvx_den1.kd2", day_b[0][:1] * 40)
write("oversized", "rvx_den2.kd2", day_b[1])
write("oversized", "rvx_uma.kd2", day_b[2])
PY

# Fixed time stamps keep the archives the same from run to run.
find "$work" -type f -exec touch -d '2026-05-30 12:00:00 UTC' {} +

rm -rf "$out"
mkdir -p "$out"

# pack ARCHIVE FOLDER METHOD MEMBER... (METHOD 5 or 7: -lh5- or -lh7-)
pack() {
  local archive=$1 folder=$2 method=$3
  shift 3
  (cd "$work/$folder" && jlha "ao${method}q" "$out/$archive" "$@" >/dev/null)
}

pack hb260531.lzh day_a 5 rvx_den1.kd2 rvx_den2.kd2 rvx_uma.kd2
pack j260531.lzh day_a_odds 5 rvx_ods.kd2
pack j260531_late.lzh day_a_odds_late 5 rvx_ods.kd2
pack kd3_hb260531.lzh day_a_kd3 7 rvx_den1.kd3 rvx_den2.kd3 rvx_uma.kd3
pack kd3_jb260531.lzh day_a_kd3_odds 7 rvx_ods.kd3 rvx_ods2.kd3
pack hb260607.lzh day_b 7 rvx_den1.kd2 rvx_den2.kd2 rvx_uma.kd2
pack tok260628.lzh special 5 rvx_tok1.kd2 rvx_tok2.kd2 rvx_uma.kd2
pack no_data.lzh day_b 5 rvx_den1.kd2 rvx_den2.kd2
pack oversized.lzh oversized 5 rvx_den1.kd2 rvx_den2.kd2 rvx_uma.kd2

# jlha stores a relative name as given, so packing from a folder below the
# file gives the member name ../escape.kd2.
mkdir -p "$work/escape/inner"
cp -p "$work"/day_b/rvx_*.kd2 "$work/escape/inner/"
pack escape.lzh escape/inner 5 rvx_den1.kd2 ../escape.kd2 rvx_den2.kd2 rvx_uma.kd2

# truncated.lzh: day B cut in the middle of its last member's data, so the
# listing still shows every member but the extraction runs out of bytes.
python3 - "$out/hb260607.lzh" "$out/truncated.lzh" <<'PY'
import struct
import sys

data = open(sys.argv[1], "rb").read()
pos = last_data = last_size = 0
while data[pos] != 0:                      # level-2 headers; a 0 byte ends the archive
    header_size = struct.unpack_from("<H", data, pos)[0]
    packed = struct.unpack_from("<I", data, pos + 7)[0]
    last_data, last_size = pos + header_size, packed
    pos += header_size + packed
open(sys.argv[2], "wb").write(data[:last_data + last_size // 2])
PY

# near_names.lzh: members whose names only resemble the data files (other
# case, other ending, in a folder), so the archive holds no data.
mkdir -p "$work/near/data"
for name in RVX_UMA.KD2 rvx_ods.kd2.bak xrvx_uma.kd3 data/rvx_ods.kd3; do cp -p "$work/day_b/rvx_den1.kd2" "$work/near/$name"; done
pack near_names.lzh near 5 RVX_UMA.KD2 rvx_ods.kd2.bak xrvx_uma.kd3 data/rvx_ods.kd3

# unsafe_kinds.lzh: members jlha cannot make (a symbolic link, a device, a
# folder) beside names with a folder part and an absolute path, and one good
# member. The headers are written here byte by byte: level 2, stored
# (-lh0- / -lhd-), with the UNIX mode extension that marks links and devices.
# (libarchive's LHA reader turns a device into a plain, here empty, file.)
python3 - "$out/unsafe_kinds.lzh" <<'PY'
import struct
import sys

def crc16(data, crc=0):
    for byte in data:
        crc ^= byte
        for _ in range(8):
            crc = (crc >> 1) ^ 0xA001 if crc & 1 else crc >> 1
    return crc

def ext(kind, payload):
    return bytes([kind]) + payload

def member(name, body=b"", mode=0o100644, folder=None, method=b"-lh0-"):
    exts = [ext(0x00, b"\0\0"), ext(0x01, name)]
    if folder is not None:
        exts.append(ext(0x02, folder))     # 0xFF separates folders
    exts.append(ext(0x50, struct.pack("<H", mode)))
    # Each extension is followed by the size of the next one; 0 ends the list.
    sizes = [len(e) + 2 for e in exts] + [0]
    tail = b"".join(e + struct.pack("<H", sizes[i + 1]) for i, e in enumerate(exts))
    size = 26 + len(tail)
    header = bytearray(struct.pack("<H5sIIIBBHBH", size, method, len(body), len(body),
                                   1780142400, 0x20, 2, crc16(body), ord("U"), sizes[0]) + tail)
    struct.pack_into("<H", header, 27, crc16(header))   # the common extension holds the header CRC
    return bytes(header) + body

archive = b"".join([
    member(b"rvx_uma.kd2", b"a plain member\r\n"),
    member(b"rvx_den1.kd2", b"in a folder\r\n", folder=b"sub\xff"),
    member(b"orvane-absolute.kd2", b"absolute\r\n", folder=b"\xfftmp\xff"),
    member(b"rvx_link.kd2|/etc/hostname", mode=0o120777),
    member(b"rvx_device.kd2", mode=0o020644),
    member(b"", mode=0o040755, folder=b"rvx_folder\xff", method=b"-lhd-"),
]) + b"\0"
open(sys.argv[1], "wb").write(archive)
PY

ls -l "$out"
