"""Game controllers, focus and the window mode, headless. The reference run that loses all
lives is played once with the keyboard and once with two pads alone (stick, D-pad, buttons,
the name entered with the pad): every tick of the two traces must agree."""

import os
import tempfile
import unittest

import munchora_e2e as e2e

LIVES = os.path.join(os.path.dirname(__file__), "..", "golden", "scripts", "lives.txt")

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


class PadsPlayTheWholeGame(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        keyboard, pad = scripts()
        cls.keyboard = e2e.run(keyboard, size=(480, 400))
        cls.pad = e2e.run(pad, size=(480, 400))

    def test_both_runs_end_cleanly(self):
        self.assertEqual(self.keyboard.returncode, 0, self.keyboard.stderr)
        self.assertEqual(self.pad.returncode, 0, self.pad.stderr)

    def test_every_tick_is_the_same_as_with_the_keyboard(self):
        self.assertGreater(len(self.pad.trace), 300)
        self.assertEqual(len(self.pad.trace), len(self.keyboard.trace))
        for pad, keyboard in zip(self.pad.trace, self.keyboard.trace):
            self.assertEqual(pad, keyboard, "tick %d" % pad["tick"])

    def test_the_name_entered_with_the_pad_is_stored_and_x_clears_the_table(self):
        names = [line["best"][0][0] for line in self.pad.trace if line["screen"] == "over"]
        self.assertIn("AC", names)
        self.assertEqual(self.pad.trace[-1]["best"], [["Nobody", 0]] * 5)

    def test_the_name_dialog_marks_the_pads_letter_only_for_the_pad(self):
        # The caption's gradient starts in the highlight colour in both; the pad's letter
        # adds a lit box of its own.
        pad, keyboard = self.pad.shot("name.png"), self.keyboard.shot("name.png")
        self.assertGreater(highlighted(pad), highlighted(keyboard) + 40)
        for name in ("lost.png", "over.png", "cleaned.png", "new-game.png"):
            self.assertEqual(self.pad.shot(name).rows, self.keyboard.shot(name).rows, name)


class ButtonsAndFocus(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.game = e2e.run("2 pad attach\n2 pad press Back\n3 pad press Y\n"
                           "4 pad press Start 1\n5 pad axis LeftY -20000 1\n5 down Left\n"
                           "9 focus out\n12 focus in\n13 pad axis LeftY 0 1\n"
                           "14 pad detach 1\n", ticks=16)

    def test_back_and_y_switch_music_and_sounds(self):
        self.assertEqual(self.game.returncode, 0, self.game.stderr)
        self.assertEqual((self.game.tick(1)["music"], self.game.tick(1)["sound"]), (1, 1))
        self.assertEqual(self.game.tick(2)["music"], 0)
        self.assertEqual(self.game.tick(3)["sound"], 0)
        self.assertEqual(self.game.tick(4)["screen"], "play")

    def test_losing_the_focus_releases_the_stick_and_the_keyboard(self):
        self.assertEqual(self.game.tick(8)["keys"], 0x01 | 0x08)  # Up (stick), Left (key)
        for tick in range(9, 17):
            self.assertEqual(self.game.tick(tick)["keys"], 0, tick)


class WindowModeHeadless(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.config = tempfile.mkdtemp(prefix="munchora-config-")
        os.environ["XDG_CONFIG_HOME"] = cls.config
        cls.game = e2e.run("2 window 200x150\n3 screenshot small.png\n4 window full\n"
                           "5 screenshot full.png\n6 press F11\n7 screenshot f11.png\n"
                           "8 down Alt\n8 press Return\n8 up Alt\n9 screenshot alt.png\n")

    def test_the_surface_follows_the_mode(self):
        self.assertEqual(self.game.returncode, 0, self.game.stderr)
        sizes = [(self.game.shot(n).width, self.game.shot(n).height)
                 for n in ("small.png", "full.png", "f11.png", "alt.png")]
        self.assertEqual(sizes, [(200, 150), (160, 120), (200, 150), (160, 120)])

    def test_a_headless_run_keeps_no_settings(self):
        self.assertEqual(os.listdir(self.config), [])


if __name__ == "__main__":
    unittest.main()
