"""Losing lives and the end of a game, through real play: on the title screen the enemies
stand still at the board's centre while held arrows still move the Hero, so the Hero walks
up to them unseen and Space lets them catch it on the first play frame."""

import unittest

import munchora_e2e as e2e


class Walk:
    """Builds a script from held keys: each hold lasts a number of timer calls."""

    def __init__(self):
        self.lines, self.now = [], 1

    def hold(self, key, ticks):
        self.lines.append("%d down %s" % (self.now, key))
        self.now += ticks
        self.lines.append("%d up %s" % (self.now, key))
        return self

    def at(self, event, after=0):
        self.now += after
        self.lines.append("%d %s" % (self.now, event))
        return self

    def script(self):
        return "\n".join(self.lines) + "\n"


def to_the_centre(walk):
    """From the start cell facing +x: down column 1, left turn, along row 7 to the centre."""
    return walk.hold("Up", 40).hold("Left", 12).hold("Up", 37)


def back_round(walk):
    """After a lost life the Hero keeps its heading (about +y): turn back to +x first."""
    return to_the_centre(walk.hold("Right", 12))


class LosingLives(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        walk = to_the_centre(Walk()).at("press Space", 1)
        cls.first_death = walk.now
        walk.at("screenshot lost.png", 2)
        back_round(walk).at("press Space", 1)
        cls.second_death = walk.now
        back_round(walk).at("press Space", 1)
        cls.last_death = walk.now
        # The name dialog's own loop runs the next calls: type, shoot, accept.
        walk.at("type Zoë the brave", 2).at("screenshot name.png", 1).at("press Return", 1)
        walk.at("screenshot over.png", 3)
        cls.over_shot = walk.now
        walk.at("press Shift", 2).at("screenshot cleaned.png", 2)
        cls.cleaned = walk.now
        walk.at("press Space", 2)
        cls.new_game = walk.now
        cls.game = e2e.run(walk.script(), ticks=walk.now + 3, size=(480, 400))

    def test_the_program_ends_cleanly(self):
        self.assertEqual(self.game.returncode, 0, self.game.stderr)

    def test_a_contact_costs_one_life_and_shows_the_title(self):
        before, after = self.game.tick(self.first_death - 1), self.game.tick(self.first_death)
        self.assertEqual(before["lives"], 3)
        self.assertEqual(after["lives"], 2)
        self.assertEqual(after["screen"], "title")
        self.assertEqual(after["hero"][:2], [-5.5, -5.5])
        self.assertEqual(after["enemies"], [[0, 0, 0.75]] * 5)
        shot = self.game.shot("lost.png")
        # The title picture without counters or best list.
        self.assertEqual(shot.count((330, 60, 480, 260), e2e.green), 0)
        self.assertEqual(shot.count((0, 0, 480, 400), e2e.magenta), 0)

    def test_the_last_life_ends_the_game_and_asks_for_a_name(self):
        self.assertEqual(self.game.tick(self.second_death)["lives"], 1)
        over = [line for line in self.game.trace if line["screen"] == "over"]
        self.assertTrue(over)
        self.assertEqual(over[0]["lives"], 0)
        final = self.game.tick(self.last_death)
        self.assertEqual(final["screen"], "over")
        # Nested calls (the name dialog's) were written before the call they ran in.
        ticks = [line["tick"] for line in self.game.trace]
        self.assertLess(ticks.index(self.last_death + 1), ticks.index(self.last_death))
        score = final["score"]
        self.assertGreater(score, 0)
        self.assertEqual(final["best"][0], ["Zo\u00eb the brave", score])

    def test_the_name_dialog_shows_over_the_frame(self):
        shot = self.game.shot("name.png")
        w, h = shot.width, shot.height
        centre = shot.count((w // 2 - 60, h // 2 - 20, w // 2 + 60, h // 2 + 20),
                            lambda r, g, b: abs(r - g) < 12 and abs(g - b) < 12 and r > 150)
        self.assertGreater(centre, 500, "a light grey dialog face in the middle")

    def test_the_game_over_screen_lists_the_best(self):
        shot = self.game.shot("over.png")
        left = 480 // 2 - 150
        self.assertGreater(shot.count((left, 20, left + 200, 55), e2e.yellow), 30)  # The Best:
        for i in range(5):
            y = 100 + 50 * i
            self.assertGreater(shot.count((left, y - 30, left + 250, y + 5), e2e.magenta), 30)
        self.assertGreater(shot.count((left, 320, left + 300, 355), e2e.yellow), 30)
        self.assertEqual(shot.count((330, 60, 480, 90), e2e.green), 0)  # no counters

    def test_shift_cleans_the_scores_and_space_starts_again(self):
        self.assertEqual(self.game.tick(self.cleaned)["best"], [["Nobody", 0]] * 5)
        game = self.game.tick(self.new_game)
        self.assertEqual(game["screen"], "play")
        self.assertEqual((game["lives"], game["score"], game["level"]), (3, 0, 0))
        self.assertGreater(game["apples"], self.game.tick(self.cleaned)["apples"])  # reloaded

    def test_the_scores_file_keeps_the_table_at_exit(self):
        with open(self.game.folder + "/scores.dat", encoding="latin-1") as f:
            self.assertEqual(f.read().splitlines(), ["Nobody\t0"] * 5)


if __name__ == "__main__":
    unittest.main()
