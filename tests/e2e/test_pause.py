"""Looking away pauses play: focus out or a minimised window stops the world on the frame it
had, with "Paused" across the middle, and focus back goes on from the same tick. On the
title screen nothing pauses."""

import unittest

import munchora_e2e as e2e

W, H = 320, 240
WORLD = ("score", "lives", "level", "apples", "bannerFrames", "hero", "heading", "jumpCounter",
         "bobPhase", "rng", "enemies")


def world(line):
    return {key: line[key] for key in WORLD}


class Pause(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        script = """
            3 focus out
            6 focus in
            10 press Space
            11 down Up
            19 screenshot before.png
            20 focus out
            25 screenshot paused.png
            30 focus in
            40 minimise
            45 restore
            50 down Up
        """
        cls.game = e2e.run(script, ticks=60, size=(W, H))

    def test_runs_cleanly(self):
        self.assertEqual(self.game.returncode, 0, self.game.stderr)

    def test_the_title_screen_does_not_pause(self):
        for tick in range(3, 10):
            self.assertNotIn("paused", self.game.tick(tick))
        self.assertEqual(self.game.tick(5)["bobPhase"], 0)

    def test_play_stops_without_focus_or_when_minimised_and_goes_on_after(self):
        for out, back in ((20, 30), (40, 45)):
            before = self.game.tick(out - 1)
            for tick in range(out, back):
                line = self.game.tick(tick)
                self.assertEqual(line.get("paused"), 1, tick)
                self.assertEqual(world(line), world(before), tick)
            self.assertNotIn("paused", self.game.tick(back))
        self.assertEqual(self.game.tick(20)["keys"], 0)  # the held Up was let go
        self.assertNotEqual(self.game.tick(30)["bobPhase"], self.game.tick(19)["bobPhase"])
        self.assertEqual(self.game.tick(30)["hero"], self.game.tick(19)["hero"])  # Up not held

    def test_the_paused_frame_is_the_last_frame_with_paused_across_its_middle(self):
        before, paused = self.game.shot("before.png"), self.game.shot("paused.png")
        changed = [(x, y) for y in range(H) for x in range(W)
                   if before.pixel(x, y) != paused.pixel(x, y)]
        self.assertGreater(len(changed), 100)
        for x, y in changed:
            self.assertTrue(W // 2 - 60 <= x < W // 2 + 60 and H // 2 - 25 <= y < H // 2 + 15,
                            (x, y))
            self.assertTrue(min(paused.pixel(x, y)) > 230, (x, y))  # white text


if __name__ == "__main__":
    unittest.main()
