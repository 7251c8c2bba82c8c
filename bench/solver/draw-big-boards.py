#!/usr/bin/env python3
"""Draws the boards of the large benchmark collection: rooms on a grid, joined by doors and
long one-wide corridors, with one or two goal rooms behind narrow entrances. Prints them in
the common text format; make-big.sh pulls the boxes out of the goals."""
import random
import sys

# name, width, height, rooms across, rooms down, goals per goal room, goal rooms, seed
BOARDS = [
    ("two rooms and a goal room", 20, 14, 2, 2, 10, 1, 1),
    ("a long hall to a goal room", 26, 16, 3, 2, 12, 1, 2),
    ("six rooms, a corridor round them", 30, 18, 3, 2, 15, 1, 3),
    ("goal rooms at two ends", 32, 20, 4, 2, 10, 2, 4),
    ("nine rooms and a store", 36, 24, 3, 3, 20, 1, 5),
    ("a warehouse of twelve rooms", 40, 28, 4, 3, 24, 1, 6),
    ("two stores far apart", 44, 32, 4, 4, 14, 2, 7),
    ("rooms off long corridors", 48, 34, 4, 3, 30, 1, 8),
    ("a maze of rooms and two stores", 50, 38, 5, 4, 17, 2, 9),
    ("the great warehouse", 50, 40, 5, 4, 40, 1, 10),
]


def flood(g, start):
    seen, stack = {start}, [start]
    while stack:
        x, y = stack.pop()
        for nx, ny in ((x + 1, y), (x - 1, y), (x, y + 1), (x, y - 1)):
            if (nx, ny) not in seen and g[ny][nx] != '#':
                seen.add((nx, ny))
                stack.append((nx, ny))
    return seen


def floor_cells(g):
    return [(x, y) for y in range(len(g)) for x in range(len(g[0])) if g[y][x] != '#']


def draw(w, h, across, down, goals, stores, rnd):
    g = [['#'] * w for _ in range(h)]
    xs = [1 + (w - 2) * i // across for i in range(across + 1)]
    ys = [1 + (h - 2) * j // down for j in range(down + 1)]
    rooms = {}
    for i in range(across):
        for j in range(down):
            # rooms are shrunk now and then, so the doors between them become corridors
            x0 = xs[i] + (rnd.randint(0, 2) if i else 0)
            x1 = xs[i + 1] - 2 - (rnd.randint(0, 2) if i + 1 < across else 0)
            y0 = ys[j] + (rnd.randint(0, 1) if j else 0)
            y1 = ys[j + 1] - 2 - (rnd.randint(0, 1) if j + 1 < down else 0)
            if i + 1 == across: x1 = w - 2
            if j + 1 == down: y1 = h - 2
            rooms[i, j] = (x0, y0, x1, y1)
            for y in range(y0, y1 + 1):
                for x in range(x0, x1 + 1):
                    g[y][x] = ' '
    store_rooms = rnd.sample(sorted(rooms), stores)
    # a spanning tree of doors, then a few more
    edges = [((i, j), (i + 1, j)) for i in range(across - 1) for j in range(down)] + \
            [((i, j), (i, j + 1)) for i in range(across) for j in range(down - 1)]
    rnd.shuffle(edges)
    parent = {r: r for r in rooms}
    def root(r):
        while parent[r] != r:
            r = parent[r]
        return r
    doors = []
    for a, b in edges:
        if root(a) != root(b):
            parent[root(a)] = root(b)
            doors.append((a, b))
        elif rnd.random() < 0.3 and a not in store_rooms and b not in store_rooms:
            doors.append((a, b))
    for a, b in doors:
        ax0, ay0, ax1, ay1 = rooms[a]
        bx0, by0, bx1, by1 = rooms[b]
        if a[0] != b[0]:  # side by side: a corridor across
            lo, hi = max(ay0, by0), min(ay1, by1)
            y = rnd.randint(lo, hi)
            for x in range(ax1 + 1, bx0):
                g[y][x] = ' '
        else:
            lo, hi = max(ax0, bx0), min(ax1, bx1)
            x = rnd.randint(lo, hi)
            for y in range(ay1 + 1, by0):
                g[y][x] = ' '
    # pillars, never cutting the floor apart
    for (i, j), (x0, y0, x1, y1) in rooms.items():
        if (i, j) in store_rooms:
            continue
        for _ in range((x1 - x0 + 1) * (y1 - y0 + 1) // 9):
            x, y = rnd.randint(x0, x1), rnd.randint(y0, y1)
            if g[y][x] != ' ':
                continue
            g[y][x] = '#'
            cells = floor_cells(g)
            if len(flood(g, cells[0])) != len(cells) or boxed_in(g, x, y):
                g[y][x] = ' '
    # goals: a block in each store room, rows with an aisle beside them
    per_store = [goals // stores + (k < goals % stores) for k in range(stores)]
    for room, count in zip(store_rooms, per_store):
        x0, y0, x1, y1 = rooms[room]
        cells = [(x, y) for y in range(y0, y1 + 1) for x in range(x0, x1 + 1) if (y - y0) % 3 != 2]
        cells.sort(key=lambda c: (abs(c[0] - (x0 + x1) / 2) + abs(c[1] - (y0 + y1) / 2)))
        for x, y in cells[:count]:
            g[y][x] = '*'  # a box on its goal: the pulling starts from here
    man = [c for c in floor_cells(g) if g[c[1]][c[0]] == ' ']
    x, y = rnd.choice(man)
    g[y][x] = '@'
    return [''.join(r) for r in g]


def boxed_in(g, x, y):
    """True when a floor cell next to (x, y) would have walls on three sides: a dead end."""
    for nx, ny in ((x + 1, y), (x - 1, y), (x, y + 1), (x, y - 1)):
        if g[ny][nx] == '#':
            continue
        walls = sum(g[my][mx] == '#' for mx, my in ((nx + 1, ny), (nx - 1, ny), (nx, ny + 1), (nx, ny - 1)))
        if walls >= 3:
            return True
    return False


def main():
    print("; Boards drawn for the large benchmark collection, made by draw-big-boards.py:")
    print("; rooms joined by doors and one-wide corridors, with goal rooms. make-big.sh")
    print("; pulls the boxes out of the goals.")
    for name, w, h, across, down, goals, stores, seed in BOARDS:
        rnd = random.Random(seed)
        print()
        print(f"; {name}, {w} x {h}, {goals} goals")
        print("\n".join(draw(w, h, across, down, goals, stores, rnd)))


if __name__ == "__main__":
    sys.exit(main())
