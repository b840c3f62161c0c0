#!/usr/bin/env bash
# scripts/games_doc.sh on made-up survey lines, in a copy of the tree so that
# the real game files stay as they are: a deal given up on is never counted
# as lost, and a survey that decided too few deals names no figure.
#
#   tests/scripts/games_doc_test.sh SOURCE_DIR
set -euo pipefail
source_dir=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/scripts" "$work/data/games"
cp "$source_dir/scripts/games_doc.sh" "$work/scripts/"
for game in 001_klondike 010_freecell 011_bakers_game 025_storehouse; do
    cp "$source_dir/data/games/$game.game" "$work/data/games/"
done
failures=0
expect() { # what, expected, actual
    if [[ $2 != "$3" ]]; then
        echo "FAIL: $1: expected '$2', got '$3'" >&2
        failures=$((failures + 1))
    fi
}
# deals GAME SOLVED UNSOLVED GAVE_UP: survey lines for 1000 + k deals.
deals() {
    local game=$1 k=0 outcome n
    for outcome in solved unsolved gave-up; do
        n=$2
        [[ $outcome == unsolved ]] && n=$3
        [[ $outcome == gave-up ]] && n=$4
        for ((i = 0; i < n; i++)); do
            echo "$game $((1000 + k)) $outcome 100 $((k % 7))"
            k=$((k + 1))
        done
    done
}
survey=$work/survey.txt
{
    echo "# vellomir-cli survey 10 --deals 1000-1999 --step 1 --seconds 0.05"
    # FreeCell: 810 won, 90 lost, 100 given up: 90 % of the decided deals
    # (81 % had the given-up deals counted as lost).
    deals 10 810 90 100
    # Klondike: 700 won, none lost, 300 given up: between 70 and 100 %.
    deals 1 700 0 300
    # Baker's Game: 100 won, 850 lost, 50 given up: 10.5 %.
    deals 11 100 850 50
    # Storehouse: every deal given up.
    deals 25 0 0 1000
} >"$survey"
# A second file that wins one of Baker's Game's lost deals.
echo "11 1100 solved 80 3" >"$work/more.txt"

parameter() { sed -n "s/^$2 = \([0-9]*\).*/\1/p" "$work/data/games/$1.game"; }
storehouse_before=$(parameter 025_storehouse WinningChance)
"$work/scripts/games_doc.sh" --set-parameters "$survey" "$work/more.txt"

expect "FreeCell band" 0 "$(parameter 010_freecell WinningChance)"
expect "FreeCell ratio" "9 10" "$(parameter 010_freecell WinningRatioWins) $(parameter 010_freecell WinningRatioGames)"
# Klondike was "medium": the survey shows at least 70 %, so the band moves
# up to the nearer band the survey allows, and no ratio is claimed.
expect "Klondike band" 1 "$(parameter 001_klondike WinningChance)"
expect "Klondike ratio" "0 0" "$(parameter 001_klondike WinningRatioWins) $(parameter 001_klondike WinningRatioGames)"
# 101 of 950: in whole tenths 1 in 10, "very low".
expect "Baker's Game band" 4 "$(parameter 011_bakers_game WinningChance)"
expect "Baker's Game ratio" "1 10" "$(parameter 011_bakers_game WinningRatioWins) $(parameter 011_bakers_game WinningRatioGames)"
# Nothing decided: the band stays, without a ratio.
expect "Storehouse band" "$storehouse_before" "$(parameter 025_storehouse WinningChance)"
expect "Storehouse ratio" "0 0" "$(parameter 025_storehouse WinningRatioWins) $(parameter 025_storehouse WinningRatioGames)"
expect "comment" "1" "$(grep -c 'undecided: the solver won 700, proved 0 lost and gave up on 300 of 1000 deals' "$work/data/games/001_klondike.game")"

table=$("$work/scripts/games_doc.sh" "$survey")
expect "FreeCell row" "| 10 | FreeCell | 0.05 s | 1000 | 810 | 90 | 100 | 81.0 – 91.0 % | 90.0 % | 0.003 s | very high (about 9 in 10) |" \
    "$(echo "$table" | grep '^| 10 |')"
expect "Klondike row" "| 1 | Klondike |  | 1000 | 700 | 0 | 300 | 70.0 – 100.0 % |  | 0.003 s | high, undecided |" \
    "$(echo "$table" | grep '^| 1 |')"
expect "rows" 6 "$(echo "$table" | wc -l)"

if ((failures > 0)); then
    exit 1
fi
echo "games_doc.sh: all checks passed"
