// The title picture: the game's name and "Press SPACE to play" over a night scene (stars, a
// moon, a glowing maze floor running to the horizon, apples on it), with a line of the keys.
#pragma once

#include "canvas.h"

#include <string>

// Paints the picture at width x height; fontPath is the bold face for the text (an empty
// path gives the scene without text).
Canvas makeTitle(int width, int height, const std::string& fontPath);
