#!/usr/bin/env python3
"""Check and preview the template files Text.ini and Command.ini.

Usage:
    python3 tools/data/texts_check.py [--render] [DIR]

DIR is the folder holding the UTF-8 sources of Text.ini and Command.ini
(default: data/ini next to this repository's tools folder).

Without --render the script only checks the files and prints one line per
problem ("file:line: message").  With --render it also prints every section
as the game would show it, with sample names spliced in, so that a person can
read the result.  Exit status: 0 when no problem was found, 1 otherwise.

The reader below follows the template rules of the game:
  - a header is a line whose first character is "."; its number is the value
    of the next up to three characters;
  - inside the wanted section: "." (also a header, also "..") appends a line
    break, ".." then ends the section, "+" appends message parameter 1,
    "*" appends message parameter 2, "/" starts the next page (or, in the
    single-text form, discards the text read so far), any other line is
    appended as it is, without a line break;
  - a header numbered 100 or more met while searching ends the search.
"""

import os
import sys

CRLF = "\r\n"

# ---------------------------------------------------------------------------
# Section catalogue: for every section the game reads, who calls it, whether
# the caller sets message parameter 1 ("+") and 2 ("*") on every call, and
# sample calls (p1, p2, text the program appends right after the section).
# A parameter that is not set by every caller holds a stale value from an
# earlier message, so a section must not splice it.
# ---------------------------------------------------------------------------

TEXT = {
    1: (True, True, [
        ("人材募集の成功", "荀彧", "郭嘉が曹操", ""),
        ("黄巾賊退治の頭目", "曹操", "張燕が曹操", ""),
        ("異民族討伐の族長", "張飛", "沙摩柯が劉備", "")]),
    2: (True, True, [
        ("兵力確保の成功", "魯粛", "孫権の名声により 5000が孫権",
         "兵を貸した劉表の名声も上がった。" + CRLF)]),
    3: (True, True, [("調略", "賈詡", "劉表陣営の結束が 45", "")]),
    4: (True, False, [("黄巾賊退治の勝利", "夏侯惇", None, "")]),
    5: (True, False, [("異民族討伐の出陣", "張飛", None, "")]),
    6: (True, True, [("調停の成功", "魯粛", "孫権の名声が 7", "")]),
    7: (True, True, [("糾弾の成功", "陳宮", "劉表の名声と、その幕僚の結束が 6", "")]),
    8: (True, True, [("同盟参加の成功", "閻象", "袁術の名声により袁術は袁紹", "")]),
    9: (True, True, [("脱退の成功", "陳宮", "呂布", "")]),
    10: (True, True, [("盟主交替の成功", "郭嘉", "曹操", "")]),
    11: (True, True, [("年末の内政・失政", "劉禅", "黄皓", "")]),
    12: (True, True, [
        ("戦争の前口上", "田豊", "袁紹を中心とした連合軍は、董卓",
         "*** プレイヤーの国が攻撃を受けました ***" + CRLF),
        ("義戦の前口上", "曹操", "曹操は呂布", "")]),
    13: (True, True, [
        ("調略の寝返り", "蔡瑁、張允、", "曹操", ""),
        ("敗戦後の寝返り", "于禁", "関羽", "")]),
    14: (True, True, [("賊兵の編入", "曹操", " 120000が曹操", "")]),
    15: (True, True, [("精兵の獲得", "張飛", " 8000が劉備", "")]),
    16: (True, True, [("両軍の陣容", "曹操の率いる曹操軍 120",
                       "呂布の率いる呂布軍 80", "")]),
    17: (True, True, [("策の献策", "曹操の軍師荀彧", "奇襲", ""),
                      ("軍師なし", "呂布の軍師", "一騎打ち", "")]),
    18: (True, False, [("盟主の同盟参加・脱退", "陳宮", None, "")]),
    19: (True, True, [("中盤戦の一撃", "呂布", " 23", ""),
                      ("中盤戦（前置きつき）", "呂布", " 23", "")]),
    20: (True, True, [
        ("奇襲成功（攻め手）", "張遼", "許褚以下、獅子奮迅の働きを見せ、呂布軍の士気が 35", ""),
        ("奇襲成功（守り手）", "高順", "呂布もここぞとばかりに暴れまわり、曹操軍の士気が 41", "")]),
    21: (True, True, [("人材募集の失敗", "荀彧", "郭嘉", "")]),
    22: (True, False, [("兵力確保の失敗", "魯粛", None, "")]),
    23: (True, True, [("調略の失敗", "賈詡", "劉表", "")]),
    24: (True, True, [("賊兵を養えず", "曹操", " 120000", "")]),
    25: (True, True, [("奇襲失敗", "張遼", "曹操軍の士気が 40", "")]),
    26: (True, True, [("大戦略", "荀彧", "呂布軍の士気が 30", ""),
                      ("軍師なしの勝者", "", "呂布軍の士気が 30", "")]),
    27: (True, False, [("自陣営への糾弾", "陳宮", None, "")]),
    28: (True, True, [("謀略", "賈詡", "曹操軍の士気が 28", "")]),
    29: (True, True, [("一騎打ち", "関羽が華雄", "董卓", "")]),
    30: (True, True, [("長期戦", "呂布", " 44", "")]),
    32: (True, True, [("自軍への出兵", "田豊", "", "")]),
    33: (True, False, [("的外れの策", "郭嘉", None, "")]),
    34: (True, True, [("総兵力", "曹操の総兵力は 150", "呂布軍のそれは 90", "")]),
    35: (True, False, [("勝敗の決着", "曹操", None, "")]),
    36: (False, False, [("痛み分け", None, None, "")]),
    37: (True, False, [("敗戦後の出奔", "陳珪", None, "")]),
    38: (True, True, [("年末の人事・不祥事", "袁紹", "郭図", "")]),
    39: (True, True, [("同盟参加の失敗", "閻象", "袁術", "")]),
    40: (True, True, [("圧倒的進撃", "曹操の軍師荀彧", "正攻法", "")]),
    41: (True, True, [("降伏（同盟へ）", "呂布", "曹操", ""),
                      ("降伏（独立へ）", "呂布", "独立軍閥", "")]),
    42: (True, True, [("軍師の功績", "荀彧", " 3.2", ""),
                      ("軍師のいない勝者", "何某", " 1.5", "")]),
    43: (True, False, [("討伐の失敗", "夏侯惇", None, "")]),
    44: (True, False, [("盟主交替の失敗", "郭嘉", None, "")]),
    45: (True, True, [("年末の人事・善政", "曹操", "荀彧", "")]),
    46: (True, True, [("族長を蹴散らす", "張飛", "劉備", "")]),
    47: (True, True, [("人材募集・ためらい", "荀彧", "郭嘉は曹操", "")]),
    48: (True, False, [("人材募集・快諾", "郭嘉", None, "")]),
    49: (True, False, [("政治の優位", "曹操", None,
                        "曹操の士気 180 呂布の士気 150" + CRLF + CRLF)]),
    50: (True, False, [("檄が届く", "曹操", None, "")]),
    51: (True, False, [("檄が届かない", "呂布", None, "")]),
    52: (False, True, [("人材募集・使者なし", None, "諸葛亮", "")]),
    53: (True, False, [("自軍からの兵力確保", "魯粛", None, "")]),
    57: (True, True, [("盟主の降伏", "袁術", "曹操", "")]),
    58: (True, False, [("調停・使者なし", "調停", None, ""),
                       ("糾弾・使者なし", "糾弾", None, "")]),
    59: (True, False, [("盟主の継承", "袁術", None, "")]),
    60: (True, True, [("滅亡", "董卓", "", "")]),
}

SAME_LINE = "袁術、劉表、が動いている"

COMMAND = {
    1: (True, True, [("人材募集", "郭嘉", SAME_LINE, "")]),
    2: (True, True, [("兵力確保・同一行なし", "劉表", " 15％を借り受け、そのまま自分の物とする。", ""),
                     ("兵力確保・同一行あり", "劉表", SAME_LINE + " 15％を借り受け、そのまま自分の物とする。", "")]),
    3: (True, True, [("調略", "劉表", SAME_LINE, "")]),
    4: (True, True, [("黄巾賊退治", "張燕", " 120000を傘下に収める。", "")]),
    5: (True, True, [("異民族討伐", "沙摩柯", " 8000を傘下に収める。", "")]),
    6: (False, True, [("調停", None, SAME_LINE, "")]),
    7: (True, True, [("糾弾", "劉表", "", "")]),
    8: (True, True, [("同盟参加", "袁紹", SAME_LINE, "")]),
    9: (False, True, [("脱退", None, "", "")]),
    10: (False, True, [("盟主交替", None, SAME_LINE, "")]),
    11: (True, True, [("戦争", "董卓", SAME_LINE, "")]),
    12: (True, True, [("義戦", "董卓", "", "")]),
    20: (False, False, [("待機", None, None, "")]),
    21: (False, False, [("シナリオ１", None, None, "")]),
    22: (False, False, [("シナリオ２", None, None, "")]),
    23: (False, False, [("シナリオ３", None, None, "")]),
    24: (False, False, [("シナリオ４", None, None, "")]),
    25: (False, False, [("シナリオ５", None, None, "")]),
    26: (False, False, [("シナリオ６", None, None, "")]),
}

STALE = "《前の値》"   # what a stale parameter looks like in the preview

FILES = (("Text.ini", TEXT, False), ("Command.ini", COMMAND, True))


def header_number(line):
    """Value of the characters 2..4 of a header line (leading digits)."""
    digits = ""
    for ch in line[1:4]:
        if ch.isdigit() and ch.isascii():
            digits += ch
        else:
            break
    return int(digits) if digits else 0


def read_section(lines, number, p1, p2, single_text=False):
    """Return the pages one request for section `number` yields."""
    pages = [""]
    found = False
    for line in lines:
        if not found:
            if line.startswith("."):
                n = header_number(line)
                if n >= 100:        # never reached, even when asked for
                    break
                if n == number:
                    found = True
            continue
        if line.startswith("."):
            pages[-1] += CRLF
            if line.startswith(".."):
                break
        elif line.startswith("+"):
            pages[-1] += p1
        elif line.startswith("*"):
            pages[-1] += p2
        elif line.startswith("/"):
            if single_text:
                pages[-1] = ""
            else:
                pages.append("")
        else:
            pages[-1] += line
    return pages if found else []


def load(path):
    """Read a UTF-8 source file; return (lines, problems)."""
    problems = []
    with open(path, "rb") as f:
        raw = f.read()
    if raw.startswith(b"\xef\xbb\xbf"):
        problems.append((1, "file starts with a byte-order mark"))
        raw = raw[3:]
    if b"\r" in raw:
        problems.append((1, "carriage return found: sources use LF line ends"))
    try:
        text = raw.decode("utf-8")
    except UnicodeDecodeError as e:
        return [], [(1, "not valid UTF-8: %s" % e)]
    if text and not text.endswith("\n"):
        problems.append((text.count("\n") + 1, "last line has no line end"))
    return text.split("\n")[:-1] if text.endswith("\n") else text.split("\n"), problems


def lint(lines, catalogue):
    """Return a list of (line number, message) for one template file."""
    problems = []
    seen = {}
    last = 0
    current = None          # number of the section being read, or None
    closed = True
    uses = {}               # section -> set of "+"/"*" used
    for no, line in enumerate(lines, 1):
        bad = [c for c in line if not _cp932(c)]
        if bad:
            problems.append((no, "character(s) %s cannot be written in CP932"
                             % " ".join("U+%04X %s" % (ord(c), c) for c in bad)))
        if line != line.rstrip():
            problems.append((no, "trailing blank at the end of the line"))
        if line.startswith("..") and current is not None:
            if line != "..":
                problems.append((no, "text after the end marker '..' is ignored"))
            closed = True
            current = None
            continue
        if line.startswith("."):
            if line == "." and current is not None:
                continue
            if line == "." or line == "..":
                problems.append((no, "'%s' outside a section" % line))
                continue
            n = header_number(line)
            if line != "." + str(n) or n == 0:
                problems.append((no, "bad header %r: a header is '.' followed by "
                                 "the section number only" % line))
                continue
            if not closed:
                problems.append((no, "section %d is not closed with '..' before "
                                 "this header (the reader would run on into it)"
                                 % current))
            if n >= 100:
                problems.append((no, "section %d is never read: numbers from 100 "
                                 "up stop the reader" % n))
            if n in seen:
                problems.append((no, "section %d appears twice (first on line %d)"
                                 % (n, seen[n])))
            elif n < last:
                problems.append((no, "section %d after section %d: keep ascending "
                                 "order" % (n, last)))
            elif n not in catalogue:
                problems.append((no, "section %d is not read by the game" % n))
            seen.setdefault(n, no)
            last = max(last, n)
            current = n
            closed = False
            uses.setdefault(n, set())
            continue
        if current is None:
            if line.strip():
                problems.append((no, "text outside any section"))
            continue
        if line[:1] in "+*":
            if line != line[:1]:
                problems.append((no, "only the parameter is spliced; the rest of "
                                 "this line (%r) is lost" % line[1:]))
            uses[current].add(line[:1])
        elif line.startswith("/"):
            problems.append((no, "page break '/' in section %d: the program does "
                             "its own paging, these sections must not break pages"
                             % current))
    if not closed:
        problems.append((len(lines), "section %d is not closed with '..'" % current))
    for n, (p1, p2, _) in sorted(catalogue.items()):
        if n not in seen:
            problems.append((0, "section %d is missing" % n))
            continue
        if "+" in uses[n] and not p1:
            problems.append((seen[n], "section %d splices '+' but parameter 1 is "
                             "not set by its callers (it would show a stale name)" % n))
        if "*" in uses[n] and not p2:
            problems.append((seen[n], "section %d splices '*' but parameter 2 is "
                             "not set by its callers (it would show a stale name)" % n))
    return problems


def _cp932(ch):
    try:
        ch.encode("cp932")
        return True
    except UnicodeEncodeError:
        return False


def check_dir(directory):
    """Check both files; return a list of printable problem lines."""
    out = []
    for name, catalogue, _ in FILES:
        path = os.path.join(directory, name)
        if not os.path.exists(path):
            out.append("%s: file missing" % path)
            continue
        lines, problems = load(path)
        problems += lint(lines, catalogue)
        for no, msg in problems:
            out.append("%s:%d: %s" % (path, no, msg))
    return out


def render_dir(directory):
    """Print every section with its sample parameters."""
    for name, catalogue, single in FILES:
        path = os.path.join(directory, name)
        if not os.path.exists(path):
            continue
        lines, _ = load(path)
        print("=" * 60)
        print(name)
        print("=" * 60)
        for n, (_, _, samples) in sorted(catalogue.items()):
            for label, p1, p2, after in samples:
                pre = "その流れのまま中盤戦に入り、" if "前置き" in label else ""
                pages = read_section(lines, n, STALE if p1 is None else p1,
                                     STALE if p2 is None else p2, single)
                print("--- %s %d  %s   [+]=%r [*]=%r" % (name, n, label, p1, p2))
                if not pages:
                    print("(no text)")
                    continue
                body = "\n/ (next page)\n".join(pages)
                shown = (pre + body + after).replace(CRLF, "\n")
                print(shown.rstrip("\n") + "\n" + "¶" * (len(shown) - len(shown.rstrip("\n"))))


# Whole episodes as the resolution screen writes them: ("T", section, p1, p2)
# is a text step, ("A", text) a direct append by the program, ("P",) a page
# advance.  Used by --render to show how sections read one after another.
STORIES = [
    ("人材募集（ためらいの後に成功）", [
        ("A", "***曹操（プレイヤー）が関わった作戦***" + CRLF),
        ("T", 47, "荀彧", "郭嘉は曹操"), ("T", 1, "荀彧", "郭嘉が曹操")]),
    ("黄巾賊退治（賊兵は養えず、頭目は逃亡）", [
        ("T", 4, "夏侯惇", None), ("T", 24, "曹操", " 120000"),
        ("A", "張燕は身を隠したようだった。" + CRLF + CRLF)]),
    ("異民族討伐", [
        ("T", 5, "張飛", None), ("T", 46, "張飛", "劉備"),
        ("T", 15, "張飛", " 8000が劉備"), ("T", 1, "張飛", "沙摩柯が劉備")]),
    ("調略", [
        ("T", 3, "賈詡", "劉表陣営の結束が 45"), ("T", 13, "蔡瑁、張允、", "曹操")]),
    ("戦争（奇襲、中盤戦、勝利）", [
        ("T", 12, "田豊", "袁紹を中心とした連合軍は、董卓"),
        ("A", "*** プレイヤーの国が攻撃を受けました ***" + CRLF), ("P",),
        ("T", 16, "袁紹の率いる袁紹軍 120", "董卓の率いる董卓軍 150"),
        ("T", 34, "袁紹の総兵力は 210", "董卓軍のそれは 150"),
        ("T", 50, "袁紹", None), ("T", 51, "董卓", None), ("T", 49, "袁紹", None),
        ("A", "袁紹の士気 190 董卓の士気 160" + CRLF + CRLF),
        ("T", 17, "袁紹の軍師沮授", "奇襲"), ("P",),
        ("T", 20, "顔良", "文醜以下、獅子奮迅の働きを見せ、董卓軍の士気が 35"),
        ("A", "袁紹の士気 190 董卓の士気 125" + CRLF + CRLF + "その流れのまま中盤戦に入り、"),
        ("T", 19, "董卓", " 41"), ("T", 19, "袁紹", " 30"),
        ("A", "袁紹の士気 160 董卓の士気 84" + CRLF + CRLF),
        ("T", 35, "袁紹", None), ("P",),
        ("T", 42, "沮授", " 3.2"), ("T", 13, "李粛", "袁紹"), ("T", 37, "徐栄", None)]),
    ("圧倒的進撃と降伏", [
        ("T", 40, "曹操の軍師荀彧", "正攻法"), ("T", 35, "曹操", None), ("P",),
        ("T", 41, "張繍", "曹操"), ("T", 42, "荀彧", " 2.6")]),
    ("年末の内政と人事", [
        ("T", 11, "劉禅", "黄皓"), ("T", 45, "曹操", "荀彧"), ("T", 38, "袁紹", "郭図")]),
    ("滅亡と盟主の継承", [
        ("T", 60, "董卓", ""), ("T", 59, "袁術", None)]),
]


def render_stories(directory):
    path = os.path.join(directory, "Text.ini")
    lines, _ = load(path)
    for title, steps in STORIES:
        print("=== %s" % title)
        out = ""
        for step in steps:
            if step[0] == "T":
                pages = read_section(lines, step[1], STALE if step[2] is None else step[2],
                                     STALE if step[3] is None else step[3])
                out += "\n/ (next page)\n".join(pages)
            elif step[0] == "A":
                out += step[1]
            else:
                out += "\n----- (next page) -----\n"
        print(out.replace(CRLF, "\n"))


def main(argv):
    args = [a for a in argv if not a.startswith("--")]
    here = os.path.dirname(os.path.abspath(__file__))
    directory = args[0] if args else os.path.join(here, "..", "..", "data", "ini")
    if "--render" in argv:
        render_dir(directory)
        render_stories(directory)
    problems = check_dir(directory)
    for p in problems:
        print(p)
    if not problems:
        print("texts_check: no problems in %s" % os.path.normpath(directory))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
