#!/usr/bin/env bash
# A long fuzzing run: each target for RUNS executions (default 10 million) on short inputs
# (seeds cut by fuzz_seeds.py, inputs up to 1 KB). Prints executions, time and findings per target.
# Usage: scripts/fuzz-long.sh [RUNS] [TARGET ...]
set -euo pipefail
repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
runs="${1:-10000000}"
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(ItemReader SlotFile TemplateReader LogReader StateFiles CommentReader HistoryRecord)
cd "$repo"
cmake --preset fuzz >/dev/null
cmake --build build/fuzz -j"$(nproc)" --target velkaro_fuzz velkaro_data
work=build/fuzz/long
python3 scripts/fuzz_seeds.py "$repo" build/fuzz/shipped/ini "$work/seeds"
mkdir -p "$work/findings"
for target in "${targets[@]}"; do
  mkdir -p "$work/corpus/$target"
  cp -n "$work/seeds/$target/"* "$work/corpus/$target/"
  start=$(date +%s)
  rc=0
  build/fuzz/fuzz/fuzz-"$target" -runs="$runs" -max_len=1024 -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix="$work/findings/$target-" -print_final_stats=1 "$work/corpus/$target" \
    > "$work/$target.log" 2>&1 || rc=$?
  echo "$target: rc $rc, $(( $(date +%s) - start )) s, $(grep -E '^stat::number_of_executed_units' "$work/$target.log")"
done
