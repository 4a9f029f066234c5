"""Random but reproducible input for a long scripted run: the same seed and tick count always
give the same script, so a soak failure replays exactly.

The player it imitates holds the arrows for a while and changes its mind now and then,
jumps with Ctrl, presses Space often enough to leave the title screen soon after a lost
life, flips the music (F2) and the sound effects (F3) on rare occasions, and every few
hundred ticks types a name, presses Return and then Space, which answers the name entry and
starts a new game whenever a game is over. Held keys are sent down again from time to time,
as a keyboard's auto-repeat does, because Space clears the held keys. Escape, Alt and
screenshots are never sent: the run must last its full length.

Usage: make_script.py --seed S --ticks N [--out FILE]   (standard output by default)
"""

import argparse
import random
import string
import sys

# Chances per tick.
WALK_CHANGE = 0.03      # pick a new walking key (Up, Down or none)
TURN_CHANGE = 0.06      # pick a new turning key (Left, Right or none)
JUMP_START = 0.012
JUMP_RELEASE = 0.25
REPEAT = 0.04           # a held key's auto-repeat
SPACE = 0.02
TOGGLE = 0.0006         # F2, and separately F3
NAME_ENTRY = 0.004

WALK_CHOICES = (["Up"] * 7) + (["Down"] * 2) + [None]
TURN_CHOICES = ["Left", "Right", None, None, None]
NAME_LETTERS = string.ascii_letters + string.digits


def _name(rng):
    return "".join(rng.choice(NAME_LETTERS) for _ in range(rng.randint(1, 12)))


def generate(seed, ticks):
    """The script's lines for ticks 1 .. ticks, in tick order."""
    rng = random.Random(seed)
    lines = []
    walking = turning = None
    jumping = False
    for tick in range(1, ticks + 1):
        def key(action, name):
            lines.append("%d %s %s" % (tick, action, name))

        if rng.random() < WALK_CHANGE:
            wanted = rng.choice(WALK_CHOICES)
            if wanted != walking:
                if walking:
                    key("up", walking)
                if wanted:
                    key("down", wanted)
                walking = wanted
        if rng.random() < TURN_CHANGE:
            wanted = rng.choice(TURN_CHOICES)
            if wanted != turning:
                if turning:
                    key("up", turning)
                if wanted:
                    key("down", wanted)
                turning = wanted
        if jumping and rng.random() < JUMP_RELEASE:
            key("up", "Ctrl")
            jumping = False
        elif not jumping and rng.random() < JUMP_START:
            key("down", "Ctrl")
            jumping = True
        for held in (walking, turning, "Ctrl" if jumping else None):
            if held and rng.random() < REPEAT:
                key("down", held)
        if rng.random() < SPACE:
            key("press", "Space")
        for toggle in ("F2", "F3"):
            if rng.random() < TOGGLE:
                key("press", toggle)
        # The name goes in over three ticks, so a dialog opened by this tick's frame still
        # gets the rest; Backspace now and then, as a person correcting a typo.
        if rng.random() < NAME_ENTRY and tick + 2 <= ticks:
            key("type", _name(rng))
            if rng.random() < 0.3:
                key("press", "Backspace")
            lines.append("%d press Return" % (tick + 1))
            lines.append("%d press Space" % (tick + 2))
    # Events must be in tick order; the name entry wrote two ticks ahead.
    lines.sort(key=lambda line: int(line.split(" ", 1)[0]))
    return lines


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--seed", type=int, required=True)
    parser.add_argument("--ticks", type=int, required=True)
    parser.add_argument("--out")
    args = parser.parse_args(argv)
    text = "\n".join(generate(args.seed, args.ticks)) + "\n"
    if args.out:
        with open(args.out, "w", encoding="utf-8") as f:
            f.write(text)
    else:
        sys.stdout.write(text)


if __name__ == "__main__":
    main()
