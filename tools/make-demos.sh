#!/usr/bin/env bash
# Writes the demo file of every catalogue game the solver can win within a
# small budget: the first of a fixed list of deals that it wins is played out
# and saved as Demos/G####.GAM. Usage: make-demos.sh CLI PROGRAM_DIR
set -euo pipefail
cli=$1
dir=$2
export DEMO_BUDGET=${DEMO_BUDGET:-5000}
mkdir -p "$dir/Demos"

record() {
  local cli=$1 dir=$2 number=$3 file deal
  file=$(printf '%s/Demos/G%04d.GAM' "$dir" "$number")
  rm -f "$file"
  for deal in 4831926750418 7770001135980 2718281828459 1234567890123; do
    if "$cli" --program-dir "$dir" solve "$number" "$deal" --budget "$DEMO_BUDGET" --demo "$file" >/dev/null 2>&1; then
      echo "game $number: demo from deal $deal"
      return 0
    fi
  done
  echo "game $number: no win found, no demo"
}
export -f record

"$cli" --program-dir "$dir" games | cut -d' ' -f1 |
  xargs -P "$(nproc)" -I{} bash -c 'record "$0" "$1" "$2"' "$cli" "$dir" {} | sort -n -k2
