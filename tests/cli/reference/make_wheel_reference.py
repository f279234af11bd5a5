#!/usr/bin/python3
"""Writes wheel_reference.json: histories of spins with scipy's results for the wheel's tests.

Run once by hand with Debian's /usr/bin/python3 and python3-scipy; its output is committed
beside it, so the tests need no Python. Everything here is worked out afresh from the wheel's
order, not from Spintrak's code: the hottest arcs, the binomial tails, the distances within
sessions, the runs test and the 2 x 2 table of colour after colour.
"""
import json
import math
import random

from scipy.stats import binom, chi2_contingency, chisquare, norm

ORDER = [0, 32, 15, 19, 4, 21, 2, 25, 17, 34, 6, 27, 13, 36, 11, 30, 8, 23, 10, 5, 24, 16, 33, 1, 20, 14,
         31, 9, 22, 18, 29, 7, 28, 12, 35, 3, 26]
POSITION = {x: i for i, x in enumerate(ORDER)}
RED = {1, 3, 5, 7, 9, 12, 14, 16, 18, 19, 21, 23, 25, 27, 30, 32, 34, 36}
VOISINS = [22, 18, 29, 7, 28, 12, 35, 3, 26, 0, 32, 15, 19, 4, 21, 2, 25]
TIERS = [27, 13, 36, 11, 30, 8, 23, 10, 5, 24, 16, 33]
ORPHELINS = [17, 34, 6, 1, 20, 14, 31, 9]


def hottest(spins, width):
    counts = [0] * 37
    for x in spins:
        counts[POSITION[x]] += 1
    best = None
    for first in range(37):
        hits = sum(counts[(first + k) % 37] for k in range(width))
        if best is None or hits > best[1]:
            best = (first, hits)
    return best


def tail(spins, width, hits):
    return float(binom.sf(hits - 1, spins, width / 37))


def pairs(spins, starts):
    bounds = set(starts)
    return [(spins[i - 1], spins[i]) for i in range(1, len(spins)) if i not in bounds]


def case(name, spins, starts):
    n = len(spins)
    arcs = []
    for width in (3, 5, 7, 9):
        first, hits = hottest(spins, width)
        arcs.append({"width": width, "numbers": [ORDER[(first + k) % 37] for k in range(width)],
                     "observed": hits, "p_value_uncorrected": tail(n, width, hits)})
    sectors = [sum(1 for x in spins if x in s) for s in (VOISINS, TIERS, ORPHELINS)]
    sector_stat, sector_p = chisquare(sectors, [n * 17 / 37, n * 12 / 37, n * 8 / 37])
    half = n // 2
    first_half = [min(((w, ) + hottest(spins[:half], w) for w in (3, 5, 7, 9)),
                      key=lambda a: tail(half, a[0], a[2]))][0]
    width, first, _ = first_half
    arc = {ORDER[(first + k) % 37] for k in range(width)}
    second_hits = sum(1 for x in spins[half:] if x in arc)
    distances = [0] * 37
    table = [[0, 0], [0, 0]]
    for before, after in pairs(spins, starts):
        distances[(POSITION[after] - POSITION[before]) % 37] += 1
        if before and after:
            table[0 if before in RED else 1][0 if after in RED else 1] += 1
    distance_stat, distance_p = chisquare(distances)
    colours = [x in RED for x in spins if x]
    n1, n2 = colours.count(True), colours.count(False)
    runs = 1 + sum(1 for a, b in zip(colours, colours[1:]) if a != b)
    mean = 2 * n1 * n2 / (n1 + n2) + 1
    variance = 2 * n1 * n2 * (2 * n1 * n2 - n1 - n2) / ((n1 + n2) ** 2 * (n1 + n2 - 1))
    z = (runs - mean) / math.sqrt(variance)
    pair_stat, pair_p, _, _ = chi2_contingency(table, correction=False)
    return {"name": name, "spins": spins, "session_starts": starts, "arcs": arcs,
            "sector_statistic": float(sector_stat), "sector_p_value": float(sector_p),
            "holdout": {"width": width, "numbers": [ORDER[(first + k) % 37] for k in range(width)],
                        "second_observed": second_hits, "p_value": tail(n - half, width, second_hits)},
            "distance_counts": distances, "distance_statistic": float(distance_stat),
            "distance_p_value": float(distance_p), "runs": runs, "runs_z": z,
            "runs_p_value": float(2 * norm.sf(abs(z))), "pairs": table,
            "pairs_statistic": float(pair_stat), "pairs_p_value": float(pair_p)}


def main():
    rng = random.Random(20261208)
    fair = [1] * 37
    tilted = [1.5 if POSITION[x] in range(20, 25) else 1 for x in range(37)]
    cases = []
    for name, spins, weights, sessions in [("fair 400", 400, fair, 1), ("fair 2000, four sessions", 2000, fair, 4),
                                           ("tilted 3000", 3000, tilted, 1), ("tilted 6000, three sessions",
                                                                              6000, tilted, 3)]:
        history = rng.choices(range(37), weights=weights, k=spins)
        starts = sorted(rng.sample(range(1, spins), sessions - 1))
        cases.append(case(name, history, starts))
    # A dealer who throws about ten pockets on, and red following red.
    signature, x = [], 0
    for _ in range(1500):
        x = ORDER[(POSITION[x] + rng.choice([9, 10, 10, 11, rng.randrange(37)])) % 37]
        signature.append(x)
    cases.append(case("dealer's signature", signature, [700]))
    tails = [{"spins": n, "width": w, "observed": k, "tail": tail(n, w, k)}
             for n, w, k in [(10, 3, 1), (10, 3, 10), (1000, 5, 160), (1000000, 9, 244500), (10000000, 3, 812000)]]
    with open("wheel_reference.json", "w") as out:
        json.dump({"cases": cases, "tails": tails}, out)
        out.write("\n")


if __name__ == "__main__":
    main()
