#!/bin/sh
# Tries deals of every catalogue game with the solver and prints, per game,
# how many were won, proved lost and left undecided, or why the game cannot
# be judged. Two games are tried at a time.
#
#   tools/measure/catalogue.sh CLI PROGRAM_DIR [DEALS] [BUDGET] [FIRST]
#
# CLI is the cardoria-cli executable, PROGRAM_DIR a directory holding the
# GAMES.DAT it should play. Each of DEALS deals (13-digit numbers from FIRST,
# default 2026121100001) gets BUDGET positions (default 20000).
set -eu
cli=$1
dir=$2
deals=${3:-20}
budget=${4:-20000}
first=${5:-2026121100001}

one_game() {
  number=$1 name=$2
  won=0 lost=0 unknown=0 judge=""
  start=$(date +%s)
  k=0
  while [ "$k" -lt "$deals" ]; do
    verdict=$("$cli" --program-dir "$dir" solve "$number" "$((first + k))" --budget "$budget" | head -n 1)
    case $verdict in
      "This deal can be won"*) won=$((won + 1)) ;;
      "This deal cannot be won"*) lost=$((lost + 1)) ;;
      "The solver cannot judge"*) judge=${verdict#The solver cannot judge this game. }; break ;;
      *) unknown=$((unknown + 1)) ;;
    esac
    k=$((k + 1))
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
  cli=$1 dir=$2 deals=$3 budget=$4 first=$5
  one_game "$6" "$7"
  exit 0
fi

printf '%-5s %-24s %6s %6s %6s %8s\n' game name won lost unknown seconds
"$cli" --program-dir "$dir" games | while read -r number family name; do
  printf '%s\t%s\n' "$number" "$name"
done | tr '\n' '\0' | xargs -0 -P 2 -I{} sh -c 'n=$(printf "%s" "$1" | cut -f1); m=$(printf "%s" "$1" | cut -f2); exec "$0" --one "$2" "$3" "$4" "$5" "$6" "$n" "$m"' "$0" {} "$cli" "$dir" "$deals" "$budget" "$first" |
  sort -n
