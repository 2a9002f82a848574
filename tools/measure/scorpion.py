#!/usr/bin/env python3
"""A check of the solver's Scorpion verdicts by a search of its own.
Usage: scorpion.py BUILD_DIR [COUNT] [LIMIT]

For COUNT deals (spread as in deals.py) it asks cardoria-cli for the dealt
table and then searches every position by the game's rules as they are
written for the player, apart from the engine and the solver: build down by
suit, any face-up card moves with what lies on it, only a King fills an empty
column, the three cards of the stock go onto the first three columns, a
whole suit from King to Ace leaves. It prints its verdict beside the
solver's; a deal on which the two disagree is a fault in one of them. LIMIT
positions (default 5,000,000) stop a search unfinished ("unknown")."""
import os
import subprocess
import sys

from deals import deals

GAME = 10


def table(cli, build, deal):
    out = subprocess.run([cli, "--program-dir", build, "play", str(GAME), deal], input="show\n",
                         capture_output=True, text=True).stdout.splitlines()
    columns, stock = [], []
    for line in out:
        name, _, data = line.partition(":")
        data = data.strip()
        cards = [(int(data[i:i + 3]), data[i + 3] == "1") for i in range(0, len(data), 4)]
        if name == "Mazzo" and not stock:
            stock = [card for card, _ in cards]
        elif name.startswith("Fila") and len(columns) < 7:
            columns.append(tuple(cards))
    return columns, stock


def rank(card):
    return (card - 1) % 13 + 1


def suit(card):
    return (card - 1) // 13


def settle(columns, i):
    """Turns the column's top card up and takes a finished suit off it."""
    column = list(columns[i])
    if column and not column[-1][1]:
        column[-1] = (column[-1][0], True)
    top = column[-13:]
    if len(top) == 13 and all(up for _, up in top) and all(
            rank(top[12 - k][0]) == k + 1 and suit(top[12 - k][0]) == suit(top[0][0]) for k in range(13)):
        column = column[:-13]
        if column and not column[-1][1]:
            column[-1] = (column[-1][0], True)
    columns[i] = tuple(column)


def key(columns, stock):
    # The first three columns are told apart while the stock still deals to them.
    if stock:
        return tuple(columns[:3]), tuple(sorted(columns[3:])), tuple(stock)
    return tuple(sorted(columns))


def search(columns, stock, limit):
    seen, stack = set(), [(columns, stock)]
    while stack:
        columns, stock = stack.pop()
        k = key(columns, stock)
        if k in seen:
            continue
        seen.add(k)
        if len(seen) > limit:
            return "unknown"
        if all(not column for column in columns):
            return "won"
        for i, column in enumerate(columns):
            for j, (card, up) in enumerate(column):
                if not up:
                    continue
                for d, dest in enumerate(columns):
                    if d == i:
                        continue
                    if dest:
                        top, top_up = dest[-1]
                        if not (top_up and suit(top) == suit(card) and rank(top) == rank(card) + 1):
                            continue
                    elif rank(card) != 13 or j == 0:
                        continue
                    after = list(columns)
                    after[d], after[i] = dest + column[j:], column[:j]
                    settle(after, i)
                    settle(after, d)
                    stack.append((after, stock))
        if stock:
            after, rest = list(columns), list(stock)
            for d in range(3):
                if rest:
                    after[d] = after[d] + ((rest.pop(), True),)
                    settle(after, d)
            stack.append((after, rest))
    return "lost"


def main():
    build = sys.argv[1]
    count = int(sys.argv[2]) if len(sys.argv) > 2 else 20
    limit = int(sys.argv[3]) if len(sys.argv) > 3 else 5000000
    cli = os.path.join(build, "cardoria-cli")
    disagree = 0
    for deal in deals(count):
        verdict = subprocess.run([cli, "--program-dir", build, "solve", str(GAME), deal, "--budget", str(limit)],
                                 capture_output=True, text=True).stdout.splitlines()[0]
        solver = "won" if "can be won" in verdict else "lost" if "cannot be won" in verdict else "unknown"
        own = search(*table(cli, build, deal), limit)
        flag = "" if "unknown" in (own, solver) or own == solver else "  DISAGREE"
        disagree += bool(flag)
        print(f"{deal}  solver {solver:8} own search {own}{flag}", flush=True)
    sys.exit(1 if disagree else 0)


if __name__ == "__main__":
    main()
