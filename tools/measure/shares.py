#!/usr/bin/env python3
"""How much of a game's deals the solver decides within a budget.
Usage: shares.py BUILD_DIR GAME [COUNT] [BUDGET] [JOBS]

Solves COUNT deals (13-digit numbers spread as New game spreads them, the
same on every run: see deals.py) with cardoria-cli, JOBS at a time, and prints the share decided (won or proved
lost), the share won, and the mean time per deal. Every win is replayed
through cardoria-cli play and must end won."""
import concurrent.futures
import os
import subprocess
import sys
import time

from deals import deals


def solve(cli, build, game, deal, budget):
    start = time.monotonic()
    out = subprocess.run([cli, "--program-dir", build, "solve", str(game), str(deal), "--budget", str(budget)],
                         capture_output=True, text=True).stdout
    seconds = time.monotonic() - start
    verdict = out.splitlines()[0] if out else ""
    key = "won" if "can be won" in verdict else "lost" if "cannot be won" in verdict else "unknown"
    replayed = None
    if key == "won":
        moves = "\n".join(out.splitlines()[2:]) + "\n"
        played = subprocess.run([cli, "--program-dir", build, "play", str(game), str(deal)], input=moves,
                                capture_output=True, text=True).stdout
        replayed = "won=yes" in played
    return deal, key, seconds, replayed, "with every card known" in verdict


def main():
    build = sys.argv[1]
    game = int(sys.argv[2])
    count = int(sys.argv[3]) if len(sys.argv) > 3 else 1000
    budget = int(sys.argv[4]) if len(sys.argv) > 4 else 200000
    jobs = int(sys.argv[5]) if len(sys.argv) > 5 else 2
    cli = os.path.join(build, "cardoria-cli")
    tally = {"won": 0, "lost": 0, "unknown": 0}
    seconds = 0.0
    full = 0
    failed = []
    wins = []
    with concurrent.futures.ThreadPoolExecutor(jobs) as pool:
        for deal, key, spent, replayed, fullDeal in pool.map(
                lambda d: solve(cli, build, game, d, budget), deals(count)):
            tally[key] += 1
            if key == "won":
                wins.append(deal)
            seconds += spent
            full += fullDeal
            if replayed is False:
                failed.append(deal)
    decided = tally["won"] + tally["lost"]
    print(f"game {game}, {count} deals, budget {budget} positions:")
    print(f"  decided {decided} ({100 * decided / count:.1f}%): won {tally['won']} "
          f"({100 * tally['won'] / count:.1f}%), cannot be won {tally['lost']}; unknown {tally['unknown']}")
    print(f"  verdicts with every card known: {full}")
    print(f"  mean time per deal {seconds / count:.3f} s")
    if 0 < len(wins) <= 20:
        print(f"  deals won: {' '.join(map(str, wins))}")
    print(f"  wins replayed to a win: {tally['won'] - len(failed)} of {tally['won']}"
          + (f"; failed: {failed}" if failed else ""))


if __name__ == "__main__":
    main()
