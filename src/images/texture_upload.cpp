// The texture uploads; see texture_upload.h. Every picture, substitutes included, goes
// through gluBuild2DMipmaps, which also rescales sides that are not powers of two. The
// pictures own their pixels and are released when an upload returns, whether GL took them
// or not.
#include "images/texture_upload.h"

#include "images/bmp24_reader.h"
#include "images/dib_reader.h"
#include "images/jpeg_reader.h"
#include "math/vec_math.h"
#include "platform/system.h"

#include <GL/glu.h>

#include <cassert>
#include <optional>
#include <vector>

namespace {

GLuint newBoundTexture() {
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    glEnable(GL_TEXTURE_2D);
    return name;
}

// The board's, the Enemy's and the title's textures: mipmapped, float parameters.
void setMipmappedParameters(GLint wrap) {
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, static_cast<GLfloat>(wrap));
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, static_cast<GLfloat>(wrap));
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER,
                    static_cast<GLfloat>(GL_LINEAR_MIPMAP_LINEAR));
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, static_cast<GLfloat>(GL_LINEAR));
}

// The Hero's textures: linear filters, integer parameters, wrap at the default.
void setLinearParameters() {
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
}

void buildMipmaps(int components, int width, int height, GLenum format, const void* pixels) {
    gluBuild2DMipmaps(GL_TEXTURE_2D, components, width, height, format, GL_UNSIGNED_BYTE, pixels);
}

// A grey JPEG is one byte a pixel; the title texture takes three.
std::vector<unsigned char> greyToRgb(const Picture& picture) {
    std::vector<unsigned char> rgb(picture.pixels.size() * 3);
    for (std::size_t i = 0; i < picture.pixels.size(); ++i)
        rgb[3 * i] = rgb[3 * i + 1] = rgb[3 * i + 2] = picture.pixels[i];
    return rgb;
}

} // namespace

bool loadBmpTexture(const char* fileName, GLint wrap, GLuint& name) {
    const std::optional<Picture> picture = loadBmp24Image(fileName);
    if (!picture) {
        platform::MessageBox("Can't load image", "Board");
        return false;
    }
    assert(picture->rowOrder == RowOrder::TopFirst); // the board's and Enemy's coordinates
    name = newBoundTexture();
    setMipmappedParameters(wrap);
    buildMipmaps(3, picture->width, picture->height, GL_RGB, picture->pixels.data());
    return true;
}

GLuint loadTitleTexture(const char* fileName) {
    const std::optional<Picture> picture = loadJpegImage(fileName).picture;
    const GLuint name = newBoundTexture();
    setMipmappedParameters(GL_CLAMP);
    assert(!picture || picture->rowOrder == RowOrder::TopFirst); // the title screen's coordinates
    if (picture && picture->bytesPerPixel == 1) {
        const std::vector<unsigned char> rgb = greyToRgb(*picture);
        buildMipmaps(3, picture->width, picture->height, GL_RGB, rgb.data());
    } else if (picture) {
        buildMipmaps(3, picture->width, picture->height, GL_RGB, picture->pixels.data());
    }
    return name;
}

GLuint loadShadowTexture(const char* fileName) {
    const std::optional<Picture> picture = loadDibImage(fileName);
    const GLuint name = newBoundTexture();
    setLinearParameters();
    if (!picture) {
        const unsigned char transparent[2] = {255, 0};
        buildMipmaps(2, 1, 1, GL_LUMINANCE_ALPHA, transparent);
        return name;
    }
    assert(picture->rowOrder == RowOrder::BottomFirst); // the Hero's texture coordinates
    const int count = picture->width * picture->height;
    std::vector<unsigned char> pairs(static_cast<std::size_t>(count) * 2);
    rgbToLuminanceAlpha(count, picture->pixels.data(), pairs.data());
    buildMipmaps(2, picture->width, picture->height, GL_LUMINANCE_ALPHA, pairs.data());
    return name;
}

GLuint loadSphereMapTexture(const char* fileName) {
    const std::optional<Picture> picture = loadDibImage(fileName);
    const GLuint name = newBoundTexture();
    setLinearParameters();
    if (!picture) {
        const unsigned char lightGrey[3] = {192, 192, 192};
        buildMipmaps(3, 1, 1, GL_RGB, lightGrey);
        return name;
    }
    assert(picture->rowOrder == RowOrder::BottomFirst); // the Hero's texture coordinates
    buildMipmaps(3, picture->width, picture->height, GL_RGB, picture->pixels.data());
    return name;
}
