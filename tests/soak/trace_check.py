"""Invariants that must hold on every line of the game's state trace, checked line by line in
the order the lines were written (a nested call's line comes before the line of the call it
is nested in, so file order is the order of events).

- Apples never rise within a level: between two lines with the same level the apple count
  does not grow, except when a new game starts (the game-over screen gives way to play and
  the first layout is loaded afresh).
- Lives are never negative.
- Nobody is inside a wall while on the floor: the Hero standing at floor height (z at most
  0.5 plus a rounding allowance) has a body box, x and y within 0.25 and z within 0.5 of
  its centre, that overlaps no wall cell; an Enemy's box, within 0.25 of its centre on all
  three axes, overlaps no wall cell, since an Enemy steps only where nothing blocks it. The
  one exception is an Enemy still on the start point (0, 0): on the layouts whose centre
  cells are walls the Enemies never leave it.
- Enemy heights lie within [0.2, 1.0].

Boxes are built and compared in single precision, as the game does, and overlap strictly:
boxes that only touch do not overlap. The wall grids are read from the game's own source,
src/board/layouts.cpp, so the checker follows any change to the mazes.
"""

import json
import os
import re
import struct

BOARD_SIZE = 15
LEVEL_COUNT = 20
FLOOR_Z = 0.5
FLOOR_ALLOWANCE = 1e-4
HALF_WIDTH = 0.25
HERO_HALF_HEIGHT = 0.5
ENEMY_HALF_HEIGHT = 0.25

LAYOUTS_SOURCE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "src",
                              "board", "layouts.cpp")


def f32(value):
    """value rounded to the nearest 32-bit float, as the game stores it."""
    return struct.unpack("f", struct.pack("f", value))[0]


LOWEST_ENEMY = f32(0.2)
HIGHEST_ENEMY = f32(1.0)


def read_layouts(path=LAYOUTS_SOURCE):
    """The walls of the twenty levels: for each, the set of (row, column) wall cells."""
    with open(path, encoding="utf-8") as f:
        source = f.read()
    rows = re.findall(r'^\s*"([#.o]{%d})"' % BOARD_SIZE, source, re.MULTILINE)
    if not rows or len(rows) % BOARD_SIZE:
        raise ValueError("%s: no whole %d-row grids" % (path, BOARD_SIZE))
    drawn = [rows[i:i + BOARD_SIZE] for i in range(0, len(rows), BOARD_SIZE)]
    repeated = re.search(r"REPEATED_LAYOUT\[[^]]*\]\s*=\s*\{([^}]*)\}", source)
    indices = [int(n) for n in repeated.group(1).split(",")] if repeated else []
    grids = drawn + [drawn[i] for i in indices]
    if len(grids) != LEVEL_COUNT:
        raise ValueError("%s: %d layouts, not %d" % (path, len(grids), LEVEL_COUNT))
    return [{(r, c) for r, line in enumerate(grid) for c, ch in enumerate(line) if ch == "#"}
            for grid in grids]


def _box(centre, half_height):
    x, y, z = (f32(v) for v in centre)
    return (f32(x - HALF_WIDTH), f32(y - HALF_WIDTH), f32(z - half_height),
            f32(x + HALF_WIDTH), f32(y + HALF_WIDTH), f32(z + half_height))


def _wall_hit(walls, box):
    """The first wall cell (row, column) the box strictly overlaps, or None."""
    min_x, min_y, min_z, max_x, max_y, max_z = box
    if not (min_z < 1.0 and max_z > 0.0):
        return None
    for r, c in sorted(walls):
        if min_x < r - 6 and max_x > r - 7 and min_y < c - 6 and max_y > c - 7:
            return (r, c)
    return None


class Violation(Exception):
    def __init__(self, tick, invariant):
        super().__init__("tick %s: %s" % (tick, invariant))
        self.tick = tick
        self.invariant = invariant


class TraceChecker:
    """Feed it the trace's lines in file order; check() raises Violation at the first
    broken invariant. It also counts the lives lost and the games lost on the way."""

    def __init__(self, layouts=None):
        self.layouts = layouts if layouts is not None else read_layouts()
        self.previous = None
        self.lines = 0
        self.last_tick = 0
        self.lives_lost = 0
        self.game_overs = 0

    def check_text(self, text):
        self.check(json.loads(text))

    def check(self, state):
        tick = state["tick"]
        level = state["level"]
        walls = self.layouts[level]
        if state["lives"] < 0:
            raise Violation(tick, "lives negative (%d)" % state["lives"])

        before = self.previous
        if before is not None:
            new_game = before["screen"] == "over" and state["screen"] != "over"
            if (before["level"] == level and not new_game
                    and state["apples"] > before["apples"]):
                raise Violation(tick, "apples rose from %d to %d within level %d"
                                % (before["apples"], state["apples"], level))
            if state["lives"] < before["lives"]:
                self.lives_lost += before["lives"] - state["lives"]
            if state["screen"] == "over" and before["screen"] != "over":
                self.game_overs += 1

        hero = state["hero"]
        if f32(hero[2]) <= FLOOR_Z + FLOOR_ALLOWANCE:
            cell = _wall_hit(walls, _box(hero, HERO_HALF_HEIGHT))
            if cell:
                raise Violation(tick, "the Hero at %s on the floor is inside the wall at row "
                                "%d, column %d of level %d" % (hero, cell[0], cell[1], level))

        for i, enemy in enumerate(state["enemies"]):
            z = f32(enemy[2])
            if not LOWEST_ENEMY <= z <= HIGHEST_ENEMY:
                raise Violation(tick, "enemy %d height %r outside [0.2, 1.0]" % (i, enemy[2]))
            if enemy[0] == 0 and enemy[1] == 0:
                continue
            cell = _wall_hit(walls, _box(enemy, ENEMY_HALF_HEIGHT))
            if cell:
                raise Violation(tick, "enemy %d at %s is inside the wall at row %d, column %d "
                                "of level %d" % (i, enemy, cell[0], cell[1], level))

        self.previous = state
        self.lines += 1
        self.last_tick = max(self.last_tick, tick)


def check_file(path, layouts=None):
    """Checks a whole trace file; returns the checker (for its counts) or raises Violation."""
    checker = TraceChecker(layouts)
    with open(path, encoding="utf-8") as f:
        for line in f:
            if line.strip():
                checker.check_text(line)
    return checker
