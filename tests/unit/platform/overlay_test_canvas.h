// A drawing surface of a chosen size for the font and overlay tests: a framebuffer object
// in the headless context, so every test sees the same size whatever size the shared
// context was created with. Pixels are read back top row first, R, G, B, A bytes in memory.
#pragma once

#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>

#include "support/headless_gl.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace testcanvas {

using Pixels = std::vector<uint32_t>;

class Canvas {
public:
    Canvas(int width, int height) : width_(width), height_(height) {
        if (!testsupport::makeHeadlessGlContext())
            return;
        glGenFramebuffers(1, &framebuffer_);
        glGenRenderbuffers(2, renderbuffers_);
        const GLenum formats[2] = {GL_RGBA8, GL_DEPTH_COMPONENT24};
        const GLenum attachments[2] = {GL_COLOR_ATTACHMENT0, GL_DEPTH_ATTACHMENT};
        glBindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
        for (int i = 0; i < 2; ++i) {
            glBindRenderbuffer(GL_RENDERBUFFER, renderbuffers_[i]);
            glRenderbufferStorage(GL_RENDERBUFFER, formats[i], width, height);
            glFramebufferRenderbuffer(GL_FRAMEBUFFER, attachments[i], GL_RENDERBUFFER,
                                      renderbuffers_[i]);
        }
        ok_ = glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
        glViewport(0, 0, width, height);
    }
    ~Canvas() {
        glBindFramebuffer(GL_FRAMEBUFFER, 0);
        glDeleteFramebuffers(1, &framebuffer_);
        glDeleteRenderbuffers(2, renderbuffers_);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    bool ok() const { return ok_; }

    void Clear(float r, float g, float b) {
        glClearColor(r, g, b, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }

    Pixels Read() const {
        Pixels bottomUp(size_t(width_) * height_), topDown;
        glReadPixels(0, 0, width_, height_, GL_RGBA, GL_UNSIGNED_BYTE, bottomUp.data());
        for (int y = height_ - 1; y >= 0; --y)
            topDown.insert(topDown.end(), bottomUp.begin() + y * width_,
                           bottomUp.begin() + (y + 1) * width_);
        return topDown;
    }

private:
    int width_, height_;
    bool ok_ = false;
    GLuint framebuffer_ = 0, renderbuffers_[2] = {0, 0};
};

// The smallest box holding every pixel where a and b differ (right, bottom one past the
// last); empty when they are the same.
struct Box {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool empty() const { return right <= left; }
};

inline Box Difference(const Pixels& a, const Pixels& b, int width) {
    Box box{width, int(a.size()), 0, 0};
    for (size_t i = 0; i < a.size(); ++i) {
        const int x = int(i % size_t(width)), y = int(i / size_t(width));
        if (a[i] != b[i])
            box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1),
                   std::max(box.bottom, y + 1)};
    }
    return box.right == 0 ? Box{} : box;
}

} // namespace testcanvas
