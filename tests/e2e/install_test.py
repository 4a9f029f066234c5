"""The installed game: `cmake --install` into a temporary prefix, started from an unrelated
folder. It must play from the player's own data folder, seeded from the install on first
start, keep its best scores there across runs, and leave the install untouched.

Run by install.cmake with the build folder as the only argument.
"""

import os
import subprocess
import sys
import tempfile


def run(exe, cwd, env, script):
    with open(os.path.join(cwd, "run.txt"), "w") as f:
        f.write(script)
    result = subprocess.run([exe, "--headless", "--size", "64x48", "--script", "run.txt",
                             "--trace", "trace.jsonl"], cwd=cwd, env=env,
                            capture_output=True, text=True, timeout=120)
    assert result.returncode == 0, result.stderr
    assert result.stderr == "", result.stderr  # every data file was found
    return result


def main(build):
    with tempfile.TemporaryDirectory(prefix="munchora-install-") as root:
        prefix, home, elsewhere = (os.path.join(root, d) for d in ("prefix", "data", "cwd"))
        os.makedirs(elsewhere)
        subprocess.run(["cmake", "--install", build, "--prefix", prefix], check=True,
                       capture_output=True)
        for path in ("share/applications/munchora.desktop",
                     "share/icons/hicolor/32x32/apps/munchora.png",
                     "share/munchora/data/First.jpg"):
            assert os.path.isfile(os.path.join(prefix, path)), path
        install_files = sorted(os.listdir(os.path.join(prefix, "share/munchora/data")))

        env = dict(os.environ, XDG_DATA_HOME=home)
        exe = os.path.join(prefix, "bin", "munchora")
        run(exe, elsewhere, env, "3 quit\n")
        mine = os.path.join(home, "munchora")
        assert set(install_files) <= set(os.listdir(mine)), os.listdir(mine)
        assert os.path.isfile(os.path.join(elsewhere, "trace.jsonl"))  # named from the start folder

        scores = os.path.join(mine, "scores.dat")
        with open(scores, "w") as f:
            f.write("Ann\t500\nBob\t400\nCyd\t300\nDee\t200\nEve\t100\n")
        run(exe, elsewhere, env, "3 quit\n")
        with open(scores) as f:
            assert f.read().splitlines()[0] == "Ann\t500", "scores were not kept"
        assert sorted(os.listdir(os.path.join(prefix, "share/munchora/data"))) == install_files
    print("install test passed")


if __name__ == "__main__":
    main(sys.argv[1])
