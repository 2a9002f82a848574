#!/bin/sh
# Tries the first deals of every catalogue game with the solver and prints,
# per game, how many were won, proved lost and left undecided, or why the
# game cannot be judged.
#
#   tools/measure/catalogue.sh CLI PROGRAM_DIR [DEALS] [BUDGET]
#
# CLI is the cardoria-cli executable, PROGRAM_DIR a directory holding the
# GAMES.DAT it should play. Each deal gets BUDGET positions (default 20000).
set -eu
cli=$1
dir=$2
deals=${3:-20}
budget=${4:-20000}

printf '%-5s %-24s %6s %6s %6s %8s\n' game name won lost unknown seconds
"$cli" --program-dir "$dir" games | while read -r number family name; do
  won=0 lost=0 unknown=0 judge=""
  start=$(date +%s)
  deal=1
  while [ "$deal" -le "$deals" ]; do
    verdict=$("$cli" --program-dir "$dir" solve "$number" "$deal" --budget "$budget" | head -n 1)
    case $verdict in
      "This deal can be won"*) won=$((won + 1)) ;;
      "This deal cannot be won"*) lost=$((lost + 1)) ;;
      "The solver cannot judge"*) judge=${verdict#The solver cannot judge this game. }; break ;;
      *) unknown=$((unknown + 1)) ;;
    esac
    deal=$((deal + 1))
  done
  seconds=$(($(date +%s) - start))
  if [ -n "$judge" ]; then
    printf '%-5s %-24s cannot judge: %s\n' "$number" "$name" "$judge"
  else
    printf '%-5s %-24s %6s %6s %6s %8s\n' "$number" "$name" "$won/$deals" "$lost" "$unknown" "$seconds"
  fi
done
