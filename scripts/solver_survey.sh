#!/usr/bin/env bash
# Runs `vellomir-cli solve` over deal numbers of the catalogue's games and
# prints one line per deal: game, deal, outcome (solved, unsolved, gave-up),
# moves or positions, milliseconds.
#
#   scripts/solver_survey.sh [--games "1 2 3"] [--deals FIRST-LAST] [--positions N]
#                            [--order dig|cover]
#
# Defaults: every game of data/games, deals 1-200, the solver's default limit
# and its plain search order (--order asks for `solve --dig` or `--cover`).
# The CLI is build/bin/vellomir-cli (or $VELLOMIR_BUILD_DIR/bin/vellomir-cli).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cli=${VELLOMIR_BUILD_DIR:-$root/build}/bin/vellomir-cli
games=""
first=1
last=200
positions=()
order=()
while [[ $# -gt 0 ]]; do
    case $1 in
    --games) games=$2; shift 2 ;;
    --deals) first=${2%-*}; last=${2#*-}; shift 2 ;;
    --positions) positions=(--positions "$2"); shift 2 ;;
    --order)
        [[ $2 == dig || $2 == cover ]] || { echo "$0: --order is dig or cover" >&2; exit 2; }
        order=(--"$2"); shift 2 ;;
    *) echo "usage: $0 [--games \"1 2\"] [--deals FIRST-LAST] [--positions N] [--order dig|cover]" >&2; exit 2 ;;
    esac
done
if [[ -z $games ]]; then
    games=$(ls "$root/data/games" | sed -n 's/^0*\([0-9][0-9]*\)_.*\.game$/\1/p')
fi
for game in $games; do
    for ((deal = first; deal <= last; deal++)); do
        start=$(date +%s%N)
        answer=$("$cli" solve "$game" "$deal" "${positions[@]}" "${order[@]}" | sed -n 1p)
        ms=$((($(date +%s%N) - start) / 1000000))
        case $answer in
        "solved in "*) outcome=solved; count=$(echo "$answer" | awk '{print $3}') ;;
        "unsolved after "*) outcome=unsolved; count=$(echo "$answer" | awk '{print $3}') ;;
        *) outcome=gave-up; count=$(echo "$answer" | awk '{print $4}') ;;
        esac
        echo "$game $deal $outcome $count $ms"
    done
done
