#!/usr/bin/env bash
# The slowest hint over the shipped levels: times `rivet-solve --hint` (CPU
# seconds of its one thread) on each level's start and on the board after
# every EVERY moves of its shortest solution, prints each level's slowest
# board and, last, the slowest of all.
# usage: tools/solve/worst_hint.sh [RUN_DIR [EVERY]]   (default: build/run, 1)
set -euo pipefail
run=${1:-build/run}
every=${2:-1}
cd "$run"
worst=0
worstBoard=""
for n in $(seq 1 45); do
  moves=$(./rivet-solve "$n" | sed -n 's/^level [0-9]*: solved in [0-9]* moves: //p')
  if [ -z "$moves" ]; then
    echo "level $n: no solution found" >&2
    exit 1
  fi
  levelWorst=0
  levelBoard=""
  for ((k = 0; k < ${#moves}; k += every)); do
    seconds=$({ /usr/bin/time -f %U ./rivet-solve --hint "${moves:0:k}" "$n" >/dev/null; } 2>&1)
    if awk -v a="$seconds" -v b="$levelWorst" 'BEGIN { exit !(a > b) }'; then
      levelWorst=$seconds
      levelBoard="--hint '${moves:0:k}' $n"
    fi
  done
  echo "level $n: slowest hint ${levelWorst} s after moves ($levelBoard)"
  if awk -v a="$levelWorst" -v b="$worst" 'BEGIN { exit !(a > b) }'; then
    worst=$levelWorst
    worstBoard=$levelBoard
  fi
done
echo "slowest hint over all levels: ${worst} s: rivet-solve $worstBoard"
