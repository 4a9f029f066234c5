"""What the player sees: the title, the play screen with its counters, banner, Hero and
enemies, the About box over the running game, and the toggles that change no picture."""

import unittest

import munchora_e2e as e2e

W, H = 480, 400


def near(colour, r, g, b, tolerance=40):
    return lambda pr, pg, pb: abs(pr - r) + abs(pg - g) + abs(pb - b) <= tolerance


class PlayScreen(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        script = """
            1 screenshot title.png
            2 press Space
            2 screenshot first.png
            60 press F3
            61 press F2
            62 press F2
            102 screenshot banner-last.png
            103 screenshot banner-gone.png
            110 down Alt
            110 press Space
            110 up Alt
            111 press Up
            111 press Return
            113 screenshot about.png
            115 press Return
            120 down Ctrl
            121 up Ctrl
        """
        cls.game = e2e.run(script, ticks=140, size=(W, H))

    def test_runs_cleanly(self):
        self.assertEqual(self.game.returncode, 0, self.game.stderr)
        self.assertEqual(self.game.stderr, "")

    def test_the_title_is_the_picture_alone(self):
        shot = self.game.shot("title.png")
        self.assertEqual(self.game.tick(1)["screen"], "title")
        # No counters at the right edge, no best list.
        for wanted in (e2e.green, e2e.red, e2e.magenta):
            self.assertEqual(shot.count((W - 150, 60, W, 260), wanted), 0)
        # The picture fills the window: no clear colour (dark blue) shows anywhere.
        background = near(None, 26, 26, 128, 12)
        self.assertEqual(shot.count((0, 0, W, H), background), 0)

    def test_play_shows_four_counters_and_the_banner(self):
        shot = self.game.shot("first.png")
        for y, colour in ((100, e2e.green), (150, e2e.cyan), (200, e2e.red), (250, e2e.magenta)):
            self.assertGreater(shot.count((W - 150, y - 25, W, y + 3), colour), 40, y)
        banner = shot.count((W // 2 - 100, H // 4 - 25, W // 2 + 20, H // 4 + 3), e2e.cyan)
        self.assertGreater(banner, 40)

    def test_the_banner_lasts_101_play_frames(self):
        frames = [(line["tick"], line["bannerOn"], line["bannerFrames"]) for line in self.game.trace]
        self.assertEqual(self.game.tick(102)[ "bannerFrames"], 101)
        self.assertEqual(self.game.tick(102)["bannerOn"], 0)
        self.assertEqual((self.game.tick(103)["bannerOn"], self.game.tick(103)["bannerFrames"]),
                         (0, 0))
        self.assertTrue(all(on == 1 for tick, on, _ in frames if tick < 102))
        box = (W // 2 - 100, H // 4 - 25, W // 2 + 20, H // 4 + 3)
        self.assertGreater(self.game.shot("banner-last.png").count(box, e2e.cyan), 40)
        self.assertEqual(self.game.shot("banner-gone.png").count(box, e2e.cyan), 0)

    def test_the_hero_stands_yellow_near_the_bottom_centre_over_its_shadow(self):
        shot = self.game.shot("first.png")
        hero = shot.count((W // 2 - 60, H // 2, W // 2 + 60, H), e2e.yellow)
        self.assertGreater(hero, 200)
        # The shadow tints the floor below the Hero greenish-yellow, not pure yellow.
        self.assertEqual(shot.count((0, 0, W, H // 3), e2e.yellow), 0)

    def test_f2_and_f3_toggle_music_and_sound(self):
        self.assertEqual((self.game.tick(59)["sound"], self.game.tick(59)["music"]), (1, 1))
        self.assertEqual(self.game.tick(60)["sound"], 0)
        self.assertEqual(self.game.tick(61)["music"], 0)
        self.assertEqual(self.game.tick(62)["music"], 1)

    def test_the_about_box_opens_over_the_running_game(self):
        shot = self.game.shot("about.png")
        face = shot.count((W // 2 - 100, H // 2 - 30, W // 2 + 100, H // 2 + 30),
                          lambda r, g, b: abs(r - g) < 12 and abs(g - b) < 12 and r > 150)
        self.assertGreater(face, 1500)
        self.assertEqual(self.game.tick(111)["screen"], "play")
        # The enemies go on moving behind the box.
        self.assertNotEqual(self.game.tick(112)["enemies"], self.game.tick(114)["enemies"])

    def test_ctrl_jumps(self):
        heights = [self.game.tick(t)["hero"][2] for t in range(120, 133)]
        self.assertEqual(self.game.tick(120)["jumping"], 1)
        self.assertAlmostEqual(max(heights), 1.9, places=5)
        self.assertEqual(heights[-1], 0.5)


class EnemiesOnAndOffScreen(unittest.TestCase):
    """Facing the enemies from the centre they show; once the Hero looks away, they still
    move."""

    @classmethod
    def setUpClass(cls):
        # On the title screen walk to row 7 and face along it towards the centre.
        script = """
            1 down Up
            41 up Up
            41 down Left
            53 up Left
            53 down Up
            80 up Up
            81 press Space
            82 screenshot facing.png
            83 down Left
            107 up Left
            110 screenshot away.png
        """
        cls.game = e2e.run(script, ticks=112, size=(W, H))

    def test_an_enemy_ahead_is_drawn(self):
        facing = self.game.shot("facing.png")
        away = self.game.shot("away.png")
        # The enemy texture has colours the maze lacks; compare the two views of one frame
        # size rather than guess the texture: the area ahead changes once enemies stand in it.
        middle = (W // 4, H // 6, 3 * W // 4, H // 2)
        differ = sum(1 for y in range(middle[1], middle[3], 4) for x in range(middle[0], middle[2], 4)
                     if facing.pixel(x, y) != away.pixel(x, y))
        self.assertGreater(differ, 100)

    def test_enemies_behind_the_camera_still_move(self):
        before, after = self.game.tick(108)["enemies"], self.game.tick(110)["enemies"]
        self.assertNotEqual(before, after)


if __name__ == "__main__":
    unittest.main()
