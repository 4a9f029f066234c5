// A picture being painted by the picture generator: float colours in [0, 1] as displayed
// (values outside are clamped when written out), row 0 the TOP row, pixel (x, y) at
// x + y * width. The writers turn it into the files the game reads.
#pragma once

#include <vector>

struct Colour {
    float r = 0, g = 0, b = 0;
};

Colour operator+(Colour a, Colour b);
Colour operator*(Colour a, float k);
// a where t = 0, b where t = 1.
Colour mix(Colour a, Colour b, float t);

float clamp01(float v);
float smoothstep(float edge0, float edge1, float v);

class Canvas {
public:
    Canvas(int width, int height);

    int width() const { return w; }
    int height() const { return h; }
    Colour& at(int x, int y) { return pixels[static_cast<std::size_t>(y) * w + x]; }
    const Colour& at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * w + x]; }
    // Blends colour over pixel (x, y) with coverage `alpha`; points outside are ignored.
    void blend(int x, int y, Colour colour, float alpha);

private:
    int w;
    int h;
    std::vector<Colour> pixels;
};

// The picture scaled to width x height, each new pixel the average of the area of the old
// picture it covers (partly covered pixels weighted by the part), for shrinking.
Canvas resampled(const Canvas& source, int width, int height);

// Fills every pixel from `paint(x, y)`, evaluated at the pixel's centre in [0, 1) texture
// coordinates (u right, v down), averaged over samples x samples points to smooth edges.
template <typename Paint> void fill(Canvas& canvas, int samples, Paint paint) {
    const float step = 1.0f / static_cast<float>(samples);
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) {
            Colour sum;
            for (int sy = 0; sy < samples; ++sy)
                for (int sx = 0; sx < samples; ++sx)
                    sum = sum + paint((x + (sx + 0.5f) * step) / canvas.width(),
                                      (y + (sy + 0.5f) * step) / canvas.height());
            canvas.at(x, y) = sum * (step * step);
        }
    }
}

// A new width x height picture filled from paint as fill does.
template <typename Paint> Canvas painted(int width, int height, int samples, Paint paint) {
    Canvas canvas(width, height);
    fill(canvas, samples, paint);
    return canvas;
}
