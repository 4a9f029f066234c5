"""The soak's own parts on doctored input: the trace checker must stop at each kind of broken
invariant and let the game's legal corner cases pass, and the input script must be the same
for the same seed and hold only events the soak may send.

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


def state(tick=1, **changes):
    line = {"tick": tick, "screen": "play", "keys": 0, "score": 0, "lives": 3, "level": 0,
            "apples": 93, "hero": [-5.5, -5.5, 0.5],
            "enemies": [[0, 0, 0.75], [0.230769247, 0, 0.722460389], [2.5, 0.5, 0.2],
                        [-2.5, -1.5, 1.0], [0, 0, 0.200000003]]}
    line.update(copy.deepcopy(changes))
    return line


def enemies_with(index, position):
    line = state()["enemies"]
    line[index] = position
    return line


class TraceCheckerTest(unittest.TestCase):
    def run_lines(self, *lines):
        checker = TraceChecker(LAYOUTS)
        for line in lines:
            checker.check(line)
        return checker

    def assertViolation(self, *lines, tick, words):
        with self.assertRaises(Violation) as caught:
            self.run_lines(*lines)
        self.assertEqual(caught.exception.tick, tick)
        self.assertIn(words, caught.exception.invariant)

    def test_a_legal_stretch_passes_and_counts_lives_and_games(self):
        checker = self.run_lines(
            state(1),
            state(2, apples=92, score=5),
            state(3, apples=92, lives=2, screen="title"),
            state(4, apples=95, level=1),  # next level: a new layout's apples
            state(5, apples=95, level=1, lives=0, screen="over"),
            state(6, apples=93, level=0, lives=0, screen="over"),
            state(7, apples=93, level=0, lives=3))  # a new game
        self.assertEqual((checker.lines, checker.last_tick), (7, 7))
        self.assertEqual((checker.lives_lost, checker.game_overs), (4, 1))

    def test_apples_rising_within_a_level(self):
        self.assertViolation(state(1, apples=90), state(2, apples=91), tick=2,
                             words="apples rose from 90 to 91 within level 0")

    def test_apples_may_rise_only_as_a_new_game_starts(self):
        self.run_lines(state(1, apples=10, screen="over", lives=0), state(2, apples=93))
        self.assertViolation(state(1, apples=10, screen="title"), state(2, apples=93),
                             tick=2, words="apples rose")

    def test_negative_lives(self):
        self.assertViolation(state(1), state(2, lives=-1), tick=2, words="lives negative")

    def test_hero_inside_a_wall_on_the_floor(self):
        self.assertViolation(state(1), state(2, hero=[-4.5, -4.5, 0.5]), tick=2,
                             words="the Hero at [-4.5, -4.5, 0.5] on the floor is inside the "
                                   "wall at row 2, column 2 of level 0")
        self.assertViolation(state(3, hero=[-4.5, -4.5, 0.50009]), tick=3, words="the Hero")

    def test_hero_touching_a_wall_is_not_inside_it(self):
        self.run_lines(state(1, hero=[-5.25, -4.5, 0.5]))
        self.assertViolation(state(1, hero=[-5.2499, -4.5, 0.5]), tick=1, words="row 2, col")

    def test_hero_above_the_floor_may_be_over_a_wall(self):
        self.run_lines(state(1, hero=[-4.5, -4.5, 1.5]), state(2, hero=[-4.5, -4.5, 1.1]))

    def test_the_walls_are_those_of_the_traced_level(self):
        # Row 1, column 3 is floor on the first layout and a wall on the third.
        self.run_lines(state(1, hero=[-5.5, -3.5, 0.5]))
        self.assertViolation(state(1, level=2, hero=[-5.5, -3.5, 0.5]), tick=1,
                             words="row 1, column 3 of level 2")

    def test_enemy_inside_a_wall(self):
        self.assertViolation(state(1), state(2, enemies=enemies_with(3, [-4.5, -4.4, 0.6])),
                             tick=2, words="enemy 3 at [-4.5, -4.4, 0.6] is inside the wall at "
                                           "row 2, column 2")

    def test_enemies_at_the_start_point_may_overlap_the_centre_walls(self):
        centre = [[0, 0, 0.75]] * 5
        self.run_lines(state(1, level=9, apples=50, enemies=centre))
        self.assertViolation(state(1, level=9, apples=50,
                                   enemies=enemies_with(1, [0.01, 0, 0.75])),
                             tick=1, words="enemy 1")

    def test_enemy_heights_outside_their_range(self):
        self.assertViolation(state(1, enemies=enemies_with(2, [2.5, 0.5, 0.19999])), tick=1,
                             words="enemy 2 height 0.19999 outside [0.2, 1.0]")
        self.assertViolation(state(1, enemies=enemies_with(4, [0, 0, 1.0001])), tick=1,
                             words="enemy 4 height")

    def test_layouts_come_from_the_source(self):
        self.assertEqual(len(LAYOUTS), 20)
        for walls in LAYOUTS:
            ring = {(r, c) for r in range(15) for c in range(15) if r in (0, 14) or c in (0, 14)}
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
        self.assertGreaterEqual(ticks[0], 1)
        self.assertLessEqual(ticks[-1], 20000)
        kinds = set()
        for line in lines:
            _, action, rest = line.split(" ", 2)
            kinds.add((action, rest) if action != "type" else ("type",))
            if action != "type":
                self.assertIn(action, ("down", "up", "press"))
                self.assertIn(rest, self.KEYS)
        for wanted in [("down", "Up"), ("up", "Up"), ("down", "Down"), ("down", "Left"),
                       ("down", "Right"), ("down", "Ctrl"), ("up", "Ctrl"),
                       ("press", "Space"), ("press", "F2"), ("press", "F3"),
                       ("press", "Return"), ("type",)]:
            self.assertIn(wanted, kinds)


if __name__ == "__main__":
    unittest.main()
