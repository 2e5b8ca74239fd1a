#!/usr/bin/env python3
"""Prints a game's history record (ini/suiisv.ini, which the game and velkaro-sim keep in the
game folder) as a table: one line per year, one column per faction, for one figure.

    python3 tools/data/history.py GAME/ini/suiisv.ini --figure score
    python3 tools/data/history.py GAME/ini/suiisv.ini --figure troops --csv > troops.csv

A faction's cells stay empty from the year after it fell. A player's faction is marked with *.
"""
import argparse
import csv
import sys

FIGURES = {"troops": 3, "fame": 4, "score": 5}
HEADING = "勢力推移"


def read(path):
    """The rows (year, faction, name, troops, fame, score, player) of a record; exits naming the line."""
    with open(path, "rb") as f:
        lines = f.read().decode("cp932").split("\r\n")
    if not lines or lines[0] != HEADING:
        sys.exit(f"{path}: 1行目が「{HEADING}」ではありません")
    rows = []
    for number, line in enumerate(lines[1:], start=2):
        if not line.strip():
            continue
        items = next(csv.reader([line]))
        if len(items) != 7:
            sys.exit(f"{path}: {number}行目の項目が7つではありません")
        try:
            year, faction, troops, fame = (int(items[i]) for i in (0, 1, 3, 4))
            rows.append((year, faction, items[2], troops, fame, float(items[5]), items[6] == "1"))
        except ValueError:
            sys.exit(f"{path}: {number}行目に数値でない項目があります")
    return rows


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("record")
    ap.add_argument("--figure", choices=sorted(FIGURES), default="score")
    ap.add_argument("--csv", action="store_true", help="comma-separated instead of aligned columns")
    args = ap.parse_args()
    rows = read(args.record)
    names, players, table = {}, set(), {}
    for row in rows:
        names[row[1]] = row[2]
        if row[6]:
            players.add(row[1])
        table.setdefault(row[0], {})[row[1]] = row[FIGURES[args.figure]]
    factions = sorted(names)
    heading = ["年"] + [names[f] + ("*" if f in players else "") for f in factions]
    lines = [[str(year)] + [("%g" % table[year][f]) if f in table[year] else "" for f in factions]
             for year in sorted(table)]
    if args.csv:
        out = csv.writer(sys.stdout, lineterminator="\n")
        out.writerow(heading)
        out.writerows(lines)
        return
    width = max(len(h) for h in heading) + 2
    for line in [heading] + lines:
        print("".join(cell.rjust(width) for cell in line))


if __name__ == "__main__":
    main()
