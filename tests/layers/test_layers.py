"""The arrow checker on small made-up trees, and on the game's own source."""

import os
import tempfile
import unittest

import layers

SRC = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "src")


def tree(files):
    folder = tempfile.mkdtemp(prefix="munchora-layers-")
    for path, text in files.items():
        full = os.path.join(folder, path)
        os.makedirs(os.path.dirname(full), exist_ok=True)
        with open(full, "w", encoding="utf-8") as f:
            f.write(text)
    return folder


class Arrows(unittest.TestCase):
    def test_the_game_follows_its_arrows(self):
        self.assertEqual(layers.violations(SRC), [])

    def test_back_arrows_and_forbidden_libraries_are_caught(self):
        found = layers.violations(tree({
            "board/board.cpp": '#include "board/board.h"\n#include "app/game.h"\n',
            "hero/hero.cpp": "#include <GL/gl.h>\n#include <vector>\n",
            "hero/hero_draw.cpp": '#include <GL/gl.h>\n#include "hero/hero.h"\n',
            "camera/camera.cpp": '#include "world/game_state.h"\n',
            "images/picture.cpp": "#include <SDL2/SDL.h>\n",
            "math/random.h": '#include "math/vec_math.h"\n',
            "stray/thing.cpp": "",
        }))
        self.assertEqual(sorted(found), [
            ("board/board.cpp", 2, "rules -> app (app/game.h)"),
            ("camera/camera.cpp", 1, "camera -> rules (world/game_state.h)"),
            ("hero/hero.cpp", 1, "rules -> GL (GL/gl.h)"),
            ("images/picture.cpp", 1, "images -> SDL (SDL2/SDL.h)"),
            ("stray/thing.cpp", 0, "in no layer"),
        ])


if __name__ == "__main__":
    unittest.main()
