"""What the player sees: the title is the picture alone, play shows four counters and the
level banner for 101 play frames, and the About box opens over the game, which goes on
running behind it."""

import unittest

import munchora_e2e as e2e

W, H = 480, 400
BANNER = (W // 2 - 100, H // 4 - 25, W // 2 + 20, H // 4 + 3)
COUNTERS = ((100, e2e.green), (150, e2e.cyan), (200, e2e.red), (250, e2e.magenta))


class Screens(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        script = """
            1 screenshot title.png
            2 press Space
            2 screenshot first.png
            102 screenshot banner-last.png
            103 screenshot banner-gone.png
            110 down Alt
            110 press Space
            110 up Alt
            111 press Return
            113 screenshot about.png
            115 press Return
        """
        cls.game = e2e.run(script, ticks=116, size=(W, H))

    def test_runs_cleanly(self):
        self.assertEqual(self.game.returncode, 0, self.game.stderr)
        self.assertEqual(self.game.stderr, "")

    def test_the_title_is_the_picture_alone_and_play_shows_the_counters(self):
        title, play = self.game.shot("title.png"), self.game.shot("first.png")
        for y, colour in COUNTERS:
            box = (W - 150, y - 25, W, y + 3)
            self.assertEqual(title.count(box, colour), 0, y)
            self.assertGreater(play.count(box, colour), 40, y)
        # The picture fills the window: the clear colour (dark blue) shows nowhere.
        clear = lambda r, g, b: abs(r - 26) + abs(g - 26) + abs(b - 128) <= 12  # noqa: E731
        self.assertEqual(title.count((0, 0, W, H), clear), 0)

    def test_the_banner_lasts_101_play_frames(self):
        # Each play frame counts one; after the 101st (tick 102) the banner is off.
        counts = [self.game.tick(t)["bannerFrames"] for t in range(2, 104)]
        self.assertEqual(counts, list(range(1, 102)) + [0])
        self.assertEqual([self.game.tick(t)["bannerOn"] for t in (101, 102)], [1, 0])
        self.assertGreater(self.game.shot("first.png").count(BANNER, e2e.cyan), 40)
        self.assertGreater(self.game.shot("banner-last.png").count(BANNER, e2e.cyan), 40)
        self.assertEqual(self.game.shot("banner-gone.png").count(BANNER, e2e.cyan), 0)

    def test_the_about_box_opens_over_the_running_game(self):
        face = self.game.shot("about.png").count(
            (W // 2 - 100, H // 2 - 30, W // 2 + 100, H // 2 + 30),
            lambda r, g, b: abs(r - g) < 12 and abs(g - b) < 12 and r > 150)
        self.assertGreater(face, 1500)
        self.assertEqual(self.game.tick(111)["screen"], "play")
        self.assertNotEqual(self.game.tick(112)["enemies"], self.game.tick(114)["enemies"])


if __name__ == "__main__":
    unittest.main()
