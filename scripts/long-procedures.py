#!/usr/bin/env python3
"""Lists the function bodies longer than a limit in the C++ sources (brace counting, after blanking
comments and string literals; good enough for this code base).

    scripts/long-procedures.py [LIMIT] [FOLDER...]      # defaults: 60, src tools
"""
import pathlib
import re
import sys

limit = int(sys.argv[1]) if len(sys.argv) > 1 else 60
roots = sys.argv[2:] or ["src", "tools"]


def blank(match):
    return re.sub(r"[^\n]", " ", match.group())


def strip(text):
    """Comments, raw strings, strings and character literals become blanks (line count kept)."""
    text = re.sub(r"/\*.*?\*/", blank, text, flags=re.S)
    text = re.sub(r"//[^\n]*", blank, text)
    text = re.sub(r'R"\((.*?)\)"', blank, text, flags=re.S)
    text = re.sub(r'"(\\.|[^"\\\n])*"', blank, text)
    return re.sub(r"'(\\.|[^'\\\n])*'", blank, text)


# A function body opens after ")" (with qualifiers, a trailing return type or an initializer list).
OPENS_BODY = re.compile(r"\)\s*(const)?\s*(noexcept)?\s*(override)?\s*(->\s*[\w:<>]+)?\s*(:[^;{}]*)?$")
OPENS_TYPE = re.compile(r"\b(namespace|struct|class|enum)\b[^;{}()]*$")

found = []
for root in roots:
    for path in sorted(pathlib.Path(root).rglob("*.cpp")):
        lines = strip(path.read_text(encoding="utf-8")).split("\n")
        depth = 0
        start = None
        start_depth = 0
        for i, line in enumerate(lines):
            for column, ch in enumerate(line):
                if ch == "{":
                    if start is None:
                        before = re.sub(r"\s+", " ", "\n".join(lines[max(0, i - 3):i] + [line[:column]])).rstrip()
                        if OPENS_BODY.search(before) and not OPENS_TYPE.search(before):
                            start, start_depth = i, depth
                    depth += 1
                elif ch == "}":
                    depth -= 1
                    if start is not None and depth == start_depth:
                        length = i - start + 1
                        if length > limit:
                            head = re.sub(r"\s+", " ", "\n".join(lines[max(0, start - 2):start + 1]))
                            names = re.findall(r"([\w:~]+)\s*\(", head)
                            found.append((length, f"{path}:{start + 1}", names[0] if names else head.strip()[:60]))
                        start = None
for length, where, name in found:
    print(f"{length:4d} {where} {name}")
sys.exit(0)
