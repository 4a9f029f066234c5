// The texture uploads; see texture_upload.h. Every picture, substitutes included, goes
// through gluBuild2DMipmaps, which also rescales sides that are not powers of two.
#include "images/texture_upload.h"

#include "images/dib_image.h"
#include "images/jpeg_image.h"
#include "images/rgb_image.h"
#include "math/vec_math.h"
#include "platform/system.h"

#include <GL/glu.h>

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
std::vector<unsigned char> greyToRgb(const JpegImage& image) {
    const std::size_t count = static_cast<std::size_t>(image.width) * image.height;
    std::vector<unsigned char> rgb(count * 3);
    for (std::size_t i = 0; i < count; ++i)
        rgb[3 * i] = rgb[3 * i + 1] = rgb[3 * i + 2] = image.pixels[i];
    return rgb;
}

} // namespace

bool loadBmpTexture(const char* fileName, GLint wrap, GLuint& name) {
    RgbImage image;
    if (!image.load(fileName)) {
        platform::MessageBox("Can't load image", "Board");
        return false;
    }
    name = newBoundTexture();
    setMipmappedParameters(wrap);
    buildMipmaps(3, image.width(), image.height(), GL_RGB, image.data());
    return true;
}

GLuint loadTitleTexture(const char* fileName) {
    JpegImage image;
    const bool decoded = image.load(fileName);
    const GLuint name = newBoundTexture();
    setMipmappedParameters(GL_CLAMP);
    if (decoded && image.palette) {
        const std::vector<unsigned char> rgb = greyToRgb(image);
        buildMipmaps(3, image.width, image.height, GL_RGB, rgb.data());
    } else if (decoded) {
        buildMipmaps(3, image.width, image.height, GL_RGB, image.pixels);
    }
    return name;
}

GLuint loadShadowTexture(const char* fileName) {
    DibImage* image = loadDibImage(fileName);
    const GLuint name = newBoundTexture();
    setLinearParameters();
    if (!image) {
        const unsigned char transparent[2] = {255, 0};
        buildMipmaps(2, 1, 1, GL_LUMINANCE_ALPHA, transparent);
        return name;
    }
    const int count = image->width * image->height;
    std::vector<unsigned char> pairs(static_cast<std::size_t>(count) * 2);
    rgbToLuminanceAlpha(count, image->pixels, pairs.data());
    buildMipmaps(2, image->width, image->height, GL_LUMINANCE_ALPHA, pairs.data());
    freeDibImage(image);
    return name;
}

GLuint loadSphereMapTexture(const char* fileName) {
    DibImage* image = loadDibImage(fileName);
    const GLuint name = newBoundTexture();
    setLinearParameters();
    if (!image) {
        const unsigned char lightGrey[3] = {192, 192, 192};
        buildMipmaps(3, 1, 1, GL_RGB, lightGrey);
        return name;
    }
    buildMipmaps(3, image->width, image->height, GL_RGB, image->pixels);
    freeDibImage(image);
    return name;
}
