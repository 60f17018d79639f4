#!/usr/bin/env python3
"""Writes the fictional sample race day that the program opens out of the box.

    python3 tools/make_sample_day.py [OUTDIR]      (default: sample/ beside tools/)

Output: rvx_den1.kd2 (race headers), rvx_den2.kd2 (entries), rvx_uma.kd2
(horse records with the last five runs) and rvx_ods.kd2 (forecast odds) for
Sunday 2026-05-24, 東京 and 京都, twelve races each.  Every horse, person,
farm and race name is invented.  The files are fixed-width code page 932
records, one per line, CR LF line ends; positions and lengths count bytes,
text is blank-padded, digits are zero-padded and every byte that no field
uses is a blank.

Only the standard library is used and the random generator has a fixed seed,
so running the script again gives byte-identical files.
"""

import datetime
import math
import os
import random
import sys

SEED = 20260524
RACE_DAY = datetime.date(2026, 5, 24)
WEEKDAY_CODE = "02"   # 日

HEADER_LEN = 800
ENTRY_LEN = 760
HORSE_LEN = 1065 + 5 * 590
ODDS_LEN = 1502
RUN_LEN = 590


# --------------------------------------------------------------------------
# Fixed-width records

class Record:
    """A record of blanks with fields placed at 1-based byte positions."""

    def __init__(self, length):
        self.buf = bytearray(b" " * length)

    def text(self, pos, length, value):
        raw = value.encode("cp932")
        if len(raw) > length:
            raise ValueError(f"{value!r} does not fit {length} bytes at {pos}")
        self.buf[pos - 1:pos - 1 + length] = raw + b" " * (length - len(raw))

    def num(self, pos, length, value):
        digits = str(value).zfill(length)
        if len(digits) != length or not digits.isdigit():
            raise ValueError(f"{value!r} is not {length} digits at {pos}")
        self.buf[pos - 1:pos - 1 + length] = digits.encode("ascii")

    def code(self, pos, value):
        """A code field written exactly as given (blanks allowed)."""
        self.buf[pos - 1:pos - 1 + len(value)] = value.encode("cp932")

    def block(self, pos, data):
        self.buf[pos - 1:pos - 1 + len(data)] = data

    def bytes(self):
        return bytes(self.buf)


# --------------------------------------------------------------------------
# Courses

COURSE_CODE = {"京都": "00", "阪神": "01", "中京": "02", "小倉": "03", "東京": "04",
               "中山": "05", "福島": "06", "新潟": "07", "札幌": "08", "函館": "09",
               "大井": "10", "川崎": "11", "船橋": "12", "浦和": "13", "門別": "42",
               "園田": "37", "香港": "60", "仏国": "63"}

# Direction code (0 右, 1 左) and the distances run on each surface.
COURSES = {
    "東京": ("1", {"芝": [1400, 1600, 1800, 2000, 2300, 2400, 2500], "ダ": [1300, 1400, 1600, 2100],
                   "障": [3000, 3110]}),
    "中山": ("0", {"芝": [1200, 1600, 1800, 2000, 2200, 2500], "ダ": [1200, 1800, 2400],
                   "障": [2880, 3200, 3350]}),
    "京都": ("0", {"芝": [1200, 1400, 1600, 1800, 2000, 2200, 2400, 3000], "ダ": [1200, 1400, 1800, 1900],
                   "障": [2910, 3170, 3930]}),
    "阪神": ("0", {"芝": [1200, 1400, 1600, 1800, 2000, 2200, 2400, 2600], "ダ": [1200, 1400, 1800, 2000],
                   "障": [2970, 3110, 3140]}),
    "中京": ("1", {"芝": [1200, 1400, 1600, 2000, 2200], "ダ": [1200, 1400, 1800, 1900],
                   "障": [3000, 3300]}),
    "小倉": ("0", {"芝": [1200, 1700, 1800, 2000, 2600], "ダ": [1000, 1700, 2400], "障": [2860, 3390]}),
    "福島": ("0", {"芝": [1200, 1800, 2000, 2600], "ダ": [1150, 1700, 2400], "障": [2750, 3350]}),
    "新潟": ("1", {"芝": [1000, 1200, 1400, 1600, 1800, 2000, 2200, 2400], "ダ": [1200, 1800, 2500],
                   "障": [2850, 3250]}),
    "札幌": ("0", {"芝": [1200, 1500, 1800, 2000, 2600], "ダ": [1000, 1700, 2400]}),
    "函館": ("0", {"芝": [1200, 1800, 2000, 2600], "ダ": [1000, 1700, 2400]}),
    "大井": ("0", {"ダ": [1200, 1400, 1600, 1800, 2000]}),
    "川崎": ("1", {"ダ": [900, 1400, 1500, 1600, 2100]}),
    "船橋": ("1", {"ダ": [1000, 1200, 1500, 1600, 1800]}),
    "浦和": ("1", {"ダ": [800, 1400, 1500, 1900]}),
    "門別": ("0", {"ダ": [1000, 1100, 1200, 1500, 1700, 1800]}),
    "園田": ("0", {"ダ": [820, 1230, 1400, 1700, 1870]}),
    "香港": ("0", {"芝": [1200, 1600, 2000, 2400]}),
    "仏国": ("0", {"芝": [1600, 2000, 2400]}),
}

JRA = ["京都", "阪神", "中京", "小倉", "東京", "中山", "福島", "新潟", "札幌", "函館"]
EAST = {"東京", "中山", "福島", "新潟", "札幌", "函館"}
WEST = {"京都", "阪神", "中京", "小倉", "札幌", "函館"}
LOCAL = ["大井", "川崎", "船橋", "浦和", "門別", "園田"]

# JRA courses racing in each month (a rough calendar).
SEASON = {1: ["中山", "京都", "中京"], 2: ["東京", "京都", "小倉"], 3: ["中山", "阪神", "中京"],
          4: ["中山", "阪神", "福島"], 5: ["東京", "京都", "新潟"], 6: ["東京", "阪神", "函館"],
          7: ["福島", "中京", "函館"], 8: ["新潟", "札幌", "小倉"], 9: ["中山", "阪神", "札幌"],
          10: ["東京", "京都", "新潟"], 11: ["東京", "京都", "福島"], 12: ["中山", "阪神", "中京"]}


def inner_outer(course, surface, dist):
    """Inner/outer course code of a turf run (blank on dirt and over fences)."""
    if surface != "芝":
        return " "
    if course == "京都":
        return "1" if dist in (1800, 2200, 2400, 3000) else "0"
    if course == "阪神":
        return "1" if dist in (1600, 1800, 2400, 2600) else "0"
    if course == "中山":
        return "1" if dist in (1200, 1600, 2200) else "0"
    if course == "新潟":
        return "1" if dist in (1400, 1600, 1800) else "0"
    return "0"


# --------------------------------------------------------------------------
# Names (all invented)

KANMEI = ["ミナモ", "ソラノ", "オルヴ", "カザミ", "ハルカゼ", "ユキミ", "アサギ", "ホシミ", "ツキヨノ",
          "コトノハ", "シズク", "アマネ"]
WORDS = ["ステップ", "ブレイブ", "リリィ", "ドリーム", "ルミナス", "セレナーデ", "ノクターン", "ロンド",
         "ラプソディ", "アリア", "カノン", "ソナタ", "フーガ", "ミラージュ", "オーロラ", "コメット",
         "ネビュラ", "ガーネット", "トパーズ", "サファイア", "ペリドット", "アンバー", "オパール", "ジェイド",
         "クォーツ", "ベリル", "ヘリオス", "セレネ", "イリス", "フローラ", "ミモザ", "カメリア", "リンデン",
         "マグノリア", "ローレル", "アカシア", "ジニア", "ダリア", "ブルーム", "スピカ", "リゲル", "カペラ",
         "ポラリス", "ミルザム", "アルデバ", "シリウス", "プロキオ", "ハダル", "ベテルギ", "エニフ",
         "タイムリー", "フォルテ", "ピアニッシ", "レガート", "スタッカ", "アレグロ", "ヴィヴァーチ", "グラーヴェ",
         "マーチ", "ワルツ", "ポルカ", "タンゴ", "ボレロ", "メヌエット", "ガヴォット", "ジーグ", "サラバンド",
         "ランタン", "カンテラ", "ランプ", "キャンドル", "トーチ", "ビーコン", "シグナル", "コンパス",
         "アトラス", "ログブック", "セイル", "マスト", "アンカー", "ハーバー", "ラグーン", "リーフ",
         "コーラル", "タイド", "ブリーズ", "ゲイル", "スコール", "サイクロン", "モンスーン", "ミストラル",
         "シロッコ", "ボーラ", "フェーン", "ヤマセ", "コガラシ", "ハヤテ", "イナズマ", "カグラ", "ミカグラ",
         "キララ", "ユラメキ", "カガリビ", "ホムラ", "ツムギ", "ニシキ", "ミヤビ", "ヒスイ", "コハク",
         "ルリイロ", "アカネ", "シノノメ", "ユウナギ", "アサナギ", "ヨイヤミ", "ツキアカリ", "ホシアカリ",
         "ロングボウ", "クロスボウ", "ランサー", "セイバー", "ナイト", "ルーク", "ビショップ", "パラディン",
         "ノーブル", "ロイヤル", "グラン", "ブラン", "ノワール", "ルージュ", "ヴェール", "ブルー", "シルバー"]


class NamePool:
    def __init__(self, rng):
        self.rng = rng
        self.used = set()

    def horse(self, kanmei=None):
        rng = self.rng
        for _ in range(1000):
            shape = rng.random()
            if kanmei:
                name = kanmei + rng.choice(WORDS)
            elif shape < 0.6:
                name = rng.choice(WORDS) + rng.choice(WORDS)
            else:
                name = rng.choice(KANMEI) + rng.choice(WORDS)
            if 5 <= len(name) <= 9 and name not in self.used:
                self.used.add(name)
                return name
        raise RuntimeError("no free horse name")

    def bloodline(self):
        rng = self.rng
        for _ in range(1000):
            name = rng.choice(WORDS) + rng.choice(WORDS)
            if rng.random() < 0.3:
                name = rng.choice(WORDS) + "オブ" + rng.choice(WORDS)
            if len(name) <= 12 and name not in self.used:
                self.used.add(name)
                return name
        raise RuntimeError("no free bloodline name")


# Jockeys: full name as the race card shows it, short form, weight allowance
# mark (apprentices), skill.
EAST_JOCKEYS = [("氷室蓮司", "氷室蓮"), ("早瀬圭吾", "早瀬圭"), ("真柴拓海", "真柴拓"), ("葛城大和", "葛城大"),
                ("宗像誠", "宗像誠"), ("朝霧颯", "朝霧颯"), ("鳴海一輝", "鳴海一"), ("篠宮悠真", "篠宮悠"),
                ("水城剛", "水城剛"), ("若槻陽斗", "若槻陽"), ("千早修", "千早修"), ("神楽坂翔", "神楽坂翔"),
                ("月岡慎", "月岡慎"), ("星川隼人", "星川隼"), ("羽柴岳", "羽柴岳"), ("久遠亮", "久遠亮"),
                ("霧島大地", "霧島大"), ("天城直樹", "天城直"), ("桐生樹", "桐生樹"), ("鷹野恭平", "鷹野恭"),
                ("雨宮隆之", "雨宮隆"), ("犬飼健太", "犬飼健"), ("御影昴", "御影昴"), ("高瀬川湊", "高瀬川湊")]
EAST_APPRENTICES = [("小鳥遊凛", "小鳥遊凛", "▲"), ("白鷺透", "白鷺透", "☆"), ("雪村航", "雪村航", "△")]
WEST_JOCKEYS = [("藤堂勝也", "藤堂勝"), ("嵯峨拓真", "嵯峨拓"), ("宇治原誠", "宇治原誠"), ("比良颯太", "比良颯"),
                ("鞍馬学", "鞍馬学"), ("伏見一平", "伏見一"), ("醍醐大輔", "醍醐大"), ("嵐田健", "嵐田健"),
                ("御室光", "御室光"), ("桂木徹", "桂木徹"), ("葵崇", "葵崇"), ("鴨居亮", "鴨居亮"),
                ("音羽樹", "音羽樹"), ("石清水航", "石清水航"), ("東雲奏", "東雲奏"), ("八瀬龍之介", "八瀬龍"),
                ("綾小路翔", "綾小路翔"), ("丹波誠司", "丹波誠"), ("西陣亘", "西陣亘"), ("淀川広", "淀川広"),
                ("二条憲", "二条憲"), ("嵐山正", "嵐山正"), ("竹田京介", "竹田京"), ("紫野克己", "紫野克")]
WEST_APPRENTICES = [("園部陸", "園部陸", "▲"), ("巽隼", "巽隼", "☆"), ("宝生俊", "宝生俊", "△")]
VISITORS = [("ベルナール", "ベルナー"), ("オコナー", "オコナー")]
EAST_JUMP = [("剣崎豪", "剣崎豪"), ("岩動勇", "岩動勇"), ("大鷲猛", "大鷲猛"), ("不破剛志", "不破剛"),
             ("轟竜也", "轟竜也"), ("荒磯守", "荒磯守"), ("砂原渉", "砂原渉"), ("峰岸篤", "峰岸篤")]
WEST_JUMP = [("鬼頭勝", "鬼頭勝"), ("猿渡仁", "猿渡仁"), ("荒巻鉄平", "荒巻鉄"), ("鉄穴真", "鉄穴真"),
             ("黒鉄岳", "黒鉄岳"), ("磐城隆", "磐城隆"), ("岩清水守", "岩清水守"), ("峠田勇", "峠田勇")]
EAST_JUMP += [("霜田剛", "霜田剛"), ("柳生隼", "柳生隼"), ("穂積岳", "穂積岳"), ("槙野仁", "槙野仁")]
WEST_JUMP += [("鳥羽勝己", "鳥羽勝"), ("深草豪", "深草豪"), ("山科猛", "山科猛"), ("桃山健", "桃山健"),
              ("伏原力", "伏原力")]
# Who rides where today: every rider is at one course only.  The first riders
# of each list are the busiest.
DAY_RIDERS = {
    "東京": {"flat": EAST_JOCKEYS[:6] + WEST_JOCKEYS[:2] + VISITORS[:1] + EAST_JOCKEYS[6:] + WEST_JOCKEYS[2:3],
             "apprentices": EAST_APPRENTICES,
             "jump": EAST_JUMP + WEST_JUMP[:2]},
    "京都": {"flat": WEST_JOCKEYS[3:10] + VISITORS[1:] + WEST_JOCKEYS[10:],
             "apprentices": WEST_APPRENTICES,
             "jump": WEST_JUMP[2:]},
}
LOCAL_JOCKEYS = ["真壁元", "香取悟", "滝沢剛", "森泉亨", "湊川修", "砂田篤", "千葉崎", "舟木淳"]
FOREIGN_JOCKEYS = ["ベルナー", "ルフェヴ", "ウォン"]

EAST_TRAINERS = ["栃尾正人", "奥平悟", "倉持亘", "草刈雄一", "芦原敬", "鶴岡誠二", "柚木浩", "蓮池薫",
                 "桜庭勉", "水無瀬努"]
WEST_TRAINERS = ["伊吹武", "比叡修", "朽木健司", "瀬田昌平", "松尾仁", "賀茂亮", "高雄一馬", "宇佐美徹",
                 "梅宮巧", "鞍掛昇"]
OWNERS = {"ミナモ": "(株)ミナモ", "ソラノ": "ソラノレーシング", "オルヴ": "オルヴ商事(株)",
          "カザミ": "カザミホールディングス", "ハルカゼ": "(有)ハルカゼ", "ユキミ": "雪見サラブレッドクラブ",
          "アサギ": "浅葱興産(株)", "ホシミ": "星見ファームクラブ", "ツキヨノ": "月夜野レーシング",
          "コトノハ": "言の葉ホースクラブ", "シズク": "雫川産業(株)", "アマネ": "天音ステーブル"}
PRIVATE_OWNERS = ["北沢洋一", "南雲秀樹", "東條美智子", "西園寺隆", "(有)青雲ホース", "白樺興業(株)",
                  "山吹レーシング", "若松商事(株)", "岬タカシ", "小金井一郎", "(株)ノースランド", "飛鳥井静香"]
BREEDERS = ["白樺牧場", "ミナモファーム", "青雲牧場", "(有)北斗牧場", "朝日ケ丘牧場", "雪原ファーム",
            "千歳ヒルズ", "日高緑風牧場", "浦河さくら牧場", "静内岬牧場", "門別川辺牧場", "新冠星野牧場"]
BIRTHPLACES = ["005", "005", "006", "006", "003", "003", "007", "004", "010", "040", "008", "009"]
COATS = ["01", "03", "03", "03", "04", "04", "05", "06", "07", "02"]

WIN_NAME_WORDS = ["青葉", "若潮", "春霞", "秋桜", "白樺", "紫野", "洛北", "鳴門", "浜風", "潮騒", "夕凪",
                  "朝凪", "木枯", "寒椿", "早春", "卯月", "菖蒲", "月見", "銀河", "琥珀", "翡翠", "瑠璃",
                  "紅葉", "雪見", "初霜", "霜月", "師走", "若竹", "青嵐", "薫風"]
LOCAL_RACE_NAMES = ["潮騒特別", "月光賞", "若潮杯", "夜桜特別", "星空特選", "ルーキー戦", "新涼特別",
                    "春雷特選", "川霧特別", "湾岸特別"]


# --------------------------------------------------------------------------
# The day's races

# (course, race number, post time, surface, distance, inner/outer, category,
#  class, grade, domestic grade flag, edition, name, weight condition,
#  race symbol, designation, runners)
RACES = [
    ("東京", 1, "10:05", "ダ", 1400, " ", "2", "00003", " ", "0", 0, "", "01", "04", "03", 16),
    ("東京", 2, "10:35", "芝", 1600, "0", "2", "00003", " ", "0", 0, "", "01", "04", "03", 18),
    ("東京", 3, "11:05", "ダ", 1600, " ", "2", "00003", " ", "0", 0, "", "01", "03", "03", 16),
    ("東京", 4, "11:35", "障", 3000, " ", "9", "00003", " ", "0", 0, "", "03", "04", "  ", 14),
    ("東京", 5, "12:25", "芝", 1800, "0", "1", "00001", " ", "0", 0, "", "01", "04", "03", 10),
    ("東京", 6, "12:55", "芝", 2000, "0", "2", "05000", " ", "0", 0, "", "01", "04", "02", 12),
    ("東京", 7, "13:25", "ダ", 1600, " ", "4", "05000", " ", "0", 0, "", "03", "04", "03", 16),
    ("東京", 8, "13:55", "芝", 1400, "0", "4", "05000", " ", "0", 0, "", "03", "04", "03", 13),
    ("東京", 9, "14:30", "芝", 2400, "0", "4", "10000", " ", "0", 0, "青嵐特別", "03", "04", "02", 10),
    ("東京", 10, "15:05", "ダ", 2100, " ", "4", "16000", " ", "0", 0, "さくら坂ステークス", "02", "04", "02", 15),
    ("東京", 11, "15:40", "芝", 2400, "0", "2", "00004", "0", "0", 93, "しののめ優駿", "03", "40", "01", 18),
    ("東京", 12, "16:20", "ダ", 1400, " ", "4", "10000", " ", "0", 0, "目黒川カップ", "02", "04", "02", 16),
    ("京都", 1, "09:55", "ダ", 1200, " ", "2", "00003", " ", "0", 0, "", "01", "04", "03", 16),
    ("京都", 2, "10:25", "ダ", 1800, " ", "2", "00003", " ", "0", 0, "", "01", "04", "03", 15),
    ("京都", 3, "10:55", "芝", 1600, "0", "2", "00003", " ", "0", 0, "", "01", "03", "03", 12),
    ("京都", 4, "11:25", "芝", 1600, "1", "1", "00001", " ", "0", 0, "", "01", "04", "03", 8),
    ("京都", 5, "12:15", "芝", 2000, "0", "2", "00003", " ", "0", 0, "", "01", "04", "03", 14),
    ("京都", 6, "12:45", "ダ", 1400, " ", "2", "05000", " ", "0", 0, "", "01", "04", "02", 16),
    ("京都", 7, "13:15", "芝", 1800, "1", "4", "05000", " ", "0", 0, "", "03", "04", "03", 12),
    ("京都", 8, "13:45", "障", 3170, " ", "8", "00004", "5", "0", 27, "嵯峨野ジャンプステークス", "00", "04", "02", 11),
    ("京都", 9, "14:20", "芝", 2400, "1", "4", "10000", " ", "0", 0, "鴨川特別", "03", "04", "02", 9),
    ("京都", 10, "14:55", "芝", 1400, "0", "4", "00004", " ", "0", 15, "宇治川トロフィー", "00", "04", "02", 17),
    ("京都", 11, "15:30", "芝", 1800, "1", "4", "00004", "2", "1", 60, "東山チャレンジカップ", "00", "04", "02", 16),
    ("京都", 12, "16:05", "ダ", 1800, " ", "4", "16000", " ", "0", 0, "桂川ステークス", "02", "04", "02", 13),
]

# Runners with a run abroad among their last five.
ABROAD = {("京都", 11, 4): ("香港", 2000, "九龍国際カップ", "0"), ("京都", 10, 7): ("香港", 1200, "九龍スプリント", "0"),
          ("東京", 11, 2): ("仏国", 2000, "セーヌ川賞", " ")}

MEETING = {"東京": (2, 12), "京都": (3, 12)}
RAIL = {"東京": "2", "京都": "1"}       # C and B course on turf


# --------------------------------------------------------------------------
# Helpers for the past runs

def level_of(race_class):
    return {"00001": 0, "00003": 0, "05000": 1, "10000": 2, "16000": 3}.get(race_class, 4)


def class_code(level, debut, three_year_old):
    if level == 0:
        return "00001" if debut else "00003"
    if three_year_old and level >= 2:
        return "00004"
    return {1: "05000", 2: "10000", 3: "16000"}.get(level, "00004")


def win_prize(class_code_, grade, course):
    if course not in JRA:
        return 1_500_000 if course in LOCAL else 90_000_000
    if grade == "0":
        return 150_000_000
    if grade == "1":
        return 60_000_000
    if grade == "2":
        return 41_000_000
    if grade in "345":
        return 30_000_000
    return {"00001": 7_200_000, "00003": 5_600_000, "05000": 8_500_000, "10000": 11_000_000,
            "16000": 16_000_000}.get(class_code_, 24_000_000)


def seconds_per_200(surface, dist):
    if surface == "芝":
        return 11.42 + (dist - 1200) * 0.0005
    if surface == "ダ":
        return 11.92 + (dist - 1200) * 0.00055
    return 13.1 + (dist - 3000) * 0.0002


def time_text(tenths):
    minutes, rest = divmod(tenths, 600)
    return f"{minutes}{rest // 10:02d}{rest % 10}"


def weekend_before(date, rng, min_days, max_days):
    """A Saturday or Sunday between min_days and max_days before date."""
    days = rng.randint(min_days, max_days)
    d = date - datetime.timedelta(days=days)
    while d.weekday() not in (5, 6):
        d -= datetime.timedelta(days=1)
    return d


class Run:
    """One run of a horse's career."""
    pass


# --------------------------------------------------------------------------
# Horses

class Horse:
    pass


class DayBuilder:
    def __init__(self):
        self.rng = random.Random(SEED)
        self.names = NamePool(self.rng)
        self.opponents = [self.names.horse() for _ in range(160)]
        self.sires = [self.names.bloodline() for _ in range(22)]
        self.dam_sires = [self.names.bloodline() for _ in range(18)]
        self.special_runs = {}      # horse name -> outcome code to plant (31, 33, 34)
        self.abroad = {}            # horse name -> (course, distance, race name) of a run abroad

    # -- career ---------------------------------------------------------

    def career(self, h, race):
        """Builds h.runs (most recent first) for the horse h running in race."""
        rng = self.rng
        course, _, _, surface, dist, _, cat, cls, grade = race[:9]
        h.runs = []
        if cls == "00001":
            return
        lvl = level_of(cls)
        three = cat in "12"
        jump = surface == "障"
        if jump:
            n = rng.randint(8, 18) if cls == "00003" else rng.randint(14, 30)
            wins = rng.choice([0, 0, 1]) if cls == "00003" else rng.randint(2, 5)
        elif lvl == 0:
            n = rng.choice([0, 1, 2, 2, 3, 3, 3, 4, 5, 6, 7, 8]) if three else rng.randint(3, 9)
            wins = 0
        elif three and lvl == 1:
            n, wins = rng.randint(2, 7), 1
        elif three:   # the 3-year-old classic
            n, wins = rng.randint(4, 8), rng.choice([2, 2, 3, 3, 4])
            n = max(n, wins + 2)
        else:
            wins = lvl if lvl < 4 else rng.randint(4, 7)
            n = rng.randint(wins + 3, wins + 22)
        if n == 0:
            return
        # Dates, most recent first.
        dates = []
        d = RACE_DAY
        earliest = datetime.date(2025, 6, 7) if three else datetime.date(2021, 6, 1)
        for i in range(n):
            if rng.random() < 0.09:
                gap = (90, 260)            # a spell off the track
            elif i == 0 and h.ability > 1.0 and rng.random() < 0.5:
                gap = (21, 42)
            else:
                gap = (13, 60)
            nd = weekend_before(d, rng, *gap)
            if nd < earliest:
                break
            dates.append(nd)
            d = nd
        n = len(dates)
        if n == 0:
            return
        wins = min(wins, n)
        # Which runs (oldest first) were wins.
        if jump and cls != "00003":
            flat_runs = rng.randint(3, max(3, n // 2))
        elif jump:
            flat_runs = n - rng.randint(1, min(4, n))
        else:
            flat_runs = n
        order = list(range(n))          # 0 = oldest
        win_idx = set()
        if jump:
            # Maiden jumpers may have won on the flat; stakes jumpers won over fences too.
            flat_pool = order[:flat_runs]
            jump_pool = order[flat_runs:]
            rng.shuffle(flat_pool)
            rng.shuffle(jump_pool)
            if cls == "00003":
                win_idx.update(flat_pool[:wins])
            else:
                jump_wins = max(1, min(len(jump_pool), wins - rng.randint(0, 1)))
                win_idx.update(jump_pool[:jump_wins])
                win_idx.update(flat_pool[:wins - jump_wins])
        elif wins:
            if lvl >= 1:
                # The last win is a few runs back, the class since then is today's.
                last = n - 1 - rng.randint(0, min(n - 1, 4 if lvl < 4 else 2))
                win_idx.add(last)
                pool = order[:last]
                rng.shuffle(pool)
                win_idx.update(pool[:wins - 1])
            else:
                pool = order[:]
                rng.shuffle(pool)
                win_idx.update(pool[:wins])
        local_start = h.local_origin and not jump
        local_runs = rng.randint(2, 4) if local_start else 0
        runs = []
        flat_level = jump_level = 0
        for i in range(n):
            date = dates[n - 1 - i]
            r = Run()
            r.date = date
            r.won = i in win_idx
            r.jump = jump and i >= flat_runs
            r.level = jump_level if r.jump else flat_level
            r.debut = i == 0
            r.last = i == n - 1
            runs.append(r)
            if r.won and r.jump:
                jump_level += 1
            elif r.won:
                flat_level += 1
        if h.name in self.abroad and n >= 4:
            runs[n - 3].abroad = self.abroad[h.name]
            runs[n - 3].won = False
        for i, r in enumerate(runs):
            self.place_run(h, r, race, i < local_runs, three)
        runs.reverse()
        h.runs = runs
        # A few planted outcomes for the details window and the past-run texts.
        if h.name in self.special_runs and len(runs) >= 3:
            self.special(h, runs[rng.randint(1, 2)], self.special_runs[h.name])

    def place_run(self, h, r, race, local, three):
        rng = self.rng
        today_course, _, _, today_surface, today_dist = race[:5]
        month = r.date.month
        abroad = getattr(r, "abroad", None)
        # Where.
        if abroad:
            r.course = abroad[0]
        elif local:
            r.course = h.local_course
        elif r.jump:
            r.course = rng.choice([c for c in SEASON[month] if "障" in COURSES[c][1]] or ["中山"])
        else:
            options = SEASON[month]
            home = EAST if h.east else WEST
            pref = [c for c in options if c in home] or options
            r.course = rng.choice(pref if rng.random() < 0.8 else options)
        direction, surfaces = COURSES[r.course]
        # Surface and distance.
        if r.jump:
            r.surface = "障"
        elif r.course in LOCAL:
            r.surface = "ダ"
        elif r.course not in JRA:
            r.surface = "芝"
        elif r.last:
            r.surface = today_surface if today_surface != "障" else h.surface
            if rng.random() < 0.13:
                r.surface = "ダ" if r.surface == "芝" else "芝"
        else:
            r.surface = h.surface if rng.random() < 0.82 else ("ダ" if h.surface == "芝" else "芝")
        dists = surfaces.get(r.surface) or surfaces.get("ダ")
        if r.surface not in surfaces:
            r.surface = "ダ"
        if abroad:
            target = abroad[1]
        elif r.last and r.surface == today_surface and r.course in JRA:
            roll = rng.random()
            if roll < 0.4 and today_dist in dists:
                target = today_dist
            elif roll < 0.7:
                target = today_dist + rng.choice([200, 200, 400])
            else:
                target = today_dist - rng.choice([200, 200, 400])
        elif r.surface == "障":
            target = 3000
        else:
            target = h.distance + rng.choice([-400, -200, 0, 0, 200, 400])
        age_then = h.age - (RACE_DAY.year - r.date.year)
        if r.surface != "障" and age_then <= 3:
            target = min(target, 2000 if age_then == 2 else 2400)
        r.dist = min(dists, key=lambda x: (abs(x - target), x))
        r.direction = "2" if (r.course == "新潟" and r.dist == 1000 and r.surface == "芝") else direction
        # Class, grade, name.
        r.grade = " "
        r.name = ""
        if r.course in LOCAL:
            r.cls = rng.choice(["00031", "00032", "00033", "00022", "00023"]) if three else "00021"
            r.name = rng.choice(LOCAL_RACE_NAMES) if rng.random() < 0.6 else ""
            r.wcond = "01"
        elif r.course not in JRA:
            r.cls, r.name, r.grade, r.wcond = "00004", abroad[2], abroad[3], "03"
        elif r.jump:
            lvl = 0 if r.level == 0 else 4
            r.cls = "00003" if lvl == 0 else "00004"
            if lvl and rng.random() < 0.35:
                r.grade = rng.choice(["5", "5", "4", "3"])
                r.name = rng.choice(WIN_NAME_WORDS) + "ジャンプＳ"
            r.wcond = "03" if lvl == 0 else "00"
        else:
            flat_level = r.level
            r.cls = class_code(flat_level, r.debut and not local, three)
            if r.cls == "00004":
                roll = rng.random()
                if three and r.date >= datetime.date(2026, 3, 1) and roll < 0.55:
                    r.grade, r.name = rng.choice([("0", "皐月野杯"), ("1", "弥生野賞"), ("1", "春霞賞"),
                                                  ("2", "青葉台Ｓ"), ("2", "若竹Ｓ")])
                elif roll < 0.45:
                    r.grade = rng.choice(["0", "1", "2", "2", "2"])
                    r.name = rng.choice(WIN_NAME_WORDS) + rng.choice(["記念", "杯", "賞", "Ｓ"])
                else:
                    r.name = rng.choice(WIN_NAME_WORDS) + rng.choice(["Ｓ", "賞", "特別"])
                r.wcond = {"0": "03", "1": "00", "2": "00"}.get(r.grade, "02" if rng.random() < 0.3 else "00")
            elif r.cls in ("05000", "10000", "16000") and rng.random() < (0.3 if r.cls == "05000" else 0.6):
                r.name = rng.choice(WIN_NAME_WORDS) + ("Ｓ" if r.cls == "16000" else "特別")
                r.wcond = "02" if rng.random() < 0.35 else "03"
            else:
                r.wcond = "01" if r.cls in ("00001", "00003") or three else "03"
        r.turf = "0" if r.surface == "ダ" else "1"
        r.io = inner_outer(r.course, r.surface, r.dist) if r.course in JRA else " "
        r.rail = rng.choice("0123") if (r.surface == "芝" and r.course in JRA) else " "
        # The field.
        r.runners = rng.randint(8, 18) if r.course in JRA else rng.randint(9, 14)
        if r.cls == "00001":
            r.runners = rng.randint(8, 16)
        r.horse_no = rng.randint(1, r.runners)
        r.going = rng.choices("0123", weights=[70, 16, 9, 5])[0]
        r.pace = rng.choices("012", weights=[30, 45, 25])[0]
        # Result.
        if r.won:
            r.pos = 1
        else:
            # m: where the horse tends to finish, 0 near the front, 1 at the back.
            m = 1 / (1 + math.exp(h.ability - 0.4 * (r.level - 0.5)))
            if rng.random() < 0.3 * (1 - m) or r.runners < 4:
                r.pos = min(r.runners, rng.choice([2, 2, 3]))
            else:
                frac = rng.betavariate(1 + 3 * m, 1 + 3 * (1 - m))
                r.pos = min(r.runners, 4 + round(frac * (r.runners - 4)))
        if r.pos == 1:
            pop = rng.choice([1, 1, 1, 2, 2, 3, 4, 6])
        else:
            pop = r.pos + rng.randint(-4, 3)
        r.pop = max(1, min(r.runners, pop))
        # Positions at the corners.
        four_corners = r.dist >= 1700 or r.surface == "障"
        c4 = 1 + (h.style + rng.gauss(0, 0.11)) * (r.runners - 1)
        if r.pos <= 2:
            c4 -= rng.random() * 2
        c4 = max(1, min(r.runners, round(c4)))
        cs = []
        for back in (3, 2, 1):
            cs.append(max(1, min(r.runners, c4 + round(rng.gauss(0, 0.06 * r.runners * back / 2)))))
        c1, c2, c3 = cs
        codes = [f"{c:02d}" for c in (c1, c2, c3, c4)]
        if not four_corners:
            codes[0] = codes[1] = "00"
        if r.direction == "2":
            codes = ["00", "00", "00", "00"]
        if rng.random() < 0.05 and codes[3] != "00":
            codes[3] = f"{40 + c4:02d}"        # circled position
        if rng.random() < 0.03 and codes[2] != "00":
            codes[2] = f"{40 + c3:02d}"
        r.corners = "".join(codes)
        r.c4 = c4
        r.lane = str(max(0, min(4, round(h.style * 4 + rng.gauss(0, 0.9)))))
        # Times.
        spf = seconds_per_200(r.surface, r.dist)
        spf += {"0": 0.0, "1": 0.04, "2": 0.09, "3": 0.14}[r.going] * (1 if r.surface != "ダ" else -0.6)
        spf += 0.03 * (3 - min(r.level, 4)) + rng.gauss(0, 0.03)
        if r.course in LOCAL:
            spf += 0.18
        winner_time = round(spf * r.dist / 200 * 10)
        if r.pos == 1:
            r.margin = rng.choice([0, 1, 1, 2, 2, 3, 4, 5, 8])
            r.time = winner_time
        else:
            m = sum(rng.choice([0, 0, 1, 1, 2, 3, 4]) for _ in range(r.pos - 1))
            r.margin = min(m, 60)
            r.time = winner_time + r.margin
        base_first = {"芝": 34.2, "ダ": 35.0, "障": 39.5}[r.surface] + (r.dist - 1200) / 800
        base_first += {"0": -0.8, "1": 0.0, "2": 1.0}[r.pace]
        r.first3f = round(base_first * 10 + rng.gauss(0, 3))
        last = {"芝": 34.6, "ダ": 37.2, "障": 13.6 * 3}[r.surface] + (r.dist - 1600) / 2000
        last += {"0": 0.8, "1": 0.0, "2": -0.8}[r.pace] + 0.12 * (r.pos - 1) ** 0.8 - 0.6 * h.style
        r.last3f = round(last * 10 + rng.gauss(0, 3))
        # Weights.
        r.body = h.body + rng.randint(-8, 8)
        r.carried = self.carried(h, r, three)
        r.jockey = h.jockey_short if (rng.random() < 0.55 and r.course in JRA) else (
            rng.choice(LOCAL_JOCKEYS) if r.course in LOCAL else
            rng.choice(FOREIGN_JOCKEYS) if r.course not in JRA else
            rng.choice(h.jump_pool if r.jump else h.jockey_pool))
        r.opponent = rng.choice(self.opponents)
        r.outcome = None

    def carried(self, h, r, three):
        rng = self.rng
        filly = h.sex == "1"
        if r.jump:
            return 600 if not filly else 580
        if r.wcond == "02":
            return rng.choice([520, 530, 540, 550, 560, 570, 575])
        if r.wcond == "00":
            return rng.choice([560, 570, 570, 580, 590]) - (20 if filly else 0)
        age_then = h.age - (RACE_DAY.year - r.date.year)
        if age_then <= 2:
            return 540 if filly else 550
        if three and r.date.year == 2026:
            return 550 if filly else 570
        return 560 if filly else 580

    def special(self, h, r, outcome):
        """Turns the run r into a fall (31), a pulled-up run (33) or a scratch (34)."""
        r.outcome = outcome
        r.won = False
        r.pos = outcome
        r.time = None
        r.margin = None
        r.last3f = None
        r.lane = " "
        if outcome == 34:
            r.pop = 34
            r.corners = "        "
            r.first3f = None
            r.body = None
        else:
            keep = r.corners[:4] if outcome == 31 else r.corners[:6]
            r.corners = keep + "0" * (8 - len(keep))

    # -- records ----------------------------------------------------------

    def run_block(self, h, r):
        b = Record(RUN_LEN)
        b.code(1, COURSE_CODE[r.course])
        b.num(13, 8, r.date.strftime("%Y%m%d"))
        b.code(26, "1" if r.surface == "障" else "0")
        b.text(60, 14, r.name)
        b.code(74, r.grade)
        b.code(75, r.wcond)
        b.code(101, r.cls)
        b.code(116, r.turf)
        b.code(118, r.io)
        b.code(119, r.rail)
        b.num(120, 4, r.dist)
        b.num(124, 2, r.runners)
        b.code(128, r.pace)
        b.code(130, r.going)
        b.num(153, 2, r.horse_no)
        b.num(243, 2, r.carried // 10)
        b.num(245, 1, r.carried % 10)
        if r.body is not None:
            b.num(246, 3, r.body)
        b.text(292, 8, r.jockey)
        b.num(360, 2, r.pop)
        b.num(367, 2, r.pos)
        if r.time is not None:
            b.num(375, 4, time_text(r.time))
            b.num(382, 3, r.margin)
        if r.first3f is not None:
            b.num(385, 3, r.first3f)
        if r.last3f is not None:
            b.num(388, 3, r.last3f)
        b.code(391, r.corners)
        b.code(399, r.lane)
        b.text(517, 30, r.opponent)
        return b.bytes()

    def record_block(self, h):
        """The 36 groups of counts: firsts, seconds, thirds, unplaced."""
        groups = [[0, 0, 0, 0] for _ in range(36)]
        style_top2 = [0, 0, 0, 0]
        for r in h.career_all:
            if r.outcome == 34:
                continue
            slot = min(r.pos, 4) - 1 if r.pos < 31 else 3
            touched = [0]
            if r.surface == "障":
                touched.append(7)
            else:
                turf = r.surface == "芝"
                if r.direction == "2":
                    touched.append(6)
                else:
                    touched.append((2 if turf else 4) + (1 if r.direction == "1" else 0))
                going_group = {"0": 8, "1": 9, "2": 10, "3": 11}[r.going] + (0 if turf else 4)
                touched.append(going_group)
                bands = [1000, 1200, 1400, 1600, 1800, 2000, 2200]
                band = next((i for i, limit in enumerate(bands) if r.dist <= limit), 7)
                touched.append((20 if turf else 28) + band)
            for g in touched:
                groups[g][slot] += 1
            if r.pos <= 2 and r.surface != "障":
                frac = (r.c4 - 1) / max(1, r.runners - 1)
                kind = 0 if r.c4 == 1 else 1 if frac <= 0.34 else 2 if frac <= 0.67 else 3
                style_top2[kind] += 1
        groups[1] = style_top2
        return "".join(f"{min(c, 99):02d}" for g in groups for c in g)

    def horse_record(self, h):
        rec = Record(HORSE_LEN)
        rec.text(8, 30, h.name)
        rec.code(86, h.coat)
        rec.code(90, h.birthplace)
        rec.code(93, h.mark)
        rec.text(105, 34, h.sire)
        rec.text(146, 34, h.dam)
        rec.text(187, 34, h.dam_sire)
        rec.text(228, 34, h.dam_dam)
        rec.text(344, 40, h.owner)
        rec.text(464, 20, h.breeder)
        rec.text(526, 8, h.trainer)
        rec.code(534, h.centre)
        main, part1, part2 = 0, 0, 0
        counts = [0, 0, 0, 0]
        for r in h.career_all:
            if r.outcome == 34:
                continue
            counts[min(r.pos, 4) - 1 if r.pos < 31 else 3] += 1
            prize = win_prize(r.cls, r.grade, r.course)
            share = {1: 1.0, 2: 0.4, 3: 0.25, 4: 0.15, 5: 0.1}.get(r.pos, 0)
            part1 += int(prize * share)
            if r.pos == 1:
                main += prize
        part2 = (part1 // 50) // 1000 * 1000
        rec.num(570, 10, main)
        rec.num(580, 10, part1)
        rec.num(610, 10, part2)
        for i, c in enumerate(counts):
            rec.num(633 + 3 * i, 3, c)
        rec.code(657, self.record_block(h))
        for k, r in enumerate(h.runs[:5]):
            rec.block(1065 + 590 * k, self.run_block(h, r))
        return rec.bytes()

    # -- the day ---------------------------------------------------------

    def build(self):
        rng = self.rng
        headers, entries, horses, odds = [], [], [], []
        # Planted outcomes in the second or third last run: 31 fell, 33 pulled up, 34 scratched.
        plant = {("東京", 7, 5): 34, ("京都", 6, 9): 31, ("東京", 12, 3): 33, ("京都", 12, 8): 34,
                 ("東京", 4, 6): 31, ("京都", 8, 4): 33}
        star_odds = ("東京", 7, 5)             # this runner has no forecast odds ("*")
        tie_races = {("東京", 2), ("東京", 8), ("京都", 6), ("京都", 10)}
        for race in RACES:
            (course, rno, post, surface, dist, io, cat, cls, grade, jpn, edition, name,
             wcond, symbol, desig, n) = race
            key = self.header(headers, race)
            abilities = sorted((rng.gauss(0, 1) for _ in range(n)), reverse=True)
            rng.shuffle(abilities)
            field = []
            jockeys = self.jockeys_for(race, abilities)
            for i in range(n):
                h = self.new_horse(race, abilities[i])
                h.number = i + 1
                h.jockey_full, h.jockey_short, h.allowance = jockeys[i]
                h.jockey_pool = [j[1] for j in (EAST_JOCKEYS if h.east else WEST_JOCKEYS)]
                h.jump_pool = [j[1] for j in (EAST_JUMP if h.east else WEST_JUMP)]
                if (course, rno, i + 1) in plant:
                    self.special_runs[h.name] = plant[(course, rno, i + 1)]
                if (course, rno, i + 1) in ABROAD:
                    self.abroad[h.name] = ABROAD[(course, rno, i + 1)]
                self.career(h, race)
                h.career_all = h.runs
                field.append(h)
            brackets = bracket_numbers(n)
            for i, h in enumerate(field):
                entries.append(self.entry(h, race, brackets[i]))
                horses.append(self.horse_record(h))
            odds.append(self.odds_line(key, field, race, (course, rno) in tie_races,
                                       star_odds[:2] == (course, rno) and star_odds[2]))
        return headers, entries, horses, odds

    def header(self, headers, race):
        (course, rno, post, surface, dist, io, cat, cls, grade, jpn, edition, name,
         wcond, symbol, desig, n) = race
        kai, nichi = MEETING[course]
        rec = Record(HEADER_LEN)
        rec.code(1, COURSE_CODE[course])
        rec.num(3, 4, RACE_DAY.year)
        rec.num(7, 2, kai)
        rec.num(9, 2, nichi)
        rec.num(11, 2, rno)
        rec.num(13, 8, RACE_DAY.strftime("%Y%m%d"))
        rec.code(21, WEEKDAY_CODE)
        rec.code(25, "1" if surface == "障" else "0")
        rec.num(26, 3, edition)
        rec.text(29, 30, name)
        rec.code(73, grade)
        rec.code(74, wcond)
        rec.code(94, symbol)
        rec.code(96, desig)
        rec.code(98, cat)
        rec.code(100, cls)
        rec.code(105, "0" if surface == "ダ" else "1")
        rec.code(106, COURSES[course][0])
        rec.code(107, io)
        rec.code(108, RAIL[course] if surface == "芝" else " ")
        rec.num(109, 4, dist)
        rec.text(332, 5, post)
        rec.num(337, 2, n)
        rec.code(358, jpn)
        line = rec.bytes()
        headers.append(line)
        return line[:22]

    def jockeys_for(self, race, abilities):
        """One jockey per runner, from the riders at that course today; the
        busier riders are on more horses and on the better ones."""
        rng = self.rng
        course, rno, _, surface, _, _, _, cls = race[:8]
        riders = DAY_RIDERS[course]["jump" if surface == "障" else "flat"]
        plain_race = surface != "障" and cls in ("00003", "05000") and race[11] == ""
        if plain_race:
            riders = riders + DAY_RIDERS[course]["apprentices"]
        # Weighted draw without replacement: the first riders of a list are the busiest.
        pool = list(range(len(riders)))
        chosen = []
        while len(chosen) < len(abilities):
            weights = [3.0 if i < 10 else 1.0 for i in pool]
            pick = rng.choices(pool, weights=weights)[0]
            pool.remove(pick)
            chosen.append(pick)
        chosen.sort()
        order = sorted(range(len(abilities)), key=lambda i: -abilities[i] + rng.gauss(0, 0.7))
        result = [None] * len(abilities)
        for rank, i in enumerate(order):
            full, short, *mark = riders[chosen[rank]]
            result[i] = (full, short, mark[0] if mark else "")
        return result

    def new_horse(self, race, ability):
        rng = self.rng
        (course, rno, post, surface, dist, io, cat, cls, grade, jpn, edition, name,
         wcond, symbol, desig, n) = race
        h = Horse()
        h.ability = ability
        h.east = (rng.random() < 0.75) if course == "東京" else (rng.random() < 0.2)
        kanmei = rng.choice(KANMEI) if rng.random() < 0.35 else None
        h.name = self.names.horse(kanmei)
        if cat == "1":
            h.age = 2
        elif cat == "2":
            h.age = 3
        elif surface == "障":
            h.age = rng.choice([4, 4, 5, 5, 6, 6, 7, 8]) if cat == "9" else rng.choice([4, 5, 5, 6, 6, 7, 8])
        else:
            h.age = rng.choice([4, 4, 4, 5, 5, 5, 6, 6, 7])
        fillies_only = symbol == "03"
        if fillies_only:
            h.sex = "1"
        elif h.age >= 4 and rng.random() < 0.15:
            h.sex = "2"
        else:
            h.sex = "1" if rng.random() < (0.15 if cls == "00004" and cat == "2" else 0.35) else "0"
        h.surface = surface if surface != "障" else rng.choice(["芝", "ダ"])
        h.distance = dist if surface != "障" else rng.choice([1800, 2000, 2400])
        # Running position as a share of the field: 0 leads, 1 is last.
        h.style = min(1.0, max(0.0, rng.betavariate(1.1, 1.4)))
        h.body = rng.randint(420, 530)
        h.coat = rng.choice(COATS)
        h.local_origin = surface != "障" and cls in ("00003", "05000", "10000") and rng.random() < 0.08
        h.local_course = rng.choice(LOCAL)
        if h.local_origin:
            h.mark = "05"
            h.birthplace = rng.choice(BIRTHPLACES)
        elif rng.random() < 0.07:
            h.mark = "06"
            h.birthplace = rng.choice(["073", "074", "075", "081"])
        else:
            h.mark = rng.choice(["00"] * 9 + ["03", "04"])
            h.birthplace = rng.choice(BIRTHPLACES)
        h.sire = rng.choice(self.sires)
        h.dam = self.names.bloodline()
        h.dam_sire = rng.choice(self.dam_sires)
        h.dam_dam = self.names.bloodline()
        h.owner = OWNERS[kanmei] if kanmei else rng.choice(PRIVATE_OWNERS)
        h.breeder = rng.choice(BREEDERS)
        if h.east:
            h.trainer = rng.choice(EAST_TRAINERS)
            h.centre = rng.choice(["51", "52"])
        else:
            h.trainer = rng.choice(WEST_TRAINERS)
            h.centre = "50"
        return h

    def entry(self, h, race, bracket):
        rng = self.rng
        (course, rno, post, surface, dist, io, cat, cls, grade, jpn, edition, name,
         wcond, symbol, desig, n) = race
        filly = h.sex == "1"
        if surface == "障":
            weight = (600 if not filly else 580) + (rng.choice([0, 0, 10, 20]) if wcond == "00" else 0)
        elif wcond == "02":
            weight = max(510, min(585, 550 + round(h.ability * 20 / 5) * 5))
        elif wcond == "00":
            weight = (570 if not filly else 550) + rng.choice([0, 0, 10, 20])
        elif cat == "1":
            weight = 550 if not filly else 540
        elif cat == "2":
            weight = 570 if not filly else 550
        else:
            weight = 580 if not filly else 560
        allowance = {"▲": 30, "△": 20, "☆": 10}.get(h.allowance, 0)
        weight -= allowance
        rt = max(40, min(120, round(78 + 14 * h.ability + rng.gauss(0, 6))))
        if cls == "00001":
            rt = max(40, min(120, round(60 + 8 * h.ability)))
        rec = Record(ENTRY_LEN)
        rec.num(23, 1, bracket)
        rec.text(33, 18, h.name)
        rec.code(65, h.sex)
        rec.num(66, 2, h.age)
        rec.num(149, 3, weight)
        rec.text(157, 12, h.allowance + h.jockey_full)
        rec.text(189, 8, h.jockey_short)
        rec.num(706, 3, rt)
        return rec.bytes()

    def odds_line(self, key, field, race, tie, star):
        rng = self.rng
        weights = [math.exp(0.95 * h.ability + rng.gauss(0, 0.35)) for h in field]
        total = sum(weights)
        values = []
        for w in weights:
            o = 0.78 * total / w
            values.append(max(11, min(9999, round(o * 10))))
        if tie:
            ranked = sorted(range(len(values)), key=lambda i: values[i])
            a, b = ranked[1], ranked[2]
            values[b] = values[a]
        rec = Record(ODDS_LEN)
        rec.block(1, key)
        for i, v in enumerate(values):
            if star and i + 1 == star:
                rec.text(162 + 5 * i, 5, "*")
            else:
                rec.num(162 + 5 * i, 5, v)
        return rec.bytes()


def bracket_numbers(n):
    """Brackets (枠) as JRA draws them: with more than eight runners the extra
    runners go to the highest brackets, one each."""
    if n <= 8:
        return list(range(1, n + 1))
    base, extra = divmod(n, 8)
    result = []
    for b in range(1, 9):
        result += [b] * (base + (1 if b > 8 - extra else 0))
    return result


def write_lines(path, lines):
    with open(path, "wb") as f:
        for line in lines:
            f.write(line + b"\r\n")


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(os.path.abspath(__file__)),
                                                             "..", "sample")
    os.makedirs(out, exist_ok=True)
    headers, entries, horses, odds = DayBuilder().build()
    write_lines(os.path.join(out, "rvx_den1.kd2"), headers)
    write_lines(os.path.join(out, "rvx_den2.kd2"), entries)
    write_lines(os.path.join(out, "rvx_uma.kd2"), horses)
    write_lines(os.path.join(out, "rvx_ods.kd2"), odds)
    print(f"{len(headers)} races, {len(entries)} runners written to {os.path.normpath(out)}")


if __name__ == "__main__":
    main()
