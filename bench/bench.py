"""The game's figures in one table: the cost of a tick of game rules and of choosing the
Hero's triangles in a small window, frame times of the real program on the software
rasteriser at three sizes at full scale and at two with the render scale left to the
frames (and the scale they settled on), the game's pace on the real clock, start-up to
the first presented frame, peak memory, and the cost of rendering the music.

    python3 bench/bench.py BUILD_DIR [--json FILE]

BUILD_DIR is a release build holding src/munchora, bench/munchora_bench and run/ (./bench
makes it). Frames are measured in the real program, headless, with --frame-times: every
timer call ends with glFinish, so a frame's time includes its pixels. Only play frames
count (the trace says which), after a warm-up.
"""

import argparse
import json
import os
import shutil
import statistics
import subprocess
import sys
import tempfile

SIZES = [(64, 64), (1280, 720), (1920, 1080)]
FRAMES = 400
WARM_UP = 20
STARTUP_RUNS = 5

AUTO_SIZES = [(1280, 720), (1920, 1080)]
PACE_TICKS = 400

GOALS = {  # figure: limit; a negative limit is a floor (the figure must reach it)
    "tick_us": 20,
    "frame_64x64_median_ms": 1,
    "frame_1280x720_median_ms": 20,
    "frame_1280x720_p99_ms": 25,
    "frame_1920x1080_auto_p99_ms": 25,
    "pace_ticks_per_s": -39.5,
    "startup_ms": 150,
    "peak_memory_mb": 150,
    "audio_core_percent": 5,
}


def play_script(frames):
    """Walks and turns through the maze, jumping now and then; Space every second brings
    the game back into play after a lost life."""
    lines = ["1 press Space", "2 down Up"]
    for tick in range(40, frames, 40):
        lines.append(f"{tick} press Space")
        lines.append(f"{tick} down {'Left' if tick % 80 else 'Right'}")
        lines.append(f"{tick + 6} up {'Left' if tick % 80 else 'Right'}")
        lines.append(f"{tick + 10} down Ctrl")
        lines.append(f"{tick + 12} up Ctrl")
    return "\n".join(lines) + "\n"


def run_game(build, width, height, frames, script=None, options=()):
    """Runs the program headless in a copy of the data folder on script (by default the
    walk of play_script) with further options; returns its play frames' times after the
    warm-up, its start-up time, its peak resident memory in MB, the render scale it ended
    at, and its number of calls with the wall time from the first one's start to the last
    one's end."""
    with tempfile.TemporaryDirectory(prefix="munchora-bench-") as folder:
        for name in os.listdir(os.path.join(build, "run")):
            shutil.copy(os.path.join(build, "run", name), folder)
        with open(os.path.join(folder, "play.txt"), "w") as f:
            f.write(play_script(frames) if script is None else script)
        env = dict(os.environ, SDL_AUDIODRIVER="dummy")
        process = subprocess.Popen(
            [os.path.join(build, "src", "munchora"), "--headless", "--size",
             f"{width}x{height}", "--script", "play.txt", "--ticks", str(frames),
             "--trace", "trace.jsonl", "--frame-times", "times.txt", *options],
            cwd=folder, env=env, stderr=subprocess.PIPE)
        _, status, usage = os.wait4(process.pid, 0)
        if status != 0:
            sys.exit(f"munchora failed: {process.stderr.read().decode()}")
        with open(os.path.join(folder, "times.txt")) as f:
            pairs = [line.split() for line in f]
        with open(os.path.join(folder, "trace.jsonl")) as f:
            screens = [json.loads(line)["screen"] for line in f]
    values = {name: float(value) for name, value in pairs if name != "frame_ms"}
    times = [float(value) for name, value in pairs if name == "frame_ms"]
    play = [t for tick, t in enumerate(times) if tick >= WARM_UP and screens[tick] == "play"]
    return (play, values["startup_ms"], usage.ru_maxrss / 1024.0, values["render_scale"],
            (len(times), values["calls_ms"]))


def percentile(values, fraction):
    ordered = sorted(values)
    return ordered[min(len(ordered) - 1, int(fraction * (len(ordered) - 1) + 0.5))]


def google_benchmarks(build):
    out = subprocess.run(
        [os.path.join(build, "bench", "munchora_bench"), "--benchmark_format=json",
         "--benchmark_filter=wholeTickOfRules|renderMusic|loadSoundFont|chooseHeroTriangles/64/"],
        check=True, capture_output=True, text=True, env=dict(os.environ, SDL_AUDIODRIVER="dummy"),
        cwd=os.path.join(build, "run")).stdout
    results = {b["name"]: b for b in json.loads(out)["benchmarks"]}
    tick = results["wholeTickOfRules"]
    choice = results["chooseHeroTriangles/64/64"]
    scale = {"ns": 1e-3, "us": 1.0, "ms": 1e3}
    audio = max(b["core_percent"] for name, b in results.items() if name.startswith("renderMusic"))
    return {"tick_us": tick["cpu_time"] * scale[tick["time_unit"]],
            "hero_triangles_us": choice["cpu_time"] * scale[choice["time_unit"]],
            "audio_core_percent": audio}


def frames(figures, name, play):
    figures[name + "_median_ms"] = statistics.median(play)
    figures[name + "_p99_ms"] = percentile(play, 0.99)
    figures[name + "_frames"] = len(play)


def measure(build):
    figures = google_benchmarks(build)
    peak = 0.0
    for width, height in SIZES:
        play, _, memory, _, _ = run_game(build, width, height, FRAMES)
        frames(figures, f"frame_{width}x{height}", play)
        peak = max(peak, memory)
    # The render scale left to the frames: what a player's window does.
    for width, height in AUTO_SIZES:
        name = f"frame_{width}x{height}_auto"
        play, _, memory, scale, _ = run_game(build, width, height, FRAMES,
                                             options=["--render-scale", "auto"])
        frames(figures, name, play)
        figures[name + "_scale"] = scale
        peak = max(peak, memory)
    # The pace: timer calls a second of wall time, on the real clock, at the desktop size.
    _, _, memory, _, (calls, calls_ms) = run_game(
        build, 1920, 1080, PACE_TICKS, options=["--render-scale", "auto", "--real-clock"])
    figures["pace_ticks_per_s"] = (calls - 1) * 1000.0 / calls_ms
    peak = max(peak, memory)
    # A player's start, the scale on auto as in a player's window: everything loaded, then
    # the title screen as the first frame.
    startups = [run_game(build, 1280, 720, 1, "# the title screen\n",
                         options=["--render-scale", "auto"])[1] for _ in range(STARTUP_RUNS)]
    figures["startup_ms"] = statistics.median(startups)
    figures["peak_memory_mb"] = peak
    return figures


def report(figures):
    rows = [("whole tick of game rules", "tick_us", "us"),
            ("Hero's triangles chosen, 64x64", "hero_triangles_us", "us")]
    for width, height in SIZES:
        rows.append((f"frame {width}x{height} median", f"frame_{width}x{height}_median_ms", "ms"))
        rows.append((f"frame {width}x{height} 99th pct", f"frame_{width}x{height}_p99_ms", "ms"))
    for width, height in AUTO_SIZES:
        name = f"frame_{width}x{height}_auto"
        rows.append((f"frame {width}x{height} auto median", name + "_median_ms", "ms"))
        rows.append((f"frame {width}x{height} auto 99th pct", name + "_p99_ms", "ms"))
        rows.append((f"  scale it settled on", name + "_scale", ""))
    rows += [("pace on the real clock", "pace_ticks_per_s", "ticks/s"),
             ("start-up to first frame", "startup_ms", "ms"),
             ("peak resident memory", "peak_memory_mb", "MB"),
             ("music rendering", "audio_core_percent", "% of a core")]
    print(f"{'figure':32} {'value':>10}  {'goal':>10}")
    for label, key, unit in rows:
        goal = GOALS.get(key)
        if goal is None:
            verdict, limit = "", ""
        elif goal < 0:
            verdict, limit = ("ok" if figures[key] >= -goal else "MISSED"), f">= {-goal}"
        else:
            verdict, limit = ("ok" if figures[key] < goal else "MISSED"), f"< {goal}"
        print(f"{label:32} {figures[key]:10.2f}  {limit:>10} {unit:12} {verdict}")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("build")
    parser.add_argument("--json", default=None, help="where to write the figures")
    args = parser.parse_args()
    build = os.path.abspath(args.build)
    figures = measure(build)
    report(figures)
    path = args.json or os.path.join(build, "bench-results.json")
    with open(path, "w") as f:
        json.dump(figures, f, indent=2)
    print(f"figures written to {path}")


if __name__ == "__main__":
    main()
