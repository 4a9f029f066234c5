// Text set with FreeType into a coverage mask, for the title picture. The face is found
// through fontconfig ("Liberation Sans" bold, the face the game's own text uses); the mask
// is a width x height array of coverage in [0, 1], row 0 the top.
#pragma once

#include <string>
#include <vector>

struct TextMask {
    int width = 0;
    int height = 0;
    std::vector<float> coverage;

    float at(int x, int y) const;                       // 0 outside the mask
    void add(const TextMask& other, int left, int top); // coverage added, clamped to 1
};

// The path of the bold Liberation Sans file; empty (and a line on stderr) when fontconfig
// finds no such face.
std::string findBoldFont();

// `text` set in one line at `pixelSize` pixels, with kerning, in a mask just large enough.
// Returns an empty mask when the font cannot be loaded.
TextMask renderText(const std::string& fontPath, const std::string& text, int pixelSize);

// A box-blurred copy (three passes of radius `radius`, close to a Gaussian), grown by
// 3 x radius on every side; for glows and drop shadows.
TextMask blurred(const TextMask& mask, int radius);
