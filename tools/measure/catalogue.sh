#!/bin/sh
# Tries deals of every catalogue game with the solver and prints, per game,
# how many were won, proved lost and left undecided, or why the game cannot
# be judged. Two games are tried at a time.
#
#   tools/measure/catalogue.sh CLI PROGRAM_DIR [DEALS] [BUDGET] [GAMES...]
#
# CLI is the cardoria-cli executable, PROGRAM_DIR a directory holding the
# GAMES.DAT it should play. Each of DEALS deals (13-digit numbers spread as
# New game spreads them, the same on every run: see deals.py) gets BUDGET
# positions (default 20000). Only the GAMES named are tried, when any are.
# A game's line is printed as soon as it is done (pipe through sort -n for
# the catalogue's order).
set -eu
cli=$1
dir=$2
deals=${3:-20}
budget=${4:-20000}

one_game() {
  number=$1 name=$2
  won=0 lost=0 unknown=0 judge=""
  start=$(date +%s)
  for deal in $(python3 "$(dirname "$0")/deals.py" "$deals"); do
    verdict=$("$cli" --program-dir "$dir" solve "$number" "$deal" --budget "$budget" | head -n 1)
    case $verdict in
      "This deal can be won"*) won=$((won + 1)) ;;
      "This deal cannot be won"*) lost=$((lost + 1)) ;;
      "The solver cannot judge"*) judge=${verdict#The solver cannot judge this game. }; break ;;
      *) unknown=$((unknown + 1)) ;;
    esac
  done
  seconds=$(($(date +%s) - start))
  if [ -n "$judge" ]; then
    printf '%-5s %-24s cannot judge: %s\n' "$number" "$name" "$judge"
  else
    printf '%-5s %-24s %6s %6s %6s %8s\n' "$number" "$name" "$won/$deals" "$lost" "$unknown" "$seconds"
  fi
}

if [ "${1:-}" = "--one" ]; then
  shift
  cli=$1 dir=$2 deals=$3 budget=$4
  one_game "$5" "$6"
  exit 0
fi

shift $(($# < 4 ? $# : 4))
printf '%-5s %-24s %6s %6s %6s %8s\n' game name won lost unknown seconds
"$cli" --program-dir "$dir" games | while read -r number family name; do
  if [ $# -eq 0 ] || printf ' %s ' "$*" | grep -q " $number "; then printf '%s\t%s\n' "$number" "$name"; fi
done | tr '\n' '\0' | xargs -0 -P 2 -I{} sh -c 'n=$(printf "%s" "$1" | cut -f1); m=$(printf "%s" "$1" | cut -f2); exec "$0" --one "$2" "$3" "$4" "$5" "$n" "$m"' "$0" {} "$cli" "$dir" "$deals" "$budget"
