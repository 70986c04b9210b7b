#!/usr/bin/env python3
"""Gathers what the level proofs measured into one table per level.

Run from the project root after the level tests (tests/levels) and the hint
check (tests/display) have run; they leave their measurements in
artifacts/proof/. Writes artifacts/proof-report.txt and prints it.
"""
import collections
import os
import sys

PROOF = "artifacts/proof"


def rows(name):
    path = os.path.join(PROOF, name)
    if not os.path.exists(path):
        return None
    with open(path, encoding="utf-8") as f:
        return [line.rstrip("\n").split("\t") for line in f if line.strip() and not line.startswith("#")]


def main():
    replays = rows("replays.tsv")
    if replays is None:
        sys.exit("no %s/replays.tsv: run tests/levels first (build/tests/level_tests)" % PROOF)
    levels = {}  # record -> play order
    plays = collections.defaultdict(list)  # (record, which) -> [(seed, passed, total, threshold)]
    kills = {}
    for file, rec, order, diff, seed, passed, ks, tb, thr, k, rule in replays:
        rec = int(rec)
        levels[rec] = int(order)
        which = "hard" if "/hard/" in file else ("default" if diff == "1" else "default@3")
        plays[(rec, which)].append((seed, passed == "yes", int(ks) + int(tb), int(thr)))
        if which == "default":
            kills[rec] = (int(k), int(tb), int(thr) if rule == "score" else 0)

    def seeds(rec, which, detail=False):
        got = plays.get((rec, which))
        if not got:
            return "" if detail else "-"
        bad = [s for s in got if not s[1]]
        if detail:
            return ", ".join("%s %d/%d" % (s[0], s[2], s[3]) for s in bad)
        return "%d/%d" % (len(got) - len(bad), len(got))

    # The worst readable share of any hint line of a level (any size, language, input), and the glare.
    hints = {}
    hint_rows = None
    for size in ("800x600", "1024x768", "1280x720", "1920x1080"):
        got = rows("hints-%s.tsv" % size)
        if got is None:
            continue
        hint_rows = (hint_rows or []) + got
        for r in got:
            hints[int(r[0])] = min(hints.get(int(r[0]), 100.0), float(r[6]))
    glare = {int(r[0]): float(r[4]) for r in rows("glare.tsv") or []}

    rules = [("ground", "in ground"), ("spacing", "too close"), ("route", "unseen"),
             ("gear-mounts", "loose gears"), ("gear-turns", "gear speeds")]
    found = {}
    for file, _ in rules:
        found[file] = {int(r[0]): (r[2].split() if len(r) > 2 else []) for r in rows("creatures-%s.tsv" % file) or []}
    shared = {int(r[0]): (r[2].split() if len(r) > 2 else []) for r in rows("creatures-spacing-shared.tsv") or []}
    seen = {int(r[0]): r[2] for r in rows("creatures-world-seen.tsv") or []}

    out = []
    head = "%-5s %-4s %-8s %-8s %-12s %-6s %-6s" % ("order", "rec", "default", "hard", "kills/worst", "hint%", "glare%")
    head += "".join(" %-11s" % title for _, title in rules) + " seen%"
    out.append(head)
    out.append("-" * len(head))
    for rec in sorted(levels, key=lambda r: levels[r]):
        hardKind = "hard" if (rec, "hard") in plays else "default@3"
        hard = seeds(rec, hardKind)
        k, tb, thr = kills.get(rec, (0, 0, 0))
        worst = "%d/%d" % (8 * k + tb, thr) if thr else "-"
        line = "%-5d %-4d %-8s %-8s %-12s %-6s %-6s" % (levels[rec], rec, seeds(rec, "default"), hard,
                                                       "%d %s" % (k, worst), ("%.0f" % hints[rec]) if rec in hints else "-",
                                                       ("%.1f" % glare[rec]) if rec in glare else "-")
        for file, _ in rules:
            items = found[file].get(rec)
            cell = "?" if items is None else str(len(items)) if items else "0"
            if file == "spacing" and items:
                cell += " (%d pk)" % len(shared.get(rec, []))
            line += " %-11s" % cell
        line += " " + seen.get(rec, "?")
        out.append(line.rstrip())
    out.append("")
    out.append("default: seeds the default replay passes from at difficulty 1 (the fresh start and 1, 7, 99, 4242,")
    out.append("65537, 1234567, 2147483647); hard: the hard replay, or the default one where there is none, at")
    out.append("difficulty 3 (the fresh start and 1, 7, 99).")
    out.append("kills/worst: enemies the default replay pops, and its score if every one is worth the least (8)")
    out.append("against the threshold (levels that pass on points only). hint%: the lowest share of glyph pixels")
    out.append("at 3:1 of any hint line of the level (any size, language, pad or keys; 80 needed). glare%: the")
    out.append("share of frames along the replay at 1920 x 1080 more than a quarter near white (10 allowed).")
    out.append("too close: pairs under 80 px, (pk) of them sharing a patrol. seen%: share")
    out.append("of the world within the 1024 x 768 view at some tick of the default replay.")
    out.append("")
    out.append("Seeds short of the threshold (score/threshold) and slots per failing rule:")
    for rec in sorted(levels, key=lambda r: levels[r]):
        parts = []
        for which, title in (("default", "default replay"), ("hard", "hard replay"), ("default@3", "default replay at 3")):
            if seeds(rec, which, True):
                parts.append("%s short from %s" % (title, seeds(rec, which, True)))
        parts += ["%s: %s" % (title, " ".join(found[file][rec])) for file, title in rules if found[file].get(rec)]
        if parts:
            out.append("  order %d (record %d): %s" % (levels[rec], rec, "; ".join(parts)))
    if hint_rows is None:
        out.append("")
        out.append("(no hint measurements: run the display tests under xvfb-run for hints-WxH.tsv)")
    text = "\n".join(out) + "\n"
    with open("artifacts/proof-report.txt", "w", encoding="utf-8") as f:
        f.write(text)
    sys.stdout.write(text)


if __name__ == "__main__":
    main()
