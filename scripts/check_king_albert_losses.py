#!/usr/bin/env python3
"""A search of King Albert deals written apart from the engine and the solver,
to check the solver's proofs of loss: the rules as the game's help states
them (nine tableaus built down in alternating colours, one card at a time,
any card into a space; seven reserve cards that only leave; four foundations
up in suit from the ace; a foundation's top card may come back onto a
tableau), depth first over every move with a set of the positions seen.
Reads each deal from `vellomir-cli deal 67 N` and prints the deal, "won",
"lost" or "too big", and the positions seen:

    scripts/check_king_albert_losses.py build/bin/vellomir-cli DEAL...
"""
import subprocess, sys

def suit(c): return (c - 1) // 13
def rank(c): return (c - 1) % 13 + 1
def red(c): return c <= 26

def read_deal(cli, deal):
    out = subprocess.run([cli, 'deal', '67', str(deal)], capture_output=True, text=True).stdout
    tabs, res = [], []
    for line in out.splitlines():
        name, _, cards = line.partition(':')
        cs = [int(x) for x in cards.split()]
        if name.startswith('Fila'): tabs.append(tuple(cs))
        elif name.startswith('Appogg'): res.extend(cs)
    return tabs, res

def solve(tabs, res, limit):
    found0 = (0, 0, 0, 0)  # top rank per suit
    start = (tuple(sorted(tabs)), tuple(sorted(res)), found0)
    seen = {start}
    stack = [start]
    while stack:
        tabs, res, fnd = stack.pop()
        if sum(fnd) == 52: return 'won', len(seen)
        nxt = []
        def fits(card, pile):
            if not pile: return True
            top = pile[-1]
            return rank(top) == rank(card) + 1 and red(top) != red(card)
        # sources: tableau tops, reserve cards, foundation tops
        for i, p in enumerate(tabs):
            if not p: continue
            c = p[-1]
            rest = tabs[:i] + (p[:-1],) + tabs[i + 1:]
            if fnd[suit(c)] == rank(c) - 1:
                f = list(fnd); f[suit(c)] += 1
                nxt.append((rest, res, tuple(f)))
            for j, q in enumerate(rest):
                if j != i and fits(c, q):
                    t = list(rest); t[j] = q + (c,)
                    nxt.append((tuple(t), res, fnd))
        for k, c in enumerate(res):
            r2 = res[:k] + res[k + 1:]
            if fnd[suit(c)] == rank(c) - 1:
                f = list(fnd); f[suit(c)] += 1
                nxt.append((tabs, r2, tuple(f)))
            for j, q in enumerate(tabs):
                if fits(c, q):
                    t = list(tabs); t[j] = q + (c,)
                    nxt.append((tuple(t), r2, fnd))
        for s in range(4):
            if fnd[s] == 0: continue
            c = s * 13 + fnd[s]
            f = list(fnd); f[s] -= 1
            for j, q in enumerate(tabs):
                if fits(c, q):
                    t = list(tabs); t[j] = q + (c,)
                    nxt.append((tuple(t), res, tuple(f)))
        for t, r, f in nxt:
            key = (tuple(sorted(t)), r, f)
            if key not in seen:
                seen.add(key)
                if len(seen) > limit: return 'too big', len(seen)
                stack.append(key)
    return 'lost', len(seen)

if __name__ == '__main__':
    cli = sys.argv[1]
    for deal in sys.argv[2:]:
        tabs, res = read_deal(cli, deal)
        print(deal, *solve(tabs, res, 3_000_000), flush=True)
