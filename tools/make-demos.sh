#!/usr/bin/env bash
# Writes the demo file of every catalogue game the solver can win within a
# small budget: the first of a fixed list of deals that it wins is played out
# and saved as Demos/G####.GAM. Usage: make-demos.sh CLI PROGRAM_DIR
set -euo pipefail
cli=$1
dir=$2
budget=${DEMO_BUDGET:-20000}
deals=(4831926750418 7770001135980 2718281828459 1234567890123)
mkdir -p "$dir/Demos"
"$cli" --program-dir "$dir" games | while read -r number _family name; do
  file=$(printf '%s/Demos/G%04d.GAM' "$dir" "$number")
  rm -f "$file"
  for deal in "${deals[@]}"; do
    if "$cli" --program-dir "$dir" solve "$number" "$deal" --budget "$budget" --demo "$file" >/dev/null 2>&1; then
      echo "demo of $name: deal $deal"
      break
    fi
  done
done
