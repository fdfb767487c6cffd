#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Compares what two builds of brenak-cli print for the same project files.

Writes COUNT project files (seeded, every element kind, variant, target,
condition and coefficient mode, with plausible and extreme numbers) and the
files of tests/cases, runs `brenak-cli calc` of both builds on each under both
decimal separators, and reports the files whose output differs.

  tools/compare-calc.py OLD_CLI NEW_CLI [--count 2000] [--seed 1] [--keep DIR] [--jobs 1]
"""
import argparse
import concurrent.futures
import os
import random
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
CASES = os.path.join(HERE, "..", "tests", "cases")

LISTS = {  # record number (1-based) -> rows
    6: 6, 43: 2, 50: 3, 55: 3, 56: 2, 60: 2, 77: 2, 78: 2, 79: 2,
    89: 8, 90: 8, 91: 6, 92: 6, 93: 3, 94: 1, 95: 2, 96: 3, 97: 4, 98: 3,
}


def number(rng, low, high, decimals=2):
    return f"{rng.uniform(low, high):.{decimals}f}"


def project(rng):
    r = [""] * 98
    r[0] = "Caso %d" % rng.randrange(100000)
    r[1] = number(rng, -30, 300)             # Ti
    r[2] = number(rng, 10, 95, 0)            # interior humidity
    r[3] = number(rng, 2, 30)                # hi
    r[4] = rng.choice(["21.6", "53.1", "125", "250", "508", number(rng, 5, 2000, 1)])
    layers = rng.randint(1, 6)
    marked = rng.randint(1, layers)
    for i in range(6):
        base = 6 + 6 * i
        # row 1 has its name before its mark, the others the mark first
        name, mark = (base, base + 1) if i == 0 else (base + 1, base)
        r[name] = "Capa %d" % (i + 1)
        r[mark] = "T" if i + 1 == marked else "F"
        r[base + 2] = number(rng, 1, 200, 1)
        r[base + 3] = rng.choice([number(rng, 0.02, 0.06, 3), number(rng, 0.1, 60, 2)])
        r[base + 4] = ""
        r[base + 5] = rng.choice(["", number(rng, 1, 200, 0)])
    r[5] = str(layers - 1)
    r[42] = str(rng.randrange(2))
    r[43] = rng.choice(["350", "200", "600"])
    r[44] = number(rng, 0.5, 2)
    r[45] = ""
    r[46] = number(rng, -20, 45)             # Te
    r[47] = number(rng, 10, 95, 0)
    r[48] = number(rng, 2, 30)
    for rec, rows in LISTS.items():
        r[rec - 1] = str(rng.randrange(rows))
    r[50] = number(rng, 0.3, 5)             # width
    r[51] = number(rng, 0.3, 5)             # height
    r[52] = number(rng, 0.1, 0.95)
    r[53] = number(rng, 0.5, 10)
    r[56] = number(rng, 0.3, 5)
    r[57] = number(rng, 0.1, 0.95)
    r[58] = number(rng, 0.5, 10)
    r[60] = number(rng, 0, 20)
    r[61] = number(rng, 1000, 2000, 0)
    r[62] = number(rng, 0.3, 3)
    r[63] = number(rng, 2, 30)
    r[64] = number(rng, 0.3, 2.5)
    r[65] = str(rng.randint(1, 4))
    r[66] = number(rng, 5, 300)
    r[67] = number(rng, 1, 90)
    r[68] = number(rng, 0.2, 5)
    r[69] = number(rng, -10, 60)
    r[70] = number(rng, -10, 60)
    r[71] = number(rng, 1, 48)
    r[72] = number(rng, 5, 95)
    r[73] = number(rng, 0, 90)
    r[74] = number(rng, 10, 500)
    r[75] = number(rng, 0.5, 20)
    r[79] = number(rng, 0, 10)
    r[80] = number(rng, 0.01, 0.2, 3)
    r[81] = number(rng, 0, 10)
    r[82] = number(rng, 5, 30, 0)
    r[83] = number(rng, 1000, 8760, 0)
    r[84] = number(rng, 10, 60)
    r[85] = number(rng, 20, 100, 0)
    r[86] = number(rng, 20, 80)
    r[87] = number(rng, 101, 200, 0)
    return "".join('"%s"\n' % v for v in r)


def run(cli, path, separator):
    done = subprocess.run([cli, "calc", path, "--decimal-separator", separator],
                          capture_output=True, env=dict(os.environ, QT_QPA_PLATFORM="offscreen"))
    return done.returncode, done.stdout


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("old")
    parser.add_argument("new")
    parser.add_argument("--count", type=int, default=2000)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--keep")
    parser.add_argument("--jobs", type=int, default=1, help="files compared at once")
    args = parser.parse_args()
    rng = random.Random(args.seed)
    folder = args.keep or tempfile.mkdtemp(prefix="brenak-compare-")
    os.makedirs(folder, exist_ok=True)
    files = sorted(os.path.join(CASES, f) for f in os.listdir(CASES) if f.endswith(".txt"))
    for n in range(args.count):
        path = os.path.join(folder, "p%05d.txt" % n)
        with open(path, "w", encoding="latin-1") as f:
            f.write(project(rng))
        files.append(path)
    def compare(path):
        return [(path, separator) for separator in (",", ".")
                if run(args.old, path, separator) != run(args.new, path, separator)]

    with concurrent.futures.ThreadPoolExecutor(max_workers=max(1, args.jobs)) as pool:
        differ = [d for found in pool.map(compare, files) for d in found]
    print("%d files, %d runs each build, %d differ" % (len(files), 2 * len(files), len(differ)))
    for path, separator in differ[:20]:
        print("  differs:", path, "separator", separator)
    return 1 if differ else 0


if __name__ == "__main__":
    sys.exit(main())
