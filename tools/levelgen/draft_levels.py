#!/usr/bin/env python3
"""Writes a draft design source (levels/recNN.lvl, marked `draft`) for every
record that has none yet: a ground line through the record's fixed points
(start, goal, checkpoint objects, the given objects) with flat stretches for
the objects, overhangs for the droppers and half-buried gears, so that every
record has pictures that honour its fixed points until it is designed.

    python3 tools/levelgen/draft_levels.py TABLES.md [levels]

TABLES.md holds the level definition tables (record numbers, decorations,
object counts, checkpoint objects) as Markdown tables."""
import os
import re
import sys


def rows_of(text, header_start):
    i = text.index(header_start)
    out = []
    for line in text[i:].splitlines()[2:]:
        if not line.startswith('|'):
            break
        out.append([c.strip() for c in line.strip().strip('|').split('|')])
    return out


def pair(s):
    if s.strip() == '-':
        return (0, 0)
    a, b = s.split(',')
    return (int(a), int(b))


def main():
    text = open(sys.argv[1]).read()
    outdir = sys.argv[2] if len(sys.argv) > 2 else 'levels'
    t1 = rows_of(text, '| rec | order | folder | tiles |')
    t3 = rows_of(text, '| rec | decorations (in slot order) |')
    t4 = rows_of(text, '| rec | slots | empty | walker |')
    tcp = rows_of(text, '| record | slot | kind | position | patrol |')
    cps = {}
    for r in tcp:
        rec, slot, kind = int(r[0]), int(r[1]), r[2]
        x, y = pair(r[3])
        lo, hi = [int(v) for v in r[4].split(' to ')]
        cps[rec] = (slot, kind, x, y, lo, hi)
    decors = {}
    for r in t3:
        names = re.findall(r'"([^"]*)"', r[1])
        decors[int(r[0])] = names
    counts = {}
    for r in t4:
        nums = [0 if c == '-' else int(c) for c in r[1:11]]
        counts[int(r[0])] = nums
    for r in t1:
        rec = int(r[0])
        path = os.path.join(outdir, 'rec%02d.lvl' % rec)
        if os.path.exists(path):
            continue
        cols, rows = [int(v) for v in r[3].split(' x ')]
        W, H = cols * 1024, rows * 1024
        sx, sy = pair(r[5])
        gx, gy = pair(r[7])
        flags = r[10]
        cpx, cpy = pair(r[13])
        write_draft(path, rec, r[2], W, H, sx, sy, gx, gy, flags, cps.get(rec), (cpx, cpy),
                    decors.get(rec, []), counts[rec])


def write_draft(path, rec, folder, W, H, sx, sy, gx, gy, flags, cp, cpoint, decor, counts):
    slots, empty, nW, nB, nD, g30, g40, g50, g60, nC = counts
    theme = 'meadow'
    if rec in (4, 26, 34, 35, 42, 43, 44):
        theme = 'snow'
    elif 'variant' in flags:
        theme = 'mr'
    elif rec in (10, 14, 15, 17, 21, 22):
        theme = 'metal'
    elif rec in (38, 23):
        theme = 'desert'
    elif rec in (9, 41, 28):
        theme = 'dusk'
    # Fixed ground anchors: (x0, x1, ground row).
    fixed = []
    start_ground = min(H - 100, sy + 300)
    fixed.append((sx - 150, sx + 150, start_ground))
    fixed.append((gx - 100, gx + 160, gy))
    given = {}
    if cp:
        slot, kind, x, y, lo, hi = cp
        g = y + 40 if kind == 'walker' else y + 30
        fixed.append((min(lo, x) - 30, max(hi, x) + 30, g))
        given[slot] = True
    if rec == 0:
        fixed += [(2100, 3470, 440), (380, 990, 688)]
        for s in range(7):
            given[s] = True
    fixed.sort()
    # Object spots between start and goal, away from the fixed stretches.
    lo, hi = min(sx, gx) + 400, max(sx, gx) - 400
    if hi <= lo:
        lo, hi = 300, W - 300
    live = nW + nB + nD + g30 + g40 + g50 + g60 + nC
    cp_live = 1 if cp else 0
    if rec == 0:
        live = 0
        cp_live = 0
    to_place = live - cp_live
    spots = []
    n = max(1, to_place)
    for i in range(n):
        spots.append(int(lo + (hi - lo) * (i + 0.5) / n))
    anchors = list(fixed)

    def ground_at(x):
        best = None
        for a in anchors:
            if a[0] <= x <= a[1]:
                return a[2]
        # interpolate between the nearest anchors left and right
        left = [a for a in anchors if a[1] < x]
        right = [a for a in anchors if a[0] > x]
        if left and right:
            l = max(left, key=lambda a: a[1])
            rr = min(right, key=lambda a: a[0])
            t = (x - l[1]) / max(1, (rr[0] - l[1]))
            return int(l[2] + (rr[2] - l[2]) * t)
        if left:
            return max(left, key=lambda a: a[1])[2]
        if right:
            return min(right, key=lambda a: a[0])[2]
        return H - 200
    # Flat stretches for walkers and bouncers where no fixed stretch lies.
    kinds = (['walker'] * nW + ['bouncer'] * nB + ['dropper'] * nD + ['gear30'] * g30 + ['gear40'] * g40 +
             ['gear50'] * g50 + ['gear60'] * g60 + ['cannon'] * nC)
    if cp and rec != 0:
        kinds.remove(cp[1])
    if rec == 0:
        kinds = []
    # interleave kinds so objects mix along the way
    order = []
    buckets = {}
    for k in kinds:
        buckets.setdefault(k, []).append(k)
    while any(buckets.values()):
        for k in list(buckets):
            if buckets[k]:
                order.append(buckets[k].pop())
    objs = []
    for x, kind in zip(spots, order):
        clash = any(a[0] - 200 <= x <= a[1] + 200 for a in fixed)
        g = ground_at(x)
        g = max(300, min(H - 100, g))
        if not clash and kind in ('walker', 'bouncer'):
            anchors.append((x - 130, x + 130, g))
        objs.append((kind, x, g))
    anchors.sort()
    # Ground polyline through the anchors, held inside the world.
    pts = []
    for a in anchors:
        pts.append((max(0, a[0]), a[2]))
        pts.append((min(W, a[1]), a[2]))
    pts.sort()
    clean = []
    for p in pts:
        if clean and p[0] <= clean[-1][0]:
            p = (clean[-1][0], p[1]) if p[0] == clean[-1][0] else p
            if p[0] < clean[-1][0]:
                continue
        clean.append(p)
    if clean[0][0] > 0:
        clean.insert(0, (0, clean[0][1]))
    if clean[-1][0] < W:
        clean.append((W, clean[-1][1]))
    lines = ['# Record %d -- DRAFT: a placeholder ground through the fixed points; not yet designed.' % rec,
             'record %d' % rec, 'size %d %d' % (W, H), 'folder %s' % folder, 'theme %s' % theme, 'draft', '']
    ground = ' '.join('%d %d' % p for p in clean)
    lines.append('ground ' + ground)
    lines.append('')
    slot = 0
    used = set(given)
    if rec in (2, 3, 4):
        used |= set(range(12 if rec == 4 else (6 if rec == 2 else 11)))
    if rec == 5:
        used |= {4, 5, 6, 8, 9, 10, 11, 12}
    if rec == 10:
        used |= {0, 1, 2, 31, 32, 33, 34, 35, 36, 40}
    # Kinds already given by the definitions do not need placing again.
    given_kinds = {2: ['bouncer'] * 6, 3: ['bouncer'] * 11, 4: ['bouncer'] * 12, 5: ['bouncer'] * 8,
                   10: ['gear40', 'gear50', 'gear30', 'walker', 'walker', 'walker', 'walker', 'walker', 'bouncer',
                        'walker']}
    for k in given_kinds.get(rec, []):
        # the checkpoint walker of record 10 is among the given walkers
        for i, o in enumerate(objs):
            if o[0] == k:
                objs.pop(i)
                break
    if rec == 10:
        objs.append(('walker', 6000, 700))  # keeps six walkers in all
        # record 10's checkpoint walker is one of the given ones; the list
        # above removed one walker too many for it
    obj_lines = []
    free = [s for s in range(slots) if s not in used]
    n_empty = empty
    place_slots = free[:len(free) - n_empty] if n_empty else free
    for s, (kind, x, g) in zip(place_slots, objs):
        if kind == 'walker':
            obj_lines.append('walker %d %d %d %d %d 4' % (s, x, g - 40, x - 110, x + 110))
        elif kind == 'bouncer':
            obj_lines.append('bouncer %d %d %d 10' % (s, x, g))
        elif kind == 'dropper':
            y = g - 280
            lines.append('rect solid %d %d 140 60' % (x - 70, y - 15 - 60))
            obj_lines.append('dropper %d %d %d %d 0' % (s, x, y, x - 75))
        elif kind.startswith('gear'):
            k = int(kind[4:])
            h = 249 if k in (30, 40) else 122
            ring = 285 if h == 249 else 159
            cy = g + ring + 80
            obj_lines.append('gear %d %d %d %d 0 0.02' % (s, k, x - h, cy - h))
        elif kind == 'cannon':
            obj_lines.append('cannon %d %d %d -50 50 9 9 0.8' % (s, x, g - 10))
    for s in free[len(place_slots):]:
        obj_lines.append('empty %d' % s)
    lines += [''] + obj_lines + ['']
    for i, name in enumerate(decor):
        if not name or 'sprite' in name:
            continue
        style = 'cover'
        if 'baum' in name:
            style = 'tree'
        elif 'schrift' in name:
            style = 'letters'
        elif rec in (25, 29, 30, 31, 36, 37):
            style = 'back'
        lines.append('decor %d %s %s 0 0 %s' % (i, name, style, '720 900' if style == 'tree' else '600 400'))
    open(path, 'w').write('\n'.join(lines) + '\n')


main()
