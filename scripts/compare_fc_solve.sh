#!/bin/sh
# Compares the solver with fc-solve (Debian's freecell-solver-bin) on the same
# FreeCell deals, deal by deal: each deal of game 10 is printed by
# `vellomir-cli deal`, turned into fc-solve's board format and solved by both.
#
#   sudo apt-get install freecell-solver-bin     # provides fc-solve
#   scripts/compare_fc_solve.sh [--bin DIR] [--deals "N ..."]
#
# The deals are the survey's 200 deal numbers (1000 + 137 k) unless given.
# One line a deal: deal, Vellomir's outcome, fc-solve's; then the totals and
# the deals fc-solve wins that Vellomir does not.
set -eu

bin=build/bin
deals=""
while [ $# -gt 0 ]; do
    case "$1" in
    --bin) bin="$2"; shift 2 ;;
    --deals) deals="$2"; shift 2 ;;
    *) echo "usage: $0 [--bin DIR] [--deals \"N ...\"]" >&2; exit 2 ;;
    esac
done
if ! command -v fc-solve >/dev/null 2>&1; then
    echo "fc-solve is missing: sudo apt-get install freecell-solver-bin" >&2
    exit 1
fi
if [ -z "$deals" ]; then
    deals=$(awk 'BEGIN { for (k = 0; k < 200; k++) printf "%d ", 1000 + 137 * k }')
fi
cli="$bin/vellomir-cli"
board=$(mktemp)
trap 'rm -f "$board"' EXIT

# A card code of the table (1-52: hearts, diamonds, clubs, spades, ace to
# king within each) as fc-solve writes it: rank then suit, "TD", "AS".
to_board() {
    awk '/^Fila[0-9]+:/ {
        line = ""
        for (i = 2; i <= NF; i++) {
            c = $i + 0
            rank = substr("A23456789TJQK", (c - 1) % 13 + 1, 1)
            suit = substr("HDCS", int((c - 1) / 13) + 1, 1)
            line = line (line == "" ? "" : " ") rank suit
        }
        print line
    }'
}

both=0; ours=0; theirs=0; missed=""
for d in $deals; do
    "$cli" deal 10 "$d" | to_board > "$board"
    v=$("$cli" solve 10 "$d" | head -n 1 | awk '{print $1}')
    if fc-solve "$board" 2>/dev/null | grep -q "This game is solveable"; then f=solved; else f=unsolved; fi
    echo "$d vellomir:$v fc-solve:$f"
    [ "$v" = solved ] && ours=$((ours + 1))
    [ "$f" = solved ] && theirs=$((theirs + 1))
    [ "$v" = solved ] && [ "$f" = solved ] && both=$((both + 1))
    if [ "$f" = solved ] && [ "$v" != solved ]; then missed="$missed $d"; fi
done
echo "vellomir won $ours, fc-solve $theirs, both $both"
echo "won by fc-solve only:${missed:- none}"
