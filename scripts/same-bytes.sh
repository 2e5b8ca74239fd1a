#!/usr/bin/env bash
# Plays the same seeded games with two builds of velkaro-sim and compares every file of ini/ and
# save/ and the JSON line byte for byte: a change meant to leave the game alone must pass.
#   scripts/same-bytes.sh OLD_SIM NEW_SIM [WORK_DIR]
# Games: scenario 1 seed 1; scenarios 1-6 seed 7; scenario 1 seed 7 saved in slot 3 at 200 and
# then loaded from it. Prints the first differing file and line; exit status 1 on any difference.
# The spares (*.spare~) are scratch and left out: a rewrite of unchanged bytes is not made.
set -euo pipefail
old=${1:?old velkaro-sim}
new=${2:?new velkaro-sim}
work=${3:-$(mktemp -d)}
rm -rf "$work/old" "$work/new"
mkdir -p "$work/old" "$work/new"

games=("1 1" "1 7" "2 7" "3 7" "4 7" "5 7" "6 7")
failed=0

play() {  # build tag game-name args...
  local sim=$1 tag=$2 name=$3
  shift 3
  "$sim" --dir "$work/$tag/$name" "$@" >"$work/$tag/$name.json"
}

gameFiles() {  # folder: its files of ini/ and save/, the spares left out
  (cd "$1" && find ini save -type f ! -name '*.spare~' | sort)
}

compare() {  # game-name
  local name=$1
  if ! cmp -s "$work/old/$name.json" "$work/new/$name.json"; then
    echo "$name: the JSON lines differ"
    failed=1
  fi
  local file
  while IFS= read -r file; do
    if [[ ! -f "$work/new/$name/$file" ]]; then
      echo "$name: $file is missing from the new build's game"
      failed=1
    elif ! cmp -s "$work/old/$name/$file" "$work/new/$name/$file"; then
      local line
      line=$(cmp "$work/old/$name/$file" "$work/new/$name/$file" | sed -n 's/.* line \([0-9]*\)$/\1/p' || true)
      echo "$name: $file differs (first at line $line)"
      failed=1
    fi
  done < <(gameFiles "$work/old/$name")
  local extra
  extra=$(comm -13 <(gameFiles "$work/old/$name") <(gameFiles "$work/new/$name"))
  if [[ -n $extra ]]; then
    echo "$name: only the new build wrote: $extra"
    failed=1
  fi
}

for game in "${games[@]}"; do
  read -r scenario seed <<<"$game"
  name="s${scenario}-seed${seed}"
  for tag in old new; do
    sim=$old
    [[ $tag == new ]] && sim=$new
    play "$sim" "$tag" "$name" --scenario "$scenario" --seed "$seed"
  done
  compare "$name"
done

# A save at year 200, then a load of that slot in the same folder.
for tag in old new; do
  sim=$old
  [[ $tag == new ]] && sim=$new
  play "$sim" "$tag" saved --scenario 1 --seed 7 --until-year 200 --save 3
  "$sim" --dir "$work/$tag/saved" --scenario 1 --seed 7 --load 3 >"$work/$tag/loaded.json"
done
compare saved
if ! cmp -s "$work/old/loaded.json" "$work/new/loaded.json"; then
  echo "loaded: the JSON lines differ"
  failed=1
fi

if [[ $failed == 0 ]]; then
  echo "same bytes: ${#games[@]} games and a save and load, every file of ini/ and save/ alike"
fi
exit $failed
