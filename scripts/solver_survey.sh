#!/usr/bin/env bash
# Surveys deal numbers of the catalogue's games with `vellomir-cli survey`
# (one process a game) and prints one line per deal: game, deal, outcome
# (solved, unsolved, gave-up), moves of the win or positions searched,
# processor milliseconds.
#
#   scripts/solver_survey.sh [--games "1 2 3"] [--deals FIRST-LAST] [--step K]
#                            [--positions N] [--seconds S] [--order dig|cover]
#
# Defaults: every game of data/games, deals 1-200 (every K-th with --step
# K), the solver's default
# position limit, no time limit, and its plain search order (--order asks
# for `--dig` or `--cover`). --seconds S stops each deal after S seconds of
# processor time; such a deal is "gave-up", never "unsolved".
# The CLI is build/bin/vellomir-cli (or $VELLOMIR_BUILD_DIR/bin/vellomir-cli).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cli=${VELLOMIR_BUILD_DIR:-$root/build}/bin/vellomir-cli
games=""
deals=1-200
options=()
usage="usage: $0 [--games \"1 2\"] [--deals FIRST-LAST] [--step K] [--positions N] [--seconds S] [--order dig|cover]"
while [[ $# -gt 0 ]]; do
    [[ $# -ge 2 ]] || { echo "$usage" >&2; exit 2; }
    case $1 in
    --games) games=$2 ;;
    --deals) deals=$2 ;;
    --step | --positions | --seconds) options+=("$1" "$2") ;;
    --order)
        [[ $2 == dig || $2 == cover ]] || { echo "$0: --order is dig or cover" >&2; exit 2; }
        options+=(--"$2") ;;
    *) echo "$usage" >&2; exit 2 ;;
    esac
    shift 2
done
if [[ -z $games ]]; then
    games=$(ls "$root/data/games" | sed -n 's/^0*\([0-9][0-9]*\)_.*\.game$/\1/p')
fi
for game in $games; do
    "$cli" survey "$game" --deals "$deals" "${options[@]}"
done
