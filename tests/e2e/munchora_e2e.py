"""End-to-end runs of the real program: a script, a headless run in a fresh temporary
working directory seeded with the game's data, and readers for what it leaves behind (the
state trace, standard error, PNG screenshots).

The program and the data folder come from the environment (MUNCHORA_EXE, MUNCHORA_RUN_DIR),
set by the CTest registration in e2e.cmake.
"""

import atexit
import json
import os
import shutil
import struct
import subprocess
import tempfile
import zlib


class Image:
    """An 8-bit RGB or RGBA PNG, pixels addressed from the top-left corner."""

    def __init__(self, path):
        with open(path, "rb") as f:
            data = f.read()
        assert data[:8] == b"\x89PNG\r\n\x1a\n", path
        pos, idat = 8, b""
        while pos < len(data):
            length, kind = struct.unpack(">I4s", data[pos:pos + 8])
            body = data[pos + 8:pos + 8 + length]
            if kind == b"IHDR":
                self.width, self.height, depth, colour, _, _, interlace = struct.unpack(
                    ">IIBBBBB", body)
                assert depth == 8 and colour in (2, 6) and interlace == 0, path
                self.channels = 4 if colour == 6 else 3
            elif kind == b"IDAT":
                idat += body
            pos += 12 + length
        self.rows = self._unfilter(zlib.decompress(idat))

    def _unfilter(self, raw):
        stride, bpp = self.width * self.channels, self.channels
        rows, prev, pos = [], bytearray(stride), 0
        for _ in range(self.height):
            kind, line = raw[pos], bytearray(raw[pos + 1:pos + 1 + stride])
            pos += 1 + stride
            for i in range(stride):
                left = line[i - bpp] if i >= bpp else 0
                up = prev[i]
                corner = prev[i - bpp] if i >= bpp else 0
                if kind == 1:
                    line[i] = (line[i] + left) & 255
                elif kind == 2:
                    line[i] = (line[i] + up) & 255
                elif kind == 3:
                    line[i] = (line[i] + (left + up) // 2) & 255
                elif kind == 4:
                    p = left + up - corner
                    pa, pb, pc = abs(p - left), abs(p - up), abs(p - corner)
                    pred = left if pa <= pb and pa <= pc else (up if pb <= pc else corner)
                    line[i] = (line[i] + pred) & 255
            rows.append(line)
            prev = line
        return rows

    def pixel(self, x, y):
        i = x * self.channels
        return tuple(self.rows[y][i:i + 3])

    def count(self, box, wanted):
        """How many pixels in box (x0, y0, x1, y1; x1 and y1 excluded) satisfy wanted(r, g, b)."""
        x0, y0, x1, y1 = box
        x0, y0 = max(0, x0), max(0, y0)
        x1, y1 = min(self.width, x1), min(self.height, y1)
        return sum(1 for y in range(y0, y1) for x in range(x0, x1) if wanted(*self.pixel(x, y)))


# Colour tests for the game's pure text colours (text is drawn unlit and untextured).
def green(r, g, b): return g > 200 and r < 60 and b < 60
def cyan(r, g, b): return g > 200 and b > 200 and r < 60
def red(r, g, b): return r > 200 and g < 60 and b < 60
def magenta(r, g, b): return r > 200 and b > 200 and g < 60
def yellow(r, g, b): return r > 200 and g > 200 and b < 60


class Run:
    """One finished run: its folder, exit status, standard error, trace and screenshots."""

    def __init__(self, folder, result):
        self.folder = folder
        self.returncode = result.returncode
        self.stderr = result.stderr
        self.trace = []
        path = os.path.join(folder, "trace.jsonl")
        if os.path.exists(path):
            with open(path, encoding="utf-8") as f:
                self.trace = [json.loads(line) for line in f if line.strip()]

    def tick(self, number):
        """The trace line of timer call number (the first written for it)."""
        for line in self.trace:
            if line["tick"] == number:
                return line
        raise KeyError(number)

    def shot(self, name):
        return Image(os.path.join(self.folder, name))


def run(script, ticks=None, size=(160, 120), files=None, options=()):
    """Runs the program headless on script text; files maps extra file names to contents and
    options are further command-line options."""
    exe, data = os.environ["MUNCHORA_EXE"], os.environ["MUNCHORA_RUN_DIR"]
    folder = tempfile.mkdtemp(prefix="munchora-e2e-")
    atexit.register(shutil.rmtree, folder, True)  # kept while the test reads its files
    for name in os.listdir(data):
        source = os.path.join(data, name)
        if os.path.isfile(source):
            shutil.copy(source, folder)
    for name, content in (files or {}).items():
        mode = "wb" if isinstance(content, bytes) else "w"
        with open(os.path.join(folder, name), mode) as f:
            f.write(content)
    with open(os.path.join(folder, "script.txt"), "w", encoding="utf-8") as f:
        f.write(script)
    command = [exe, "--headless", "--script", "script.txt", "--trace", "trace.jsonl",
               "--size", "%dx%d" % size]
    if ticks is not None:
        command += ["--ticks", str(ticks)]
    command += list(options)
    env = dict(os.environ, SDL_AUDIODRIVER="dummy")
    result = subprocess.run(command, cwd=folder, env=env, capture_output=True, text=True,
                            timeout=600)
    return Run(folder, result)
