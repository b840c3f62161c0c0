#!/usr/bin/env python3
"""A search of Elevens, Tens, Fifteens and Eighteens deals written apart
from the engine and the solver, to check the solver's proofs of loss. The
rules as the games' help states them: any cards on the table may be taken
away together when they make one of the game's sets; after each removal the
empty places are filled from the stock's top; won when every card is gone.
The sets: Elevens, two number cards (ace 1 to 10) adding up to 11, or a
jack, a queen and a king; Tens, two number cards (ace to 9) adding up to 10,
or four tens, jacks, queens or kings of one rank; Fifteens, number cards
(ace to 9) of any count adding up to 15, or four tens, jacks, queens or
kings of one rank; Eighteens, an ace alone, or a jack, queen or king with
three number cards (2 to 10) of different ranks adding up to 18. Depth
first over every set of cards on the table, with the positions known lost
(the cards gone), and no other pruning. Reads each deal from
`vellomir-cli deal GAME N` and prints the game, the deal, "won", "lost" or
"too big", and the positions seen:

    scripts/check_adding_losses.py build/bin/vellomir-cli GAME DEAL...
"""
import itertools, subprocess, sys

ELEVENS, TENS, FIFTEENS, EIGHTEENS = 40, 41, 42, 43

def rank(c): return (c - 1) % 13 + 1

def is_set(game, ranks):
    ranks = sorted(ranks)
    if game == ELEVENS:
        return (len(ranks) == 2 and ranks[1] <= 10 and sum(ranks) == 11) or ranks == [11, 12, 13]
    four = len(ranks) == 4 and ranks[0] >= 10 and len(set(ranks)) == 1
    if game == TENS:
        return (len(ranks) == 2 and ranks[1] <= 9 and sum(ranks) == 10) or four
    if game == FIFTEENS:
        return (ranks[-1] <= 9 and sum(ranks) == 15) or four
    if game == EIGHTEENS:
        if ranks == [1]: return True
        numbers = [r for r in ranks if 2 <= r <= 10]
        courts = [r for r in ranks if r >= 11]
        return (len(ranks) == 4 and len(courts) == 1 and len(numbers) == 3
                and len(set(numbers)) == 3 and sum(numbers) == 18)
    raise ValueError(game)

def read_deal(cli, game, deal):
    out = subprocess.run([cli, 'deal', str(game), str(deal)], capture_output=True,
                         text=True, check=True).stdout
    table, stock = [], []
    for line in out.splitlines():
        name, _, cards = line.partition(':')
        cs = [int(x.rstrip('*')) for x in cards.split()]
        if name.startswith('Fila'): table.extend(cs)
        elif name == 'Mazzo': stock = cs[::-1]  # listed from the bottom; kept from the top
    return table, stock

def solve(game, table, stock, limit):
    order = table + stock
    places, n = len(table), len(order)
    most = 9 if game == FIFTEENS else 4
    lost = set()
    def wins(gone):
        if gone == (1 << n) - 1: return True
        if gone in lost: return False
        shown = min(n, places + bin(gone).count('1'))
        on_table = [i for i in range(shown) if not gone >> i & 1]
        for size in range(1, most + 1):
            for chosen in itertools.combinations(on_table, size):
                if is_set(game, [rank(order[i]) for i in chosen]):
                    if wins(gone | sum(1 << i for i in chosen)): return True
        lost.add(gone)
        if len(lost) > limit: raise OverflowError
        return False
    try:
        return ('won' if wins(0) else 'lost'), len(lost)
    except OverflowError:
        return 'too big', len(lost)

if __name__ == '__main__':
    sys.setrecursionlimit(10000)
    cli, game = sys.argv[1], int(sys.argv[2])
    for deal in sys.argv[3:]:
        table, stock = read_deal(cli, game, deal)
        outcome, positions = solve(game, table, stock, 2_000_000)
        print(game, deal, outcome, positions, flush=True)
