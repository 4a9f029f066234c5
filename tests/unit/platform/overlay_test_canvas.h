// A drawing surface of a chosen size for the font and overlay tests: a framebuffer object
// in the headless context, so every test sees the same size whatever size the shared
// context was created with. Pixels are read back top row first, as 0xAABBGGRR words
// (R, G, B, A bytes in memory order).
#pragma once

#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>

#include "support/headless_gl.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

namespace testcanvas {

inline uint32_t Rgba(int r, int g, int b, int a = 255) {
    const uint8_t bytes[4] = {uint8_t(r), uint8_t(g), uint8_t(b), uint8_t(a)};
    uint32_t word;
    std::memcpy(&word, bytes, 4);
    return word;
}

class Canvas {
public:
    Canvas(int width, int height) : width_(width), height_(height) {
        ok_ = testsupport::makeHeadlessGlContext();
        if (!ok_)
            return;
        glGenFramebuffers(1, &framebuffer_);
        glGenRenderbuffers(2, renderbuffers_);
        glBindRenderbuffer(GL_RENDERBUFFER, renderbuffers_[0]);
        glRenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, width, height);
        glBindRenderbuffer(GL_RENDERBUFFER, renderbuffers_[1]);
        glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT24, width, height);
        glBindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
        glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER,
                                  renderbuffers_[0]);
        glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER,
                                  renderbuffers_[1]);
        ok_ = glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
        glViewport(0, 0, width, height);
    }
    ~Canvas() {
        if (!framebuffer_)
            return;
        glBindFramebuffer(GL_FRAMEBUFFER, 0);
        glDeleteFramebuffers(1, &framebuffer_);
        glDeleteRenderbuffers(2, renderbuffers_);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    bool ok() const { return ok_; }
    int width() const { return width_; }
    int height() const { return height_; }

    void Clear(float r, float g, float b) {
        glClearColor(r, g, b, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }

    // An orthographic projection in pixels, origin top-left, y downward.
    void PixelProjection() {
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(0, width_, height_, 0, -1, 1);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
    }

    std::vector<uint32_t> Read() const {
        std::vector<uint32_t> bottomUp(size_t(width_) * height_), topDown(bottomUp.size());
        glPixelStorei(GL_PACK_ALIGNMENT, 4);
        glReadPixels(0, 0, width_, height_, GL_RGBA, GL_UNSIGNED_BYTE, bottomUp.data());
        for (int y = 0; y < height_; ++y)
            std::memcpy(&topDown[size_t(y) * width_], &bottomUp[size_t(height_ - 1 - y) * width_],
                        size_t(width_) * 4);
        return topDown;
    }

private:
    int width_, height_;
    bool ok_ = false;
    GLuint framebuffer_ = 0;
    GLuint renderbuffers_[2] = {0, 0};
};

// The smallest rectangle holding every pixel where `a` and `b` differ; empty (right <=
// left) when they are the same. right and bottom are one past the last pixel.
struct Box {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool empty() const { return right <= left; }
};

inline Box Difference(const std::vector<uint32_t>& a, const std::vector<uint32_t>& b, int width) {
    Box box{width, 1 << 30, 0, 0};
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i] == b[i])
            continue;
        const int x = int(i % size_t(width)), y = int(i / size_t(width));
        box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1),
               std::max(box.bottom, y + 1)};
    }
    if (box.right == 0)
        return {};
    return box;
}

} // namespace testcanvas
