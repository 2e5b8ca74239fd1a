#!/usr/bin/env python3
"""Validate data/people/people.tsv, the registry of historical persons.

Usage:
    check_people.py [PATH]        check a file (default: the registry)
    check_people.py --selftest    check that known faults are caught

Exit status 0 when the file is sound, 1 when a fault was found.
"""

import os
import re
import shutil
import subprocess
import sys
import tempfile

HEADER = ["commentID", "name", "portrait", "policy", "fight", "wisdom",
          "tactics", "charm", "Setu", "job", "s189", "s195", "note"]
STATS = ["policy", "fight", "wisdom", "tactics", "charm", "Setu"]
YEARS = {"s189": 189, "s195": 195}
RULER, FREE, ABSENT = "自立", "在野", "-"
JOB_RULER = 5
FICTIONAL_ID = 200            # reserved for fictional officers
ACTIVE_RANGE = (150, 175)     # persons not "-" per year
MIN_FREE = 25                 # persons "在野" per year
MAX_HIGH_SHARE = 0.40         # share of values >= 8 allowed per stat
MIN_AGE_ACTIVE = 14           # youngest age at which someone can serve

NOTE_RE = re.compile(r"^(\?|\d{2,3}\??)-(\?|\d{2,3}\??) (\S.*)$")
PORTRAIT_RE = re.compile(r"^[a-z]+[0-9]*$")
FORBIDDEN_CHARS = [",", '"', "、", "\r", "\u3000"]

DEFAULT_PATH = os.path.join(os.path.dirname(os.path.abspath(__file__)),
                            "..", "..", "data", "people", "people.tsv")


def parse_year(text):
    """Return (year, approximate) or (None, True) for '?'."""
    if text == "?":
        return None, True
    approx = text.endswith("?")
    return int(text.rstrip("?")), approx


def check(path, quiet=False):
    """Return (errors, info_lines) for the file at path."""
    errors = []
    info = []
    err = errors.append

    try:
        raw = open(path, "rb").read()
    except OSError as e:
        return ["cannot read %s: %s" % (path, e)], info
    if raw.startswith(b"\xef\xbb\xbf"):
        err("file starts with a BOM")
    if b"\r" in raw:
        err("file contains CR characters (LF line ends required)")
    if not raw.endswith(b"\n"):
        err("file does not end with a line feed")
    try:
        text = raw.decode("utf-8")
    except UnicodeDecodeError as e:
        return errors + ["not valid UTF-8: %s" % e], info

    # CP932 encodability, line by line for a useful message.
    for no, line in enumerate(text.split("\n"), 1):
        try:
            line.encode("cp932")
        except UnicodeEncodeError as e:
            err("line %d: %r is not representable in CP932"
                % (no, line[e.start:e.end]))
    iconv = shutil.which("iconv")
    if iconv:
        r = subprocess.run([iconv, "-f", "UTF-8", "-t", "CP932", path],
                           stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
        if r.returncode != 0:
            err("iconv to CP932 failed: %s"
                % r.stderr.decode(errors="replace").strip())

    lines = text.split("\n")
    if lines and lines[-1] == "":
        lines.pop()
    if not lines:
        return errors + ["file is empty"], info
    if lines[0].split("\t") != HEADER:
        err("header is %r, expected %r" % (lines[0], "\t".join(HEADER)))

    rows = []
    for no, line in enumerate(lines[1:], 2):
        cols = line.split("\t")
        if len(cols) != len(HEADER):
            err("line %d: %d columns, expected %d"
                % (no, len(cols), len(HEADER)))
            continue
        row = dict(zip(HEADER, cols))
        row["_line"] = no
        for key, value in row.items():
            if key == "_line":
                continue
            if value == "" or value != value.strip():
                err("line %d: column %s is empty or padded" % (no, key))
            for ch in FORBIDDEN_CHARS:
                if ch in value:
                    err("line %d: column %s contains %r" % (no, key, ch))
        rows.append(row)

    # Identity columns.
    seen = {"commentID": {}, "name": {}, "portrait": {}}
    for row in rows:
        no = row["_line"]
        cid = row["commentID"]
        if not re.fullmatch(r"[1-9][0-9]{0,2}", cid):
            err("line %d: commentID %r is not an integer 1..999" % (no, cid))
        elif int(cid) == FICTIONAL_ID:
            err("line %d: commentID 200 is reserved for fictional officers"
                % no)
        if not PORTRAIT_RE.match(row["portrait"]):
            err("line %d: portrait %r is not lower-case ASCII"
                % (no, row["portrait"]))
        if re.search(r"[\sA-Za-z0-9]", row["name"]):
            err("line %d: name %r contains spaces, latin letters or digits"
                % (no, row["name"]))
        for key in seen:
            value = row[key]
            if value in seen[key]:
                err("line %d: %s %r already used on line %d"
                    % (no, key, value, seen[key][value]))
            else:
                seen[key][value] = no

    # Numbers.
    for row in rows:
        no = row["_line"]
        for key in STATS:
            v = row[key]
            if not re.fullmatch(r"[0-9]+", v) or not 1 <= int(v) <= 10:
                err("line %d: %s %r not in 1..10" % (no, key, v))
        if not re.fullmatch(r"[1-6]", row["job"]):
            err("line %d: job %r not in 1..6" % (no, row["job"]))

    # Notes and life years.
    for row in rows:
        no = row["_line"]
        m = NOTE_RE.match(row["note"])
        if not m:
            err("line %d: note %r does not start with life years like "
                "'155-220 ' followed by a phrase" % (no, row["note"]))
            row["_birth"] = row["_death"] = (None, True)
            continue
        row["_birth"] = parse_year(m.group(1))
        row["_death"] = parse_year(m.group(2))
        b, d = row["_birth"][0], row["_death"][0]
        if b is not None and d is not None and d < b:
            err("line %d: death year before birth year" % no)

    # Affiliations.
    by_name = {row["name"]: row for row in rows}
    for row in rows:
        no = row["_line"]
        for col, year in YEARS.items():
            v = row[col]
            if v == RULER:
                if row["job"] != str(JOB_RULER):
                    err("line %d: %s is %s in %s but job is %s, not %d"
                        % (no, row["name"], RULER, year, row["job"],
                           JOB_RULER))
            elif v in (FREE, ABSENT):
                pass
            elif v not in by_name:
                err("line %d: %s serves %r in %s, who is not in the registry"
                    % (no, row["name"], v, year))
            elif by_name[v][col] != RULER:
                err("line %d: %s serves %s in %s, who is not %s that year"
                    % (no, row["name"], v, year, RULER))
            if v == row["name"]:
                err("line %d: %s serves himself in %s" % (no, v, year))
            if v != ABSENT:
                birth, b_approx = row["_birth"]
                death, d_approx = row["_death"]
                slack = 2 if b_approx else 0
                if birth is not None and year - birth + slack < MIN_AGE_ACTIVE:
                    err("line %d: %s is active in %d but born %d"
                        % (no, row["name"], year, birth))
                slack = 1 if d_approx else 0
                if death is not None and death + slack < year:
                    err("line %d: %s is active in %d but died %d"
                        % (no, row["name"], year, death))

    # Counts per year.
    for col, year in YEARS.items():
        active = [r for r in rows if r[col] != ABSENT]
        free = [r for r in active if r[col] == FREE]
        rulers = [r["name"] for r in active if r[col] == RULER]
        lo, hi = ACTIVE_RANGE
        if not lo <= len(active) <= hi:
            err("%d: %d persons active, expected %d..%d"
                % (year, len(active), lo, hi))
        if len(free) < MIN_FREE:
            err("%d: only %d persons %s, expected at least %d"
                % (year, len(free), FREE, MIN_FREE))
        info.append("%d: active %d, %s %d, rulers %d: %s"
                    % (year, len(active), FREE, len(free), len(rulers),
                       " ".join(rulers)))

    # Spread of the abilities.
    if rows:
        for key in STATS:
            values = [int(r[key]) for r in rows
                      if re.fullmatch(r"[0-9]+", r[key])]
            high = sum(1 for v in values if v >= 8)
            if values and high / len(values) > MAX_HIGH_SHARE:
                err("%s: %d of %d values are 8 or more; spread them"
                    % (key, high, len(values)))
    info.insert(0, "rows %d" % len(rows))
    return errors, info


def run(path):
    errors, info = check(path)
    for line in info:
        print(line)
    for e in errors:
        print("ERROR: " + e)
    print("OK" if not errors else "FAILED: %d error(s)" % len(errors))
    return 0 if not errors else 1


def selftest():
    """Break a copy of the registry in known ways; each must be caught."""
    base = open(DEFAULT_PATH, encoding="utf-8").read()
    lines = base.split("\n")
    head, body = lines[0], [l for l in lines[1:] if l]
    cols = [l.split("\t") for l in body]
    idx = {c[1]: i for i, c in enumerate(cols)}

    def edit(name, col, value):
        def f(rows):
            rows[idx[name]][HEADER.index(col)] = value
        return f

    def dup(col):
        def f(rows):
            rows[1][HEADER.index(col)] = rows[0][HEADER.index(col)]
        return f

    cases = [
        ("duplicate id", dup("commentID"), "commentID"),
        ("duplicate name", dup("name"), "name"),
        ("duplicate portrait", dup("portrait"), "portrait"),
        ("id 200", edit("曹操", "commentID", "200"), "reserved"),
        ("stat 0", edit("曹操", "fight", "0"), "not in 1..10"),
        ("stat 11", edit("曹操", "Setu", "11"), "not in 1..10"),
        ("job 7", edit("曹操", "job", "7"), "job"),
        ("unknown ruler", edit("夏侯惇", "s189", "何某"), "not in the registry"),
        ("ruler not ruling", edit("夏侯惇", "s195", "夏侯淵"),
         "who is not 自立"),
        ("ruler without job 5", edit("曹操", "job", "4"), "job is 4"),
        ("dead but active", edit("衛茲", "s195", "曹操"), "but died"),
        ("child active", edit("曹丕", "s195", "曹操"), "but born"),
        ("not CP932", edit("夏侯惇", "name", "龐統"), "CP932"),
        ("comma", edit("夏侯惇", "note", "?-220 甲,乙"), "contains"),
        ("bad note", edit("夏侯惇", "note", "重臣"), "life years"),
        ("bad portrait", edit("夏侯惇", "portrait", "Kakou"), "portrait"),
        ("no free persons", lambda rows: [r.__setitem__(10, "-")
                                          for r in rows if r[10] == FREE],
         "persons 在野"),
        ("short row", lambda rows: rows[0].pop(), "columns"),
    ]
    tmp = tempfile.mkdtemp()
    failed = 0
    try:
        ok_errors, _ = check(DEFAULT_PATH)
        if ok_errors:
            print("selftest: the registry itself has errors; fix them first")
            return 1
        for label, mutate, expect in cases:
            rows = [list(c) for c in cols]
            mutate(rows)
            p = os.path.join(tmp, "people.tsv")
            with open(p, "w", encoding="utf-8", newline="\n") as fh:
                fh.write(head + "\n" + "\n".join("\t".join(r) for r in rows)
                         + "\n")
            errors, _ = check(p)
            hit = [e for e in errors if expect in e]
            print("%-22s %s" % (label, "caught" if hit else "MISSED"))
            if not hit:
                failed += 1
                for e in errors:
                    print("    got: " + e)
        # CR line ends.
        p = os.path.join(tmp, "crlf.tsv")
        with open(p, "wb") as fh:
            fh.write(base.replace("\n", "\r\n").encode("utf-8"))
        errors, _ = check(p)
        caught = any("CR" in e for e in errors)
        print("%-22s %s" % ("CRLF line ends", "caught" if caught else "MISSED"))
        failed += 0 if caught else 1
    finally:
        shutil.rmtree(tmp)
    print("selftest OK" if not failed else "selftest FAILED: %d" % failed)
    return 0 if not failed else 1


def main(argv):
    if len(argv) > 1 and argv[1] == "--selftest":
        return selftest()
    return run(argv[1] if len(argv) > 1 else DEFAULT_PATH)


if __name__ == "__main__":
    sys.exit(main(sys.argv))
