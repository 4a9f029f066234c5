"""Reference runs: scripted headless runs whose traces and screenshots must stay exactly as
they were recorded. A change that should keep behaviour (a refactoring, a faster way to draw
the same picture) is checked against them on this machine's software rasteriser.

    python3 tests/golden/golden.py check  --exe build/default/src/munchora --data build/default/run
    python3 tests/golden/golden.py record --exe build/default/src/munchora --data build/default/run

`record` replaces expected/ with the runs of the program given; use it only when the
rasteriser itself changed (a new Mesa), or when a change of behaviour is intended, and say so
in the commit. `check` runs every case and compares: trace lines as text, screenshots pixel
for pixel. A case that differs keeps its run in the output folder (--keep) for a look.
"""

import argparse
import os
import shutil
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "e2e"))
from munchora_e2e import Image  # noqa: E402

# name: (script, width, height, ticks)
CASES = {
    "play-160x120": ("play.txt", 160, 120, 180),
    "play-320x240": ("play.txt", 320, 240, 180),
    "large-1280x720": ("large.txt", 1280, 720, 22),
    "resize-320x240": ("resize.txt", 320, 240, 45),
    "lives-320x240": ("lives.txt", 320, 240, 320),
    "lives-640x480": ("lives.txt", 640, 480, 320),
    "caught-320x240": ("caught.txt", 320, 240, 251),
    "random-160x120": ("random.txt", 160, 120, 4000),
}


def run_case(exe, data, name, folder):
    script, width, height, ticks = CASES[name]
    os.makedirs(folder)
    for entry in os.listdir(data):
        source = os.path.join(data, entry)
        if os.path.isfile(source) and entry != "scores.dat":
            shutil.copy(source, folder)
    shutil.copy(os.path.join(HERE, "scripts", script), os.path.join(folder, "script.txt"))
    command = [exe, "--headless", "--script", "script.txt", "--trace", "trace.jsonl",
               "--size", "%dx%d" % (width, height), "--ticks", str(ticks)]
    env = dict(os.environ, SDL_AUDIODRIVER="dummy")
    result = subprocess.run(command, cwd=folder, env=env, capture_output=True, text=True,
                            timeout=900)
    if result.returncode != 0 or result.stderr:
        raise RuntimeError("%s: exit %d\n%s" % (name, result.returncode, result.stderr))
    for leftover in os.listdir(folder):
        if leftover not in ("trace.jsonl", "scores.dat") and not leftover.endswith(".png"):
            os.remove(os.path.join(folder, leftover))


def same_picture(a, b):
    with open(a, "rb") as fa, open(b, "rb") as fb:
        if fa.read() == fb.read():
            return True
    ia, ib = Image(a), Image(b)
    return (ia.width, ia.height) == (ib.width, ib.height) and all(
        ra[i::ia.channels] == rb[i::ib.channels] and True
        for ra, rb in zip(ia.rows, ib.rows) for i in range(3))


def differences(expected, actual):
    """What differs between two case folders, one line each."""
    found = []
    names = sorted(set(os.listdir(expected)) | set(os.listdir(actual)))
    for name in names:
        e, a = os.path.join(expected, name), os.path.join(actual, name)
        if not os.path.exists(e) or not os.path.exists(a):
            found.append("%s: only in %s" % (name, "the run" if os.path.exists(a) else "expected"))
        elif name.endswith(".png"):
            if not same_picture(e, a):
                found.append("%s: pixels differ" % name)
        else:
            with open(e, encoding="utf-8") as fe, open(a, encoding="utf-8") as fa:
                le, la = fe.read().splitlines(), fa.read().splitlines()
            for number, (x, y) in enumerate(zip(le, la), 1):
                if x != y:
                    found.append("%s:%d: expected %s\n    got      %s" % (name, number, x, y))
                    break
            else:
                if len(le) != len(la):
                    found.append("%s: %d lines, expected %d" % (name, len(la), len(le)))
    return found


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("mode", choices=("check", "record"))
    parser.add_argument("--exe", required=True)
    parser.add_argument("--data", required=True)
    parser.add_argument("--keep", help="folder for the runs of cases that differ")
    parser.add_argument("cases", nargs="*", default=sorted(CASES))
    args = parser.parse_intermixed_args()
    exe = os.path.abspath(args.exe)
    expected_root = os.path.join(HERE, "expected")
    scratch = tempfile.mkdtemp(prefix="munchora-golden-")
    failed = []
    try:
        for name in args.cases:
            folder = os.path.join(scratch, name)
            run_case(exe, os.path.abspath(args.data), name, folder)
            target = os.path.join(expected_root, name)
            if args.mode == "record":
                shutil.rmtree(target, ignore_errors=True)
                shutil.copytree(folder, target)
                print("recorded", name)
                continue
            found = differences(target, folder)
            print("%s: %s" % (name, "same" if not found else "DIFFERS"))
            for line in found[:10]:
                print("  " + line)
            if found:
                failed.append(name)
                if args.keep:
                    shutil.copytree(folder, os.path.join(args.keep, name), dirs_exist_ok=True)
    finally:
        shutil.rmtree(scratch, ignore_errors=True)
    if failed:
        print("%d of %d cases differ: %s" % (len(failed), len(args.cases), " ".join(failed)))
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
