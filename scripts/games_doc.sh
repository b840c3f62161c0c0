#!/usr/bin/env bash
# Turns the lines of scripts/solver_survey.sh (game, deal, outcome, count,
# milliseconds; lines starting with "#" are comments, "# ... --seconds S"
# gives the survey's time limit) into the table of docs/games.md, and with
# --set-parameters writes each game's chance of winning into its data/games
# file:
#
#   scripts/games_doc.sh SURVEY_FILE... > table.md
#   scripts/games_doc.sh --set-parameters SURVEY_FILE...
#
# Where several files survey the same deal, in different search orders, any
# win counts, else a proof of loss, else the deal was given up.
#
# A deal the solver gave up on is neither won nor lost: it only widens what
# the survey knows. Of N deals, S won, U proved lost and G given up, the
# share of winnable deals lies between S/N and (S+G)/N. Where the survey
# decided at least nine deals in ten (G at most N/10), the chance is the
# share of the decided deals, S/(S+U): the band (WinningChance) is 0 "Very
# high" from 80 %, 1 "High" from 60 %, 2 "Medium" from 40 %, 3 "Low" from
# 20 %, 4 "Very low" below; the ratio is the share in whole tenths, rounded
# down so that it agrees with the band ("about 3 in 10"; under one in ten, in
# hundredths, at least 1 in 100 when any deal was won), and none
# (WinningRatioGames 0) when no deal was won.
# Where more deals were given up, the survey names no figure: the ratio is
# removed (the chooser shows the word alone), and the game's band stays as
# it is when it lies between the bands of S/N and (S+G)/N, else it moves to
# the nearer of the two.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
set_parameters=0
if [[ ${1:-} == --set-parameters ]]; then
    set_parameters=1
    shift
fi
[[ $# -ge 1 ]] || { echo "usage: $0 [--set-parameters] SURVEY_FILE..." >&2; exit 2; }

# The time limit of each game's survey, from the files' comment lines.
limits=$(awk '/^#/ { for (i = 1; i < NF; i++) if ($i == "--seconds") seconds = $(i + 1)
                     for (i = 1; i < NF; i++) if ($i == "survey") game = $(i + 1)
                     if (game != "" && seconds != "") print game, seconds
                     game = seconds = "" }' "$@")

merged=$(awk '
    /^#/ { next }
    { key = $1 " " $2 }
    !(key in line) { line[key] = $0; outcome[key] = $3; keys[++n] = key; next }
    $3 == "solved" && outcome[key] != "solved" { line[key] = $0; outcome[key] = $3; next }
    $3 == "unsolved" && outcome[key] == "gave-up" { line[key] = $0; outcome[key] = $3 }
    END { for (i = 1; i <= n; i++) print line[keys[i]] }' "$@")

# One line per game: game deals won gave-up unsolved median-ms
summary=$(echo "$merged" | sort -k1,1n -k5,5n | awk '
    function flush() {
        if (game == "") return
        median = deals % 2 ? times[(deals + 1) / 2] : int((times[deals / 2] + times[deals / 2 + 1]) / 2)
        print game, deals, won, gaveup, unsolved, median
        delete times
    }
    $1 != game { flush(); game = $1; deals = won = gaveup = unsolved = 0 }
    { deals++; times[deals] = $5 } # sorted by time within the game
    $3 == "solved" { won++ }
    $3 == "gave-up" { gaveup++ }
    $3 == "unsolved" { unsolved++ }
    END { flush() }')

band() { # share in tenths of a percent -> WinningChance
    local p=$1
    if ((p >= 800)); then echo 0; elif ((p >= 600)); then echo 1; elif ((p >= 400)); then echo 2
    elif ((p >= 200)); then echo 3; else echo 4; fi
}
band_names=("very high" "high" "medium" "low" "very low")
permille() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%d", b ? 1000 * a / b : 0 }'; }
percent() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.1f", b ? 100 * a / b : 0 }'; }

if ((set_parameters == 0)); then
    echo "| Game | Name | Limit | Deals | Won | Proved lost | Gave up | Winnable, at least – at most | Share won of the decided | Median time | Chance |"
    echo "|---:|---|---:|---:|---:|---:|---:|---:|---:|---:|---|"
fi
while read -r game deals won gaveup unsolved median; do
    file=$(ls "$root"/data/games/ | grep -E "^0*${game}_" | head -1)
    path=$root/data/games/$file
    name=$(sed -n 's/^name: *//p' "$path")
    current=$(sed -n 's/^WinningChance = \([0-9]*\).*/\1/p' "$path")
    decided=$((won + unsolved))
    if ((10 * gaveup <= deals)); then
        share=$(permille "$won" "$decided")
        chance=$(band "$share")
        wins=$((share / 100)) # in whole tenths, so that it agrees with the band
        games=10
        if ((won == 0)); then
            games=0
            wins=0
        elif ((wins == 0)); then
            # Under one in ten: in hundredths, at least one.
            games=100
            wins=$(((share + 5) / 10))
            ((wins > 0)) || wins=1
        fi
        how=": the solver won $won of the $decided deals it decided, of $deals"
        shown="${band_names[$chance]}"
        ((games > 0)) && shown+=" (about $wins in $games)"
    else
        least=$(band "$(permille "$won" "$deals")")
        most=$(band "$(permille $((won + gaveup)) "$deals")")
        chance=${current:-4}
        ((chance > least)) && chance=$least
        ((chance < most)) && chance=$most
        wins=0
        games=0
        how=", undecided: the solver won $won, proved $unsolved lost and gave up on $gaveup of $deals deals"
        shown="${band_names[$chance]}, undecided"
    fi
    if ((set_parameters)); then
        sed -i -E \
            -e "s/^WinningChance = [0-9]+ *(#.*)?$/WinningChance = $chance               # ${band_names[$chance]}$how (docs\/games.md)/" \
            -e "s/^WinningRatioWins = [0-9]+ *(#.*)?$/WinningRatioWins = $wins/" \
            -e "s/^WinningRatioGames = [0-9]+ *(#.*)?$/WinningRatioGames = $games/" "$path"
    else
        limit=$(echo "$limits" | awk -v g="$game" '$1 == g { s = $2 } END { print s ? s " s" : "" }')
        ofDecided=""
        ((10 * gaveup <= deals && decided > 0)) && ofDecided="$(percent "$won" "$decided") %"
        printf '| %s | %s | %s | %s | %s | %s | %s | %s – %s %% | %s | %s s | %s |\n' "$game" "$name" \
            "$limit" "$deals" "$won" "$unsolved" "$gaveup" "$(percent "$won" "$deals")" \
            "$(percent $((won + gaveup)) "$deals")" "$ofDecided" \
            "$(awk -v ms="$median" 'BEGIN { printf "%.3f", ms / 1000 }')" "$shown"
    fi
done <<<"$summary"
