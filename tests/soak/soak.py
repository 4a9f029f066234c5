"""Soak run: the real program, headless, on a long random but reproducible script, with every
line of its state trace checked as it is written and its memory sampled all along.

    python3 tests/soak/soak.py --ticks 144000 --build build/asan     # an hour of game time

The run happens in a fresh temporary folder seeded with the build's run/ folder (the
game's data). It fails, printing the tick and what broke, when the program crashes or
exits with an error, a sanitizer reports anything (leaks included), the trace stops short
of the last tick, an invariant of trace_check.py breaks, or memory grows: the peak resident
size over the last quarter of the run may exceed the peak over the first quarter by
--margin-mb at most, however many lives were lost in between. The first quarter includes
start-up and, under AddressSanitizer, the filling of its quarantine of freed memory. That
quarantine is bounded at QUARANTINE_MB: at the default 256 MB it was still filling late in
a short run, by a software-rasterised frame's worth of blocks at a time, and the last
quarter's peak moved by 10 MB either way from run to run.

A program built with AddressSanitizer gets the sanitizer test preset's environment from
CMakePresets.json (leak suppressions for third-party libraries, Mesa kept loaded) unless
the environment already sets LSAN_OPTIONS, as CTest does. On failure the folder, with the
script and the trace, is kept for replaying.
"""

import argparse
import json
import os
import shutil
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
SOURCE_DIR = os.path.normpath(os.path.join(HERE, "..", ".."))
sys.path.insert(0, HERE)

import make_script  # noqa: E402
import trace_check  # noqa: E402

SAMPLE_SECONDS = 0.5
QUARANTINE_MB = 32  # several frames of freed memory still poisoned, full within seconds
SANITIZER_MARKS = ("ERROR: AddressSanitizer", "ERROR: LeakSanitizer", "runtime error:")


def sanitizer_environment():
    """The environment of the sanitizer test preset, with ${sourceDir} filled in."""
    with open(os.path.join(SOURCE_DIR, "CMakePresets.json"), encoding="utf-8") as f:
        presets = json.load(f)["testPresets"]
    preset = next(p for p in presets if p["name"] == "asan")
    return {name: value.replace("${sourceDir}", SOURCE_DIR)
            for name, value in preset.get("environment", {}).items()}


def built_with_asan(exe):
    with open(exe, "rb") as f:
        return b"__asan_init" in f.read()


def memory_kb(pid):
    """(VmRSS, VmHWM) of the process in kB, or None once it is gone."""
    try:
        with open("/proc/%d/status" % pid, encoding="utf-8") as f:
            fields = dict(line.split(":", 1) for line in f if ":" in line)
        return int(fields["VmRSS"].split()[0]), int(fields["VmHWM"].split()[0])
    except (OSError, KeyError, ValueError):
        return None


class TraceFollower:
    """Reads the trace as the program writes it and feeds whole lines to the checker."""

    def __init__(self, path, checker):
        self.path, self.checker = path, checker
        self.file, self.rest = None, ""

    def poll(self):
        if self.file is None:
            if not os.path.exists(self.path):
                return
            self.file = open(self.path, encoding="utf-8")
        self.rest += self.file.read()
        *lines, self.rest = self.rest.split("\n")
        for line in lines:
            if line.strip():
                self.checker.check_text(line)

    def close(self):
        self.poll()
        if self.rest.strip():
            self.checker.check_text(self.rest)
        if self.file:
            self.file.close()


class Failure(Exception):
    pass


def soak(exe, data, ticks, seed, size, margin_mb, memory_log=None, out=print):
    folder = tempfile.mkdtemp(prefix="munchora-soak-")
    try:
        result = _run(exe, data, folder, ticks, seed, size, margin_mb, memory_log, out)
    except (Failure, trace_check.Violation) as failure:
        out("FAIL: %s" % failure)
        out("the run is kept in %s" % folder)
        return 1
    shutil.rmtree(folder)
    return result


def _run(exe, data, folder, ticks, seed, size, margin_mb, memory_log, out):
    for name in os.listdir(data):
        source = os.path.join(data, name)
        if os.path.isfile(source):
            shutil.copy(source, folder)
    make_script.main(["--seed", str(seed), "--ticks", str(ticks),
                      "--out", os.path.join(folder, "script.txt")])
    env = dict(os.environ, SDL_AUDIODRIVER="dummy")
    if built_with_asan(exe):
        if "LSAN_OPTIONS" not in env:
            env.update(sanitizer_environment())
        env["ASAN_OPTIONS"] = ":".join(
            filter(None, [env.get("ASAN_OPTIONS"), "quarantine_size_mb=%d" % QUARANTINE_MB]))
    command = [exe, "--headless", "--script", "script.txt", "--trace", "trace.jsonl",
               "--ticks", str(ticks), "--size", size]
    checker = trace_check.TraceChecker()
    follower = TraceFollower(os.path.join(folder, "trace.jsonl"), checker)
    samples = []  # (tick, VmRSS kB, VmHWM kB)
    started = time.monotonic()
    with open(os.path.join(folder, "stderr.txt"), "w+", encoding="utf-8") as errors:
        process = subprocess.Popen(command, cwd=folder, env=env, stdout=subprocess.DEVNULL,
                                   stderr=errors)
        try:
            while process.poll() is None:
                memory = memory_kb(process.pid)
                follower.poll()
                if memory:
                    samples.append((checker.last_tick,) + memory)
                time.sleep(SAMPLE_SECONDS)
        finally:
            if process.poll() is None:
                process.kill()
                process.wait()
        seconds = time.monotonic() - started
        errors.seek(0)
        stderr = errors.read()
    follower.close()
    if memory_log:
        with open(memory_log, "w", encoding="utf-8") as f:
            f.write("# tick VmRSS_kB VmHWM_kB\n")
            f.writelines("%d %d %d\n" % sample for sample in samples)

    if process.returncode != 0 or any(mark in stderr for mark in SANITIZER_MARKS):
        raise Failure("after tick %d the program exited with status %d:\n%s"
                      % (checker.last_tick, process.returncode, stderr[-4000:]))
    if checker.last_tick != ticks:
        raise Failure("the trace ends at tick %d, not %d" % (checker.last_tick, ticks))

    first = [s for s in samples if s[0] <= ticks // 4]
    # Samples taken once the last line is in were taken during the exit and its leak check.
    last = [s for s in samples if ticks - ticks // 4 <= s[0] < ticks]
    if not first or not last:
        raise Failure("too few memory samples (%d) to compare the first and last quarter"
                      % len(samples))
    start_peak = max(s[1] for s in first) / 1024.0
    end_peak = max(s[1] for s in last) / 1024.0
    out("%d ticks (seed %d, %s) in %.0f s: %d lives lost, %d games over"
        % (ticks, seed, size, seconds, checker.lives_lost, checker.game_overs))
    out("peak resident memory: %.1f MB in the first quarter, %.1f MB in the last "
        "(%.1f MB over the whole run)" % (start_peak, end_peak, samples[-1][2] / 1024.0))
    if end_peak > start_peak + margin_mb:
        raise Failure("memory grew from %.1f MB to %.1f MB, more than %.1f MB"
                      % (start_peak, end_peak, margin_mb))
    return 0


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--ticks", type=int, default=144000, help="timer calls (25 ms each)")
    parser.add_argument("--seed", type=int, default=1, help="seed of the input script")
    parser.add_argument("--build", help="a build folder: its src/munchora and its run/ data")
    parser.add_argument("--exe", help="the program (instead of --build)")
    parser.add_argument("--run-dir", help="the folder of game data (instead of --build)")
    parser.add_argument("--size", default="64x64")
    parser.add_argument("--margin-mb", type=float, default=16.0,
                        help="allowed growth of peak memory from the first to the last quarter")
    parser.add_argument("--memory-log", help="write the memory samples (tick, kB) to this file")
    args = parser.parse_args(argv)
    exe = args.exe or (args.build and os.path.join(args.build, "src", "munchora"))
    data = args.run_dir or (args.build and os.path.join(args.build, "run"))
    if not exe or not data:
        parser.error("name a --build folder, or --exe and --run-dir")
    if args.ticks < 8:
        parser.error("--ticks must be at least 8 to have quarters to compare")
    return soak(os.path.abspath(exe), os.path.abspath(data), args.ticks, args.seed, args.size,
                args.margin_mb, args.memory_log)


if __name__ == "__main__":
    sys.exit(main())
