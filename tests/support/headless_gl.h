// A current OpenGL context on Mesa's software rasteriser for tests that need real GL
// state (texture uploads, drawing). Created once per test program, on first use; the
// offscreen video driver needs no display.
#pragma once

namespace testsupport {

// Makes a compatibility-profile context of the given size current; returns false when no
// context can be had (the test should then fail, not skip: CI always has Mesa).
bool makeHeadlessGlContext(int width = 64, int height = 64);

} // namespace testsupport
