"""Losing lives and the end of a game, played by the reference run's script (on the title
screen the enemies stand still at the board's centre while held arrows still move the Hero,
so the Hero walks up to them unseen and Space lets them catch it on the first play frame):
once with the keyboard and once with two pads alone (stick, D-pad, buttons, the name entered
with the pad), and every tick of the two traces must agree."""

import os
import unittest

import munchora_e2e as e2e

LIVES = os.path.join(os.path.dirname(__file__), "..", "golden", "scripts", "lives.txt")
W, H = 480, 400

# The keyboard's lines and what two pads do instead: pad 0's stick walks, pad 1's D-pad
# turns left and pad 2's turns right.
AS_PAD = {
    "down Up": "pad axis LeftY -30000",
    "up Up": "pad axis LeftY 0",
    "down Left": "pad down Left 1",
    "up Left": "pad up Left 1",
    "down Right": "pad down Right 2",
    "up Right": "pad up Right 2",
    "press Space": "pad press Start",
    "press Return": "pad press A",
    "press Shift": "pad press X",
}
# "AC" with the pad: up gives A, right adds another A, two ups make it C.
PAD_NAME = ["pad press Up", "pad press Right", "pad press Up", "pad press Up"]
HIGHLIGHT = (10, 36, 106)


def scripts():
    """The keyboard script (the name typed) and the same game with the pads alone."""
    keyboard, pad = [], []
    with open(LIVES, encoding="utf-8") as f:
        for line in f:
            line = line.strip()
            if not line or line.startswith("#"):
                continue
            tick, event = line.split(" ", 1)
            if event.startswith("type "):
                keyboard.append(tick + " type AC")
                pad += [tick + " " + step for step in PAD_NAME]
                continue
            keyboard.append(line)
            pad.append(tick + " " + AS_PAD.get(event, event))
    return "\n".join(keyboard) + "\n", "\n".join(pad) + "\n"


def highlighted(shot):
    return shot.count((0, 0, shot.width, shot.height), lambda r, g, b: (r, g, b) == HIGHLIGHT)


class LosingLives(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        keyboard, pad = scripts()
        cls.game = e2e.run(keyboard, size=(W, H))
        cls.pad = e2e.run(pad, size=(W, H))
        trace = cls.game.trace
        # The first line of each change of lives or screen, in the order written.
        cls.changes = [b for a, b in zip(trace, trace[1:])
                       if (a["lives"], a["screen"]) != (b["lives"], b["screen"])]

    def test_both_runs_end_cleanly(self):
        self.assertEqual(self.game.returncode, 0, self.game.stderr)
        self.assertEqual(self.pad.returncode, 0, self.pad.stderr)

    def test_each_contact_costs_one_life_and_the_last_ends_the_game(self):
        steps = [(line["screen"], line["lives"]) for line in self.changes]
        self.assertEqual(steps, [("title", 2), ("title", 1), ("over", 0), ("play", 3)])
        for lost in self.changes[:2]:
            self.assertEqual(lost["hero"][:2], [-5.5, -5.5])
            self.assertEqual(lost["enemies"], [[0, 0, 0.75]] * 5)
        # The screens between games show no counters.
        for name in ("lost.png", "over.png"):
            self.assertEqual(self.game.shot(name).count((W - 150, 60, W, 90), e2e.green), 0)

    def test_the_name_entered_takes_its_place_and_shift_clears_the_table(self):
        over = self.changes[2]
        self.assertGreater(over["score"], 0)
        names = {tuple(line["best"][0]) for line in self.game.trace if line["screen"] == "over"}
        self.assertIn(("AC", over["score"]), names)
        self.assertEqual(self.game.trace[-1]["best"], [["Nobody", 0]] * 5)
        with open(self.game.folder + "/scores.dat", encoding="latin-1") as f:
            self.assertEqual(f.read().splitlines(), ["Nobody\t0"] * 5)

    def test_space_after_the_game_starts_afresh(self):
        new = self.changes[3]
        self.assertEqual((new["lives"], new["score"], new["level"], new["apples"]), (3, 0, 0, 93))

    def test_the_pads_play_the_same_game_tick_for_tick(self):
        self.assertEqual(len(self.pad.trace), len(self.game.trace))
        for pad, keyboard in zip(self.pad.trace, self.game.trace):
            self.assertEqual(pad, keyboard, "tick %d" % pad["tick"])

    def test_the_name_dialog_marks_the_pads_letter_only_for_the_pad(self):
        # The caption's gradient starts in the highlight colour in both; the pad's letter
        # adds a lit box of its own.
        pad, keyboard = self.pad.shot("name.png"), self.game.shot("name.png")
        self.assertGreater(highlighted(pad), highlighted(keyboard) + 40)
        for name in ("lost.png", "over.png", "cleaned.png", "new-game.png"):
            self.assertEqual(self.pad.shot(name).rows, self.game.shot(name).rows, name)


if __name__ == "__main__":
    unittest.main()
