"""Game controllers' switches, focus and the window mode, headless (the pads playing a whole
game are in test_lives.py)."""

import os
import tempfile
import unittest

import munchora_e2e as e2e


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
