"""The soak's own parts on doctored input: the trace checker must stop at each kind of broken
invariant with its complaint and let the game's legal corner cases pass, and the input
script must be the same for the same seed and hold only events the soak may send.

Coordinates: the cell at row r, column c covers x in [r - 7, r - 6] and y in [c - 7, c - 6].
On the first layout the cell at row 2, column 2 is a wall and rows 1 and 2 of column 1 are
floor, so the Hero's start (-5.5, -5.5) is clear and (-4.5, -4.5) is inside that wall.
"""

import copy
import unittest

import make_script
import trace_check
from trace_check import TraceChecker, Violation

LAYOUTS = trace_check.read_layouts()
ENEMIES = [[0, 0, 0.75], [0.230769247, 0, 0.722460389], [2.5, 0.5, 0.2], [-2.5, -1.5, 1.0],
           [0, 0, 0.200000003]]


def state(tick=1, enemy=None, **changes):
    """A legal play line, changed as given; enemy=(index, position) moves one enemy."""
    line = {"tick": tick, "screen": "play", "keys": 0, "score": 0, "lives": 3, "level": 0,
            "apples": 93, "hero": [-5.5, -5.5, 0.5], "enemies": copy.deepcopy(ENEMIES)}
    line.update(copy.deepcopy(changes))
    if enemy:
        line["enemies"][enemy[0]] = enemy[1]
    return line


# Doctored stretches and the complaint each must raise at its last line; None for the game's
# corner cases, which must pass.
CASES = [
    ([state(1, apples=90), state(2, apples=91)], "apples rose from 90 to 91 within level 0"),
    ([state(1, apples=10, screen="title"), state(2, apples=93)], "apples rose"),
    ([state(1, apples=10, screen="over", lives=0), state(2, apples=93)], None),  # a new game
    ([state(1), state(2, lives=-1)], "lives negative"),
    ([state(1), state(2, hero=[-4.5, -4.5, 0.5])],
     "the Hero at [-4.5, -4.5, 0.5] on the floor is inside the wall at row 2, column 2 of level 0"),
    ([state(2, hero=[-4.5, -4.5, 0.50009])], "the Hero"),  # within the rounding allowance
    ([state(2, hero=[-4.5, -4.5, 1.5]), state(3, hero=[-4.5, -4.5, 1.1])], None),  # above it
    ([state(2, hero=[-5.2499, -4.5, 0.5])], "row 2, col"),  # just over the wall's edge
    ([state(2, hero=[-5.25, -4.5, 0.5])], None),  # touching a wall is not inside it
    ([state(2, hero=[-5.5, -3.5, 0.5])], None),  # floor on level 0 ...
    ([state(2, level=2, hero=[-5.5, -3.5, 0.5])], "row 1, column 3 of level 2"),  # ... not 2
    ([state(1), state(2, enemy=(3, [-4.5, -4.4, 0.6]))],
     "enemy 3 at [-4.5, -4.4, 0.6] is inside the wall at row 2, column 2"),
    ([state(2, level=9, apples=50, enemies=[[0, 0, 0.75]] * 5)], None),  # centre walls, start
    ([state(2, level=9, apples=50, enemy=(1, [0.01, 0, 0.75]))], "enemy 1"),  # off the start
    ([state(2, enemy=(2, [2.5, 0.5, 0.19999]))], "enemy 2 height 0.19999 outside [0.2, 1.0]"),
    ([state(2, enemy=(4, [0, 0, 1.0001]))], "enemy 4 height"),
]


class TraceCheckerTest(unittest.TestCase):
    def test_each_broken_invariant_is_named_at_its_tick_and_corner_cases_pass(self):
        for lines, words in CASES:
            with self.subTest(words or lines[-1]):
                checker = TraceChecker(LAYOUTS)
                if words is None:
                    for line in lines:
                        checker.check(line)
                    continue
                with self.assertRaises(Violation) as caught:
                    for line in lines:
                        checker.check(line)
                self.assertEqual(caught.exception.tick, lines[-1]["tick"])
                self.assertIn(words, caught.exception.invariant)

    def test_a_legal_stretch_counts_lives_and_games(self):
        checker = TraceChecker(LAYOUTS)
        for line in [state(1), state(2, apples=92, score=5),
                     state(3, apples=92, lives=2, screen="title"),
                     state(4, apples=95, level=1),  # next level: a new layout's apples
                     state(5, apples=95, level=1, lives=0, screen="over"),
                     state(6, apples=93, level=0, lives=0, screen="over"),
                     state(7, apples=93, level=0, lives=3)]:  # a new game
            checker.check(line)
        self.assertEqual((checker.lines, checker.last_tick, checker.lives_lost,
                          checker.game_overs), (7, 7, 4, 1))

    def test_layouts_come_from_the_source(self):
        self.assertEqual(len(LAYOUTS), 20)
        ring = {(r, c) for r in range(15) for c in range(15) if r in (0, 14) or c in (0, 14)}
        for walls in LAYOUTS:
            self.assertLessEqual(ring, walls)
            self.assertNotIn((1, 1), walls)
        self.assertEqual(LAYOUTS[15], LAYOUTS[2])
        self.assertNotEqual(LAYOUTS[0], LAYOUTS[1])


class ScriptTest(unittest.TestCase):
    KEYS = {"Up", "Down", "Left", "Right", "Ctrl", "Space", "F2", "F3", "Return", "Backspace"}

    def test_the_same_seed_gives_the_same_script(self):
        self.assertEqual(make_script.generate(7, 3000), make_script.generate(7, 3000))
        self.assertNotEqual(make_script.generate(7, 3000), make_script.generate(8, 3000))

    def test_events_are_in_tick_order_within_the_run_and_never_quit(self):
        lines = make_script.generate(3, 20000)
        ticks = [int(line.split()[0]) for line in lines]
        self.assertEqual(ticks, sorted(ticks))
        self.assertTrue(1 <= ticks[0] and ticks[-1] <= 20000)
        kinds = set()
        for line in lines:
            _, action, rest = line.split(" ", 2)
            if action == "type":
                kinds.add("type")
                continue
            self.assertIn(action, ("down", "up", "press"))
            self.assertIn(rest, self.KEYS)
            kinds.add(action + " " + rest)
        self.assertLessEqual({"down Up", "up Up", "down Down", "down Left", "down Right",
                              "down Ctrl", "up Ctrl", "press Space", "press F2", "press F3",
                              "press Return", "type"}, kinds)


if __name__ == "__main__":
    unittest.main()
