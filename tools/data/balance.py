#!/usr/bin/env python3
"""Plays many seeded all-computer games of one scenario with velkaro-sim and prints how often
each faction finishes first and how many factions stand at the end (median).

    python3 tools/data/balance.py --sim build/release/velkaro-sim --scenario 1 --games 100
"""
import argparse
import collections
import json
import shutil
import statistics
import subprocess
import tempfile


def one_game(sim, scenario, seed):
    folder = tempfile.mkdtemp(prefix="velkaro-balance-")
    try:
        out = subprocess.run([sim, "--dir", folder, "--scenario", str(scenario), "--seed", str(seed)],
                             capture_output=True, text=True, check=True).stdout
        return json.loads(out.strip().splitlines()[-1])
    finally:
        shutil.rmtree(folder, ignore_errors=True)


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--sim", required=True)
    ap.add_argument("--scenario", type=int, required=True)
    ap.add_argument("--games", type=int, default=100)
    ap.add_argument("--first-seed", type=int, default=1)
    args = ap.parse_args()
    firsts = collections.Counter()
    standing = []
    for seed in range(args.first_seed, args.first_seed + args.games):
        game = one_game(args.sim, args.scenario, seed)
        scores = game["scores"]
        best = max(scores, key=lambda s: s["score"])
        firsts[best["name"]] += 1
        standing.append(sum(1 for s in scores if not s["destroyed"]))
    top = firsts.most_common()
    print(json.dumps({
        "scenario": args.scenario, "games": args.games,
        "top": [[name, round(100 * n / args.games, 1)] for name, n in top],
        "winners": len(top),
        "median_standing": statistics.median(standing),
        "factions": len(scores),
    }, ensure_ascii=False))


if __name__ == "__main__":
    main()
