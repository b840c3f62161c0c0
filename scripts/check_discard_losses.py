#!/usr/bin/env python3
"""A search of Golf, Black Hole and TriPeaks deals written apart from the
engine and the solver, to check the solver's proofs of loss: the rules as
the games' help states them (a free card goes onto the discard pile when it
is one rank above or below the pile's top card, whatever its suit; in Golf
a king and an ace do not follow each other, in Black Hole and TriPeaks they
do; a click on the stock turns its top card onto the pile; Black Hole has
no stock; in TriPeaks a card of the peaks is free once the two cards of the
row below that overlap it are gone; won when the tableaus are empty), depth
first over every move with a set of the positions seen (the tableaus'
heights, the stock's size, the top card's rank), and no other pruning. Reads each deal from `vellomir-cli deal GAME N`
and prints the game, the deal, "won", "lost" or "too big", and the
positions seen:

    scripts/check_discard_losses.py build/bin/vellomir-cli GAME DEAL...
"""
import subprocess, sys

GOLF, BLACK_HOLE, TRIPEAKS = 44, 45, 108

def tripeaks_covers():
    """For each of the 28 places (rows of 3, 6, 9 and 10 from the top), the
    places of the row below that overlap it."""
    covers = [[2 * p + 3, 2 * p + 4] for p in range(3)]          # peak tops
    covers += [[9 + j + j // 2, 10 + j + j // 2] for j in range(6)]  # second row
    covers += [[18 + k, 19 + k] for k in range(9)]                # third row
    covers += [[] for _ in range(10)]                             # bottom row
    return covers

def rank(c): return (c - 1) % 13 + 1

def read_deal(cli, game, deal):
    out = subprocess.run([cli, 'deal', str(game), str(deal)], capture_output=True,
                         text=True, check=True).stdout
    tabs, stock, top = [], [], 0
    for line in out.splitlines():
        name, _, cards = line.partition(':')
        cs = [int(x.rstrip('*')) for x in cards.split()]
        if name.startswith('Fila'): tabs.append(tuple(cs))
        elif name == 'Mazzo': stock = cs
        elif name == 'Mazzo_Waste': top = cs[-1] if cs else 0
    return tabs, stock, top

def follows(top, card, wrap):
    d = abs(rank(top) - rank(card))
    return d == 1 or (wrap and d == 12)

def solve(game, tabs, stock, top, limit):
    wrap = game in (BLACK_HOLE, TRIPEAKS)
    covers = tripeaks_covers() if game == TRIPEAKS else [[] for _ in tabs]
    start = (tuple(len(p) for p in tabs), len(stock), rank(top))
    seen = {start}
    stack = [start]
    while stack:
        heights, left, r = stack.pop()
        if not any(heights): return 'won', len(seen)
        nxt = []
        for i, h in enumerate(heights):
            if h and not any(heights[j] for j in covers[i]) and follows(r, tabs[i][h - 1], wrap):
                nxt.append((heights[:i] + (h - 1,) + heights[i + 1:], left, rank(tabs[i][h - 1])))
        if left:
            nxt.append((heights, left - 1, rank(stock[left - 1])))
        for key in nxt:
            if key not in seen:
                seen.add(key)
                if len(seen) > limit: return 'too big', len(seen)
                stack.append(key)
    return 'lost', len(seen)

if __name__ == '__main__':
    cli, game = sys.argv[1], int(sys.argv[2])
    for deal in sys.argv[3:]:
        tabs, stock, top = read_deal(cli, game, deal)
        outcome, positions = solve(game, tabs, stock, top, 20_000_000)
        print(game, deal, outcome, positions, flush=True)
