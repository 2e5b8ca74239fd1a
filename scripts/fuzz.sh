#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, ASan + UBSan) and runs each for a fixed time, seeded
# from the shipped data. Usage: scripts/fuzz.sh [SECONDS per target, default 20] [TARGET ...]
# A crash stops the script with the target's name; the crashing input is left in build/fuzz/findings.
set -euo pipefail
repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
seconds="${1:-20}"
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(ItemReader StateFiles TemplateReader CommentReader SlotFile LogReader HistoryRecord)
cd "$repo"
cmake --preset fuzz >/dev/null
cmake --build build/fuzz -j"$(nproc)" --target velkaro_fuzz velkaro_data
shipped=build/fuzz/shipped/ini

# The seeds of each target: the shipped files it reads, plus what a running game writes.
seeds() {
  case "$1" in
    ItemReader|StateFiles) echo "$shipped"/Bushou*.ini "$shipped"/Gunbatu*.ini "$repo"/fuzz/seeds/StateFiles/* ;;
    TemplateReader) echo "$shipped"/Text.ini "$shipped"/Command.ini ;;
    CommentReader) echo "$shipped"/Comment.ini ;;
    SlotFile|LogReader|HistoryRecord) echo "$repo"/fuzz/seeds/"$1"/* ;;
  esac
}

mkdir -p build/fuzz/findings
for target in "${targets[@]}"; do
  corpus="build/fuzz/corpus/$target"
  mkdir -p "$corpus"
  # shellcheck disable=SC2046
  cp -n $(seeds "$target") "$corpus"/ 2>/dev/null || true
  echo "fuzz-$target: ${seconds} s"
  if ! build/fuzz/fuzz/fuzz-"$target" -max_total_time="$seconds" -max_len=65536 -timeout=10 -rss_limit_mb=2048 \
       -artifact_prefix="build/fuzz/findings/$target-" -print_final_stats=1 "$corpus" \
       2> "build/fuzz/findings/$target.log"; then
    tail -40 "build/fuzz/findings/$target.log" >&2
    echo "fuzz-$target found a fault; the input is in build/fuzz/findings/" >&2
    exit 1
  fi
  grep -E '^stat::number_of_executed_units|^#[0-9]+ *DONE' "build/fuzz/findings/$target.log" | tail -2
done
