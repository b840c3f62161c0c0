#!/usr/bin/env bash
# How long "Winnable deals only" takes to find a winnable deal in each game,
# told from the games' surveys (docs/survey/N.txt: game, deal, outcome,
# count, processor milliseconds, at a limit of 0.05 s or more a deal):
#
#   scripts/hunt_estimate.sh [SURVEY_FILE...]   (default: every docs/survey file)
#
# The hunt gives its first 20 deals 50 ms each (src/ui/deal_search.cpp).
# A surveyed deal the solver won within 50 ms is found by such a try; any
# other costs the try what the survey spent on it, 50 ms at most. Starting
# the hunt at each surveyed deal in turn (the deals after it following in
# the survey's order, as random deals would), the script prints for each
# game: the share of the starts that found a deal within its first 20 tries
# and within one second, and the median time of those starts (">1000" when
# the median start found none in a second). The later, longer tries are
# beyond what a survey at 0.1 s can tell.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
if (($# == 0)); then
    set -- "$root"/docs/survey/*.txt
fi
printf '%5s %8s %14s %12s\n' game deals "found in 1 s" "median ms"
for file in "$@"; do
    awk -v quick_tries=20 -v quick_ms=50 -v second=1000 '
        /^#/ { next }
        { game = $1; n++; won[n] = ($3 == "solved" && $5 <= quick_ms); cost[n] = ($5 < quick_ms ? $5 : quick_ms) }
        END {
            if (n == 0) exit
            found = 0
            for (start = 1; start <= n; ++start) {
                spent = 0; ok = 0
                for (k = 0; k < quick_tries; ++k) {
                    i = (start - 1 + k) % n + 1
                    spent += cost[i]
                    if (won[i]) { ok = 1; break }
                }
                if (ok && spent <= second) { found++; times[found] = spent }
            }
            # Median over all starts; a start that found nothing counts as slowest.
            middle = int((n + 1) / 2)
            if (found >= middle) {
                asort(times)
                median = sprintf("%d", times[middle])
            } else {
                median = ">1000"
            }
            printf "%5s %8d %13.1f%% %12s\n", game, n, 100 * found / n, median
        }' "$file"
done | sort -n
