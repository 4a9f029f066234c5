"""The scene drawn at a reduced scale and stretched: the same game (trace for trace), the
text at full resolution exactly where it was, the maze itself coarser."""

import unittest

import munchora_e2e as e2e

W, H = 320, 240
SCRIPT = """
    2 press Space
    3 down Up
    30 screenshot walk.png
"""
# The lower left quarter of the window: maze only, no text.
MAZE_PIXELS = [(x, y) for y in range(H // 2, H) for x in range(W // 2)]


def mask(shot, box, wanted):
    x0, y0, x1, y1 = box
    return {(x, y) for y in range(y0, y1) for x in range(x0, x1) if wanted(*shot.pixel(x, y))}


class HalfScale(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.full = e2e.run(SCRIPT, ticks=34, size=(W, H))
        cls.half = e2e.run(SCRIPT, ticks=34, size=(W, H), options=["--render-scale", "0.5"])

    def test_the_game_is_the_same(self):
        self.assertEqual(self.half.returncode, 0, self.half.stderr)
        self.assertEqual(self.half.trace, self.full.trace)

    def test_the_text_stays_sharp_and_in_place(self):
        full, half = self.full.shot("walk.png"), self.half.shot("walk.png")
        for y, colour in ((100, e2e.green), (150, e2e.cyan), (200, e2e.red), (250, e2e.magenta)):
            box = (W - 150, y - 25, W, min(H, y + 3))
            self.assertEqual(mask(half, box, colour), mask(full, box, colour), y)

    def test_the_scene_is_drawn_coarser(self):
        full, half = self.full.shot("walk.png"), self.half.shot("walk.png")
        differing = sum(1 for x, y in MAZE_PIXELS if full.pixel(x, y) != half.pixel(x, y))
        self.assertGreater(differing, len(MAZE_PIXELS) // 4)

    def test_the_scene_is_the_same_picture_only_coarser(self):
        # Stretched back from half size, the maze differs from the full-size one by 7 levels
        # a channel on average; upside down, mirrored or 8 pixels off it differs by 20 or more.
        full, half = self.full.shot("walk.png"), self.half.shot("walk.png")
        total = sum(abs(a - b) for x, y in MAZE_PIXELS
                    for a, b in zip(full.pixel(x, y), half.pixel(x, y)))
        self.assertLess(total / (len(MAZE_PIXELS) * 3), 12)

    def test_scale_one_is_the_default_picture(self):
        again = e2e.run(SCRIPT, ticks=34, size=(W, H), options=["--render-scale", "1"])
        with open(self.full.folder + "/walk.png", "rb") as a, \
                open(again.folder + "/walk.png", "rb") as b:
            self.assertEqual(a.read(), b.read())


if __name__ == "__main__":
    unittest.main()
