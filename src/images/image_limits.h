// The largest picture any of the game's image readers accepts. A header can claim any size;
// the readers refuse a side above this before allocating, so a tiny file cannot ask for
// gigabytes. 8192 is the texture size every current desktop GL driver supports; at 3 bytes
// a pixel the largest picture is 8192 x 8192 x 3 = 192 MiB.
#pragma once

constexpr int MAX_PICTURE_SIDE = 8192;
