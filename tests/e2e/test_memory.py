"""Memory of a long headless run: frames drawn offscreen are never presented, so nothing
but the program's own end-of-frame wait keeps the software rasteriser's queue short. Without
it, at 640x480 every frame left megabytes queued and the program grew without bound."""

import os
import shutil
import subprocess
import tempfile
import unittest


def peak_memory_mb(ticks, size="640x480"):
    """Peak resident memory of a run of ticks play frames, walking and turning."""
    exe, data = os.environ["MUNCHORA_EXE"], os.environ["MUNCHORA_RUN_DIR"]
    # Under AddressSanitizer freed memory waits in a quarantine of up to 256 MB before it is
    # reused, which looks like growth over these few frames; without it only real growth shows.
    asan = ":".join(filter(None, [os.environ.get("ASAN_OPTIONS"), "quarantine_size_mb=0"]))
    with tempfile.TemporaryDirectory(prefix="munchora-memory-") as folder:
        for name in os.listdir(data):
            shutil.copy(os.path.join(data, name), folder)
        with open(os.path.join(folder, "script.txt"), "w") as f:
            f.write("1 press Space\n2 down Up\n2 down Left\n")
        process = subprocess.Popen(
            [exe, "--headless", "--script", "script.txt", "--ticks", str(ticks), "--size", size],
            cwd=folder, env=dict(os.environ, SDL_AUDIODRIVER="dummy", ASAN_OPTIONS=asan),
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        _, status, usage = os.wait4(process.pid, 0)
        assert status == 0, status
        return usage.ru_maxrss / 1024.0


class Memory(unittest.TestCase):
    def test_frames_do_not_pile_up(self):
        short, long = peak_memory_mb(30), peak_memory_mb(150)
        self.assertLess(long - short, 30, f"{short:.0f} MB after 30 frames, {long:.0f} MB after 150")


if __name__ == "__main__":
    unittest.main()
