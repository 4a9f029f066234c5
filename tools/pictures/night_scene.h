// The title picture's background: a night sky with stars and a moon over a maze floor seen
// in perspective, its walls glowing lines, apples glowing dots, fading into the horizon.
#pragma once

#include "canvas.h"

// The picture's horizon lies at 58 % of its height; text above it stays on the sky.
constexpr float TITLE_HORIZON = 0.58f;

void paintNightScene(Canvas& canvas);
