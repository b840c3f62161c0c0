#!/usr/bin/env bash
# Turns the lines of scripts/solver_survey.sh (game, deal, outcome, count,
# milliseconds) into the table of docs/games.md, and with --set-parameters
# writes each game's chance of winning into its data/games file:
#
#   scripts/games_doc.sh SURVEY_FILE... > table.md
#   scripts/games_doc.sh --set-parameters SURVEY_FILE...
#
# The share is the part of the surveyed deals the solver won; where several
# files survey the same deal, in different search orders, any win counts.
# The band (WinningChance) is 0 "Very high" from 80 %, 1 "High" from 60 %,
# 2 "Medium" from 40 %, 3 "Low" from 20 %, 4 "Very low" below; the ratio is
# the share in whole tenths, rounded down ("about 3 in 10", at least 1 in 10
# when any deal was won), and none (WinningRatioGames 0) when no deal was won.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
set_parameters=0
if [[ ${1:-} == --set-parameters ]]; then
    set_parameters=1
    shift
fi
[[ $# -ge 1 ]] || { echo "usage: $0 [--set-parameters] SURVEY_FILE..." >&2; exit 2; }

# Files may survey the same deals in different search orders (solve --cover
# and so on): a deal counts as won when any of them won it, else as unsolved
# when one proved it lost, else as given up; its time is that line's.
merged=$(awk '
    { key = $1 " " $2 }
    !(key in line) { line[key] = $0; outcome[key] = $3; keys[++n] = key; next }
    $3 == "solved" && outcome[key] != "solved" { line[key] = $0; outcome[key] = $3; next }
    $3 == "unsolved" && outcome[key] == "gave-up" { line[key] = $0; outcome[key] = $3 }
    END { for (i = 1; i <= n; i++) print line[keys[i]] }' "$@")

# One line per game: game deals won gave-up unsolved median-ms
summary=$(echo "$merged" | sort -k1,1n -k2,2n | awk '
    function flush() {
        if (game == "") return
        n = deals
        for (i = 2; i <= n; i++) { # insertion sort: a few hundred deals at most
            v = times[i]
            for (j = i - 1; j >= 1 && times[j] > v; j--) times[j + 1] = times[j]
            times[j + 1] = v
        }
        median = n % 2 ? times[(n + 1) / 2] : int((times[n / 2] + times[n / 2 + 1]) / 2)
        print game, deals, won, gaveup, unsolved, median
        delete times
    }
    $1 != game { flush(); game = $1; deals = won = gaveup = unsolved = 0 }
    { deals++; times[deals] = $5 }
    $3 == "solved" { won++ }
    $3 == "gave-up" { gaveup++ }
    $3 == "unsolved" { unsolved++ }
    END { flush() }')

band() { # share in percent -> WinningChance
    local p=$1
    if ((p >= 80)); then echo 0; elif ((p >= 60)); then echo 1; elif ((p >= 40)); then echo 2
    elif ((p >= 20)); then echo 3; else echo 4; fi
}
band_names=("very high" "high" "medium" "low" "very low")

if ((set_parameters == 0)); then
    echo "| Game | Name | Family | Deals | Won | Gave up | Unsolved | Share won | Median time | Chance |"
    echo "|---:|---|---:|---:|---:|---:|---:|---:|---:|---|"
fi
while read -r game deals won gaveup unsolved median; do
    file=$(ls "$root"/data/games/ | grep -E "^0*${game}_" | head -1)
    path=$root/data/games/$file
    name=$(sed -n 's/^name: *//p' "$path")
    family=$(sed -n 's/^group: *\([0-9]*\).*/\1/p' "$path")
    percent=$((100 * won / deals))
    chance=$(band "$percent")
    wins=$((10 * won / deals)) # in whole tenths, so that it agrees with the band
    games=10
    if ((won == 0)); then games=0; wins=0; elif ((wins == 0)); then wins=1; fi
    if ((set_parameters)); then
        sed -i -E \
            -e "s/^WinningChance = [0-9]+ *(#.*)?$/WinningChance = $chance               # ${band_names[$chance]}: the solver won $won of $deals deals (docs\/games.md)/" \
            -e "s/^WinningRatioWins = [0-9]+ *(#.*)?$/WinningRatioWins = $wins/" \
            -e "s/^WinningRatioGames = [0-9]+ *(#.*)?$/WinningRatioGames = $games/" "$path"
    else
        bound=""
        ((gaveup > 0)) && bound=" (at least)"
        ratio=""
        ((games > 0)) && ratio=" (about $wins in $games)"
        printf '| %s | %s | %s | %s | %s | %s | %s | %s %%%s | %s s | %s%s |\n' "$game" "$name" \
            "$family" "$deals" "$won" "$gaveup" "$unsolved" "$percent" "$bound" \
            "$(awk -v ms="$median" 'BEGIN { printf "%.2f", ms / 1000 }')" "${band_names[$chance]}" "$ratio"
    fi
done <<<"$summary"
