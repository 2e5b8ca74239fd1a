#!/usr/bin/env python3
"""Plays the same seeded games with the native velkaro-sim and with the WebAssembly one under node
and requires the same bytes from both: the JSON line of every run and every file of ini/ and
save/ after it. The first difference fails the run, naming the file and the line.

  same_bytes.py --native build/ci/velkaro-sim --wasm build/wasm/velkaro-sim.js --work DIR [--node node]
"""
import argparse
import os
import shutil
import subprocess
import sys

# Each game: its folder and the runs played in it, one after another.
GAMES = [("scenario-%d" % n, [["--scenario", str(n), "--seed", "7"]]) for n in range(1, 7)] + [
    ("saved", [["--scenario", "1", "--seed", "1", "--until-year", "200", "--save", "3"],
               ["--scenario", "1", "--seed", "1", "--load", "3"]]),
]

# A spare is the previous version of a running-game file, kept only where two names can be
# swapped (Linux); elsewhere the new file is renamed over the old one. It is no part of the game.
SCRATCH_SUFFIX = ".spare~"


def play(command, folder, args):
    run = subprocess.run(command + ["--dir", folder] + args, stdout=subprocess.PIPE,
                         stderr=subprocess.PIPE, timeout=600)
    if run.returncode != 0:
        raise SystemExit("FAIL: %s %s exited with %d\n%s" % (" ".join(command), " ".join(args),
                                                          run.returncode, run.stderr.decode(errors="replace")))
    return run.stdout


def files_of(folder):
    found = {}
    for sub in ("ini", "save"):
        root = os.path.join(folder, sub)
        for dirpath, _, names in os.walk(root):
            for name in names:
                if name.endswith(SCRATCH_SUFFIX):
                    continue
                path = os.path.join(dirpath, name)
                found[os.path.relpath(path, folder)] = path
    return found


def first_difference(a, b):
    """The 1-based line at which two byte strings part, with both versions of that line."""
    lines_a, lines_b = a.split(b"\n"), b.split(b"\n")
    for i in range(max(len(lines_a), len(lines_b))):
        left = lines_a[i] if i < len(lines_a) else b"<end of file>"
        right = lines_b[i] if i < len(lines_b) else b"<end of file>"
        if left != right:
            return i + 1, left, right
    return None


def shown(line):
    return line.decode("cp932", errors="backslashreplace").rstrip("\r")


def compare(what, native, wasm):
    """An empty list when equal, else the lines that describe the first difference."""
    if native == wasm:
        return []
    line, left, right = first_difference(native, wasm)
    return ["FAIL: %s differs at line %d" % (what, line), "  native: " + shown(left), "  wasm:   " + shown(right)]


def compare_folders(game, native_dir, wasm_dir):
    native_files, wasm_files = files_of(native_dir), files_of(wasm_dir)
    for name in sorted(set(native_files) | set(wasm_files)):
        if name not in wasm_files or name not in native_files:
            side = "wasm" if name not in wasm_files else "native"
            return ["FAIL: %s/%s is missing in the %s game" % (game, name, side)]
        with open(native_files[name], "rb") as f:
            native = f.read()
        with open(wasm_files[name], "rb") as f:
            wasm = f.read()
        problem = compare("%s/%s" % (game, name), native, wasm)
        if problem:
            return problem
    return []


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--native", required=True)
    parser.add_argument("--wasm", required=True)
    parser.add_argument("--node", default="node")
    parser.add_argument("--work", required=True)
    options = parser.parse_args()
    if not os.path.isfile(options.wasm):
        print("FAIL: %s is missing; build it first: cmake --preset wasm && cmake --build build/wasm" % options.wasm)
        return 1
    shutil.rmtree(options.work, ignore_errors=True)
    sides = {"native": [options.native], "wasm": [options.node, options.wasm]}
    compared = 0
    for game, runs in GAMES:
        folders = {side: os.path.join(options.work, side, game) for side in sides}
        for step, args in enumerate(runs):
            lines = {side: play(command, folders[side], args) for side, command in sides.items()}
            problem = compare("%s: the JSON line of run %d" % (game, step + 1), lines["native"], lines["wasm"])
            problem = problem or compare_folders(game, folders["native"], folders["wasm"])
            if problem:
                print("\n".join(problem))
                return 1
            compared += len(files_of(folders["native"]))
        print("same bytes: %s (%d run%s)" % (game, len(runs), "s" if len(runs) > 1 else ""))
    print("all %d games gave the same bytes natively and under node (%d file comparisons)" % (len(GAMES), compared))
    return 0


if __name__ == "__main__":
    sys.exit(main())
