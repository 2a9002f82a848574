#!/usr/bin/env python3
"""Deal numbers for measurements: DEALS.py COUNT prints COUNT of them.

Consecutive deal numbers give deals much alike (deals 2026121100001 and
2026121100003 share 17 of 52 places), so a run over them measures a few
deals many times. These are spread as New game spreads its own: a product of
two numbers, here drawn from a fixed sequence so that every run tries the
same deals."""
import sys


def spread(k):
    a = (k * 2654435761) % 9999999
    b = (k * 40503 + 12345) % 999999
    return str(a * b).rjust(13, "0")


def deals(count):
    return [spread(k) for k in range(1, count + 1)]


if __name__ == "__main__":
    print("\n".join(deals(int(sys.argv[1]) if len(sys.argv) > 1 else 20)))
