#!/usr/bin/env python3
"""Freecell deals solved per second: our solver against the independent one
from Debian's freecell-solver-bin (installed here only to measure, never
shipped). Usage: freecell.py BUILD_DIR [FIRST] [COUNT] [TIMEOUT_SECONDS]

Each deal is dealt by cardoria-cli, written in the other solver's board
format, and given to both solvers one process per deal, so both pay the same
start-up cost. Every win of ours is then replayed through cardoria-cli play
(outside the timing) and must end won."""
import os
import shutil
import subprocess
import sys
import tempfile
import time

SUITS = "HDCS"  # card numbers 1-13, 14-26 red; 27-39, 40-52 black
RANKS = ["", "A", "2", "3", "4", "5", "6", "7", "8", "9", "T", "J", "Q", "K"]


def ensure_other_solver():
    if shutil.which("fc-solve"):
        return
    if os.geteuid() != 0:
        sys.exit("install freecell-solver-bin first (apt-get install freecell-solver-bin)")
    subprocess.run(["apt-get", "install", "-y", "-qq", "freecell-solver-bin"], check=True,
                   env=dict(os.environ, DEBIAN_FRONTEND="noninteractive"))


def board(cli, program_dir, deal):
    out = subprocess.run([cli, "--program-dir", program_dir, "deal", "1", str(deal)],
                         capture_output=True, text=True, check=True).stdout
    lines = []
    for line in out.splitlines():
        if line.startswith("Fila"):
            codes = line.split(": ", 1)[1]
            cards = []
            for i in range(0, len(codes), 4):
                number = int(codes[i:i + 3])
                cards.append(RANKS[(number - 1) % 13 + 1] + SUITS[(number - 1) // 13])
            lines.append(" ".join(cards))
    return "\n".join(lines) + "\n"


def main():
    build = sys.argv[1]
    first = int(sys.argv[2]) if len(sys.argv) > 2 else 1
    count = int(sys.argv[3]) if len(sys.argv) > 3 else 1000
    timeout = float(sys.argv[4]) if len(sys.argv) > 4 else 10.0
    ensure_other_solver()
    cli = os.path.join(build, "cardoria-cli")
    deals = range(first, first + count)
    boards = {d: board(cli, build, d) for d in deals}

    ours = {"won": 0, "lost": 0, "unknown": 0, "seconds": 0.0}
    undecided = []
    replayed = 0
    failed = []
    theirs = {"won": 0, "lost": 0, "unknown": 0, "seconds": 0.0}
    with tempfile.TemporaryDirectory() as tmp:
        for d in deals:
            start = time.monotonic()
            try:
                r = subprocess.run([cli, "--program-dir", build, "solve", "1", str(d), "--budget", "8000000"],
                                   capture_output=True, text=True, timeout=timeout).stdout
                key = "won" if "can be won" in r else "lost" if "cannot be won" in r else "unknown"
            except subprocess.TimeoutExpired:
                key = "unknown"
            ours["seconds"] += time.monotonic() - start
            ours[key] += 1
            if key == "unknown":
                undecided.append(d)
            if key == "won":
                moves = "\n".join(r.splitlines()[2:]) + "\n"
                played = subprocess.run([cli, "--program-dir", build, "play", "1", str(d)], input=moves,
                                        capture_output=True, text=True).stdout
                if "won=yes" in played:
                    replayed += 1
                else:
                    failed.append(d)

            path = os.path.join(tmp, "board.txt")
            with open(path, "w") as f:
                f.write(boards[d])
            start = time.monotonic()
            try:
                r = subprocess.run(["fc-solve", path], capture_output=True, text=True, timeout=timeout).stdout
                key = "won" if "solveable" in r else "lost" if "could not solve" in r else "unknown"
            except subprocess.TimeoutExpired:
                key = "unknown"
            theirs["seconds"] += time.monotonic() - start
            theirs[key] += 1

    def rate(x):
        return x["won"] / x["seconds"] if x["seconds"] else 0.0

    for name, x in (("ours", ours), ("theirs", theirs)):
        print(f"{name}: won {x['won']}, lost {x['lost']}, unknown {x['unknown']} in {x['seconds']:.1f} s: "
              f"{rate(x):.2f} deals solved per second")
    if undecided:
        print(f"our undecided deals: {undecided}")
    print(f"our wins replayed to a win: {replayed} of {ours['won']}" + (f"; failed: {failed}" if failed else ""))
    if rate(theirs):
        print(f"ratio ours/theirs: {rate(ours) / rate(theirs):.2f}")


if __name__ == "__main__":
    main()
