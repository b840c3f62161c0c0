#!/usr/bin/env bash
# The catalogue survey of docs/games.md: for each game named (every game of
# data/games when none is), the 1,000 deal numbers 1000 + 137 k (k = 0 to
# 999), each searched by `vellomir-cli survey` within S seconds of processor
# time, into docs/survey/GAME.txt (a comment line with the command, then
# one line a deal, see scripts/solver_survey.sh). A game's file is replaced only once its survey
# is whole; a run stopped half way leaves GAME.txt.part.
#
#   scripts/survey_games.sh --seconds S [GAME...]
#
# Then `scripts/games_doc.sh docs/survey/*.txt` makes the table and
# `scripts/games_doc.sh --set-parameters docs/survey/*.txt` the chances.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
first_deal=1000
deal_step=137
deals=1000
[[ ${1:-} == --seconds && $# -ge 2 ]] || { echo "usage: $0 --seconds S [GAME...]" >&2; exit 2; }
seconds=$2
shift 2
games=("$@")
if [[ ${#games[@]} -eq 0 ]]; then
    mapfile -t games < <(ls "$root/data/games" | sed -n 's/^0*\([0-9][0-9]*\)_.*\.game$/\1/p')
fi
mkdir -p "$root/docs/survey"
last_deal=$((first_deal + deal_step * (deals - 1)))
for game in "${games[@]}"; do
    out=$root/docs/survey/$game.txt
    echo "$0: game $game, $deals deals, $seconds s each" >&2
    options=(--deals "$first_deal-$last_deal" --step "$deal_step" --seconds "$seconds")
    # The first line says how the file was made (scripts/games_doc.sh reads the limit).
    echo "# vellomir-cli survey $game ${options[*]}" >"$out.part"
    "$root/scripts/solver_survey.sh" --games "$game" "${options[@]}" >>"$out.part"
    mv "$out.part" "$out"
done
