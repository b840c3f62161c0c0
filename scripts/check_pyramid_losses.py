#!/usr/bin/env python3
"""A search of Pyramid deals written apart from the engine and the solver,
to check the solver's proofs of loss. The rules as the games' help states
them: a card of the pyramid is free when no card of the next row lies on it
(the card at place i of a row lies on places i and i + 1 of the row above
it); two free cards whose ranks add up to 13 are discarded, a king alone;
the top cards of the waste and of the stock may be paired too; a click on
the stock turns its top card onto the waste; once the stock is empty a
click turns the waste over, and the same click turns the next card onto
the waste, as often as the game allows (Pyramid twice, Pyramid (one pass)
never, Pyramid (unlimited passes) without end); won when the pyramid, the
stock and the waste are empty. Depth first over every move with a set of
the positions seen and no other pruning. Reads each deal from
`vellomir-cli deal GAME N` and prints the game, the deal, "won", "lost" or
"too big", and the positions seen:

    scripts/check_pyramid_losses.py build/bin/vellomir-cli GAME DEAL...
"""
import subprocess, sys

TURNOVERS = {36: 2, 53: 0, 54: None}  # None: without end

def rank(c): return (c - 1) % 13 + 1

def read_deal(cli, game, deal):
    out = subprocess.run([cli, 'deal', str(game), str(deal)], capture_output=True,
                         text=True, check=True).stdout
    rows, stock = [], []
    for line in out.splitlines():
        name, _, cards = line.partition(':')
        cs = [int(x.rstrip('*')) for x in cards.split()]
        if name.startswith('Fila'): rows.append(cs)
        elif name == 'Mazzo': stock = cs[::-1]  # listed from the bottom; kept from the top
    return rows, stock

def solve(game, rows, stock, limit):
    cards, lies_on = [], []
    first = []
    for r, row in enumerate(rows):
        first.append(len(cards))
        cards.extend(row)
    for r, row in enumerate(rows):
        for i in range(len(row)):
            lies_on.append([first[r + 1] + i, first[r + 1] + i + 1] if r + 1 < len(rows) else [])
    n, m = len(cards), len(stock)
    turnovers = TURNOVERS[game]
    everything = (1 << n) - 1, (1 << m) - 1

    def free(gone, p):
        return not gone >> p & 1 and all(gone >> q & 1 for q in lies_on[p])

    # A position: places gone, stock cards gone (by their index from the
    # stock's top), the waste/stock split (cards before it are on the
    # waste), turnovers made.
    def moves(pos):
        gone, sgone, split, turns = pos
        waste = [i for i in range(split) if not sgone >> i & 1]
        rest = [i for i in range(split, m) if not sgone >> i & 1]
        picks = [('p', p, cards[p]) for p in range(n) if free(gone, p)]
        if waste: picks.append(('s', waste[-1], stock[waste[-1]]))
        if rest: picks.append(('s', rest[0], stock[rest[0]]))
        def take(chosen):
            g, s = gone, sgone
            for kind, i, _ in chosen:
                if kind == 'p': g |= 1 << i
                else: s |= 1 << i
            return (g, s, split, turns)
        for a in range(len(picks)):
            if rank(picks[a][2]) == 13:
                yield take([picks[a]])
            for b in range(a + 1, len(picks)):
                if rank(picks[a][2]) + rank(picks[b][2]) == 13:
                    yield take([picks[a], picks[b]])
        if rest:
            yield (gone, sgone, rest[0] + 1, turns)
        elif waste and (turnovers is None or turns < turnovers):
            t = turns + 1 if turnovers is not None else 0
            yield (gone, sgone, waste[0] + 1, t)

    start = (0, 0, 0, 0)
    seen = {start}
    stack = [start]
    while stack:
        pos = stack.pop()
        if (pos[0], pos[1]) == everything: return 'won', len(seen)
        for nxt in moves(pos):
            if nxt not in seen:
                seen.add(nxt)
                if len(seen) > limit: return 'too big', len(seen)
                stack.append(nxt)
    return 'lost', len(seen)

if __name__ == '__main__':
    cli, game = sys.argv[1], int(sys.argv[2])
    for deal in sys.argv[3:]:
        rows, stock = read_deal(cli, game, deal)
        outcome, positions = solve(game, rows, stock, 8_000_000)
        print(game, deal, outcome, positions, flush=True)
