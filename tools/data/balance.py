#!/usr/bin/env python3
"""Plays many seeded all-computer games per scenario with velkaro-sim and prints, per scenario,
how often each faction finishes first, how many different factions win, how many factions stand
at the end (mean and median) and how often each faction is destroyed.

    python3 tools/data/balance.py --sim build/release/velkaro-sim --scenario 1,2,3 --games 300
    python3 tools/data/balance.py --sim build/release/velkaro-sim --games 300 --json before.json

Seeds run from --first-seed (1) to --first-seed + --games - 1, so two runs with the same
numbers play the same games on the same data.
"""
import argparse
import json
import shutil
import subprocess
import sys
import tempfile


def play(sim, scenario, first_seed, games, jobs):
    folder = tempfile.mkdtemp(prefix="velkaro-balance-")
    try:
        out = subprocess.run(["nice", sim, "--dir", folder, "--scenario", str(scenario),
                              "--seed", str(first_seed), "--games", str(games),
                              "--jobs", str(jobs), "--stats"],
                             capture_output=True, text=True, check=True).stdout
        return json.loads(out.strip().splitlines()[-1])
    finally:
        shutil.rmtree(folder, ignore_errors=True)


def summary(scenario, stats):
    games = stats["games"]
    factions = sorted(stats["factions"], key=lambda f: -f["first"])
    return {
        "scenario": scenario, "games": games, "failed": stats["failed"],
        "top": factions[0]["name"], "top_share": round(100 * factions[0]["first"] / games, 1),
        "winners": sum(1 for f in factions if f["first"] > 0),
        "alive_mean": round(stats["alive_mean"], 2), "alive_median": stats["alive_median"],
        "firsts": [[f["name"], f["first"]] for f in factions],
        "destroyed": [[f["name"], f["destroyed"]] for f in stats["factions"]],
        "mean_score": [[f["name"], round(f["mean_score"])] for f in stats["factions"]],
    }


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--sim", required=True)
    ap.add_argument("--scenario", default="1,2,3,4,5,6", help="comma-separated scenario numbers")
    ap.add_argument("--games", type=int, default=300)
    ap.add_argument("--first-seed", type=int, default=1)
    ap.add_argument("--jobs", type=int, default=2)
    ap.add_argument("--json", help="also write the summaries to this file")
    args = ap.parse_args()
    rows = []
    print("| scenario | top faction | first % | winners | standing mean | standing median |")
    print("|---|---|---|---|---|---|")
    for scenario in [int(s) for s in args.scenario.split(",")]:
        row = summary(scenario, play(args.sim, scenario, args.first_seed, args.games, args.jobs))
        rows.append(row)
        print("| %d | %s | %.1f | %d | %.2f | %s |" % (scenario, row["top"], row["top_share"], row["winners"],
                                                     row["alive_mean"], row["alive_median"]))
        print("  firsts: " + " ".join("%s %d" % (n, c) for n, c in row["firsts"] if c), file=sys.stderr)
        print("  destroyed: " + " ".join("%s %d" % (n, c) for n, c in row["destroyed"]), file=sys.stderr)
        print("  score: " + " ".join("%s %d" % (n, c) for n, c in row["mean_score"]), file=sys.stderr)
        sys.stdout.flush()
        if row["failed"]:
            print("  %d games failed" % row["failed"], file=sys.stderr)
    if args.json:
        with open(args.json, "w", encoding="utf-8") as out:
            json.dump(rows, out, ensure_ascii=False, indent=1)


if __name__ == "__main__":
    main()
