"""The include arrows between the game's layers: every #include in src/ must point along an
allowed arrow, so the rules never reach drawing, the platform, GL or SDL, and only the
platform touches SDL.

    python3 tests/layers/layers.py [SRC_DIR]

prints each forbidden include as FILE:LINE: LAYER -> LAYER (what it includes) and exits 1
when there is one. A subsystem's drawing sits beside its rules as *_draw.h / *_draw.cpp.
"""

import os
import re
import sys

DRAWING_FOLDERS = ("board", "hero", "enemies", "camera", "characters")

# The folders of each layer, checked in this order; the drawing files are picked out first.
FOLDER_LAYERS = {
    "platform": "platform",
    "math": "math",
    "characters": "meshes",
    "images": "images",
    "music": "music",
    "camera": "camera",
    "world": "rules",
    "board": "rules",
    "hero": "rules",
    "enemies": "rules",
    "scores": "rules",
    "resources": "resources",
    "app": "app",
}

# Which layers a layer's files may include, and which system libraries.
ALLOWED = {
    "app": ({"app", "drawing", "rules", "camera", "images", "music", "meshes", "math",
             "platform", "resources"}, {"GL"}),
    "drawing": ({"drawing", "rules", "camera", "images", "meshes", "math"}, {"GL"}),
    "rules": ({"rules", "camera", "math"}, set()),  # the world holds the camera
    "camera": ({"camera", "math"}, set()),
    "images": ({"images", "platform", "math"}, {"GL"}),
    "music": ({"music", "platform", "resources"}, set()),  # its messages carry the name
    "meshes": ({"meshes", "math"}, set()),
    "math": ({"math"}, set()),
    "platform": ({"platform"}, {"GL", "SDL"}),
    "resources": ({"resources"}, set()),
}

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')


def layer_of(path):
    """The layer of a path relative to src/, or None for one outside every layer."""
    parts = path.replace(os.sep, "/").split("/")
    if len(parts) == 1:
        return "app" if parts[0] == "main.cpp" else None
    folder, name = parts[0], parts[-1]
    if folder in DRAWING_FOLDERS and re.search(r"_draw\.(h|cpp)$", name):
        return "drawing"
    return FOLDER_LAYERS.get(folder)


def system_library(header):
    if header.startswith("GL/"):
        return "GL"
    if header.startswith("SDL"):
        return "SDL"
    return None


def violations(src):
    """(file, line, what) for every include against the arrows, and files of no layer."""
    found = []
    for root, _, files in os.walk(src):
        for name in sorted(files):
            if not name.endswith((".h", ".cpp")):
                continue
            path = os.path.relpath(os.path.join(root, name), src)
            layer = layer_of(path)
            if layer is None:
                found.append((path, 0, "in no layer"))
                continue
            layers, libraries = ALLOWED[layer]
            with open(os.path.join(src, path), encoding="utf-8") as f:
                for number, text in enumerate(f, 1):
                    match = INCLUDE.match(text)
                    if not match:
                        continue
                    quote, header = match.groups()
                    if quote == '"':
                        target = layer_of(header)
                        if target is not None and target not in layers:
                            found.append((path, number, "%s -> %s (%s)" % (layer, target, header)))
                    else:
                        library = system_library(header)
                        if library and library not in libraries:
                            found.append((path, number, "%s -> %s (%s)" % (layer, library, header)))
    return found


def main(argv):
    src = argv[1] if len(argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "..", "src")
    found = violations(src)
    for path, line, what in found:
        print("%s:%d: %s" % (path, line, what))
    if not found:
        print("every include follows the layers' arrows")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
