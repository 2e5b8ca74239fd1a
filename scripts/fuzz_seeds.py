#!/usr/bin/env python3
"""Cuts the fuzz seeds into pieces of about 900 bytes at line ends, one folder per target, so that
a long fuzzing run works on short inputs (ten times more executions than on whole files).
Usage: fuzz_seeds.py REPO SHIPPED_INI OUT"""
import os
import sys


def pieces(data, size=900):
    out, cur = [], b""
    for line in data.split(b"\r\n"):
        if cur and len(cur) + len(line) + 2 > size:
            out.append(cur)
            cur = b""
        cur += line + b"\r\n"
    return out + ([cur] if cur else [])


def main():
    repo, shipped, out = sys.argv[1:4]
    def read(*p):
        return open(os.path.join(*p), "rb").read()
    def put(target, name, data):
        os.makedirs(os.path.join(out, target), exist_ok=True)
        open(os.path.join(out, target, name), "wb").write(data)
    state = os.path.join(repo, "fuzz/seeds/StateFiles")
    for target in ("ItemReader", "StateFiles"):
        for f in ("Bushou.ini", "Bushou1.ini", "Gunbatu.ini", "Gunbatu1.ini"):
            for i, c in enumerate(pieces(read(shipped, f))[:12]):
                put(target, f"{f}.{i}", c)
        for f in os.listdir(state):
            for i, c in enumerate(pieces(read(state, f))[:6]):
                put(target, f"{f}.{i}", c)
    for f in ("Text.ini", "Command.ini"):
        for i, c in enumerate(pieces(read(shipped, f))):
            put("TemplateReader", f"{f}.{i}", c)
    for i, c in enumerate(pieces(read(shipped, "Comment.ini"))[:30]):
        put("CommentReader", f"Comment.ini.{i}", c)
    for i, c in enumerate(pieces(read(repo, "fuzz/seeds/LogReader/velkaro.log"))):
        put("LogReader", f"velkaro.log.{i}", c)
    put("SlotFile", "save1.ini", read(repo, "fuzz/seeds/SlotFile/save1.ini"))
    # Only the first piece of a record has its heading line, so each piece gets one.
    record = read(repo, "fuzz/seeds/HistoryRecord/suiisv.ini")
    heading, _, rows = record.partition(b"\r\n")
    for i, c in enumerate(pieces(rows)):
        put("HistoryRecord", f"suiisv.ini.{i}", heading + b"\r\n" + c)


if __name__ == "__main__":
    main()
