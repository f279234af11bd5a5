#!/usr/bin/python3
"""Writes chi_square_reference.json: histories of spins with scipy's chi-square results.

Run once by hand with Debian's /usr/bin/python3 and python3-scipy; its output is committed
beside it, so the tests need no Python. The histories are kept as the count of each number, since the tests only need a
history with those counts; the order of spins does not change a chi-square statistic.
"""
import json
import math
import random

from scipy.stats import chi2, chisquare

RED = {1, 3, 5, 7, 9, 12, 14, 16, 18, 19, 21, 23, 25, 27, 30, 32, 34, 36}


def groups(counts):
    zero = counts[0]
    red = sum(counts[x] for x in RED)
    black = sum(counts[1:]) - red
    dozens = [sum(counts[1 + 12 * d:13 + 12 * d]) for d in range(3)]
    columns = [sum(counts[x] for x in range(1, 37) if (x - 1) % 3 == k) for k in range(3)]
    return [
        ("numbers", counts, [1 / 37] * 37),
        ("red, black, zero", [red, black, zero], [18 / 37, 18 / 37, 1 / 37]),
        ("dozens and zero", dozens + [zero], [12 / 37] * 3 + [1 / 37]),
        ("columns and zero", columns + [zero], [12 / 37] * 3 + [1 / 37]),
    ]


def history(rng, spins, weights):
    counts = [0] * 37
    for x in rng.choices(range(37), weights=weights, k=spins):
        counts[x] += 1
    return counts


def main():
    rng = random.Random(20261208)
    fair = [1] * 37
    hot17 = [1] * 37
    hot17[17] = 1.6
    reds = [1.1 if x in RED else 1 for x in range(37)]
    columns = [1.08 if x % 3 == 1 else 1 for x in range(37)]
    cases = []
    plan = [
        ("one spin", 1, fair), ("five spins", 5, fair), ("37 spins", 37, fair), ("100 spins", 100, fair),
        ("184 spins", 184, fair), ("185 spins", 185, fair), ("200 spins", 200, fair), ("500 spins", 500, fair),
        ("1000 spins", 1000, fair), ("3700 spins", 3700, fair), ("10000 spins", 10000, fair),
        ("100000 spins", 100000, fair), ("1000000 spins", 1000000, fair),
        ("small, 17 hot", 120, hot17), ("17 hot", 2000, hot17), ("17 very hot", 20000, hot17),
        ("red favoured", 5000, reds), ("red favoured, long", 200000, reds),
        ("first column favoured", 30000, columns), ("first column favoured, long", 300000, columns),
    ]
    for name, spins, weights in plan:
        counts = history(rng, spins, weights)
        if name == "100 spins":
            counts = [0] * 37
            counts[5] = 100  # every spin the same number: the statistic at its largest
        tests = []
        for test, observed, shares in groups(counts):
            expected = [spins * p for p in shares]
            statistic, p_value = chisquare(observed, expected)
            tests.append({
                "test": test,
                "statistic": float(statistic),
                "degrees_of_freedom": len(observed) - 1,
                "p_value": float(chi2.sf(statistic, len(observed) - 1)),
                "chisquare_p_value": float(p_value),
                "smallest_expected": min(expected),
            })
        sd = math.sqrt(spins * (1 / 37) * (36 / 37))
        residuals = [(c - spins / 37) / sd for c in counts]
        cases.append({"name": name, "counts": counts, "tests": tests, "residuals": residuals})
    with open("chi_square_reference.json", "w") as out:
        json.dump(cases, out, indent=1)
        out.write("\n")


if __name__ == "__main__":
    main()
