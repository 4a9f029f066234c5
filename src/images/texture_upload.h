// The game's texture uploads: each reads a picture with its reader and makes one mipmapped
// GL_TEXTURE_2D from it. All need the rendering context current; all set the unpack
// alignment to 1 (the readers deliver tightly packed rows), make a new texture name with
// glGenTextures, leave it bound and GL_TEXTURE_2D enabled. Textures belong to the context
// and are never deleted.
//
// Rows reach GL in the picture's stored order (picture.h), so a texture's t = 0 edge is the
// first stored row: the top of a 24-bit BMP or JPEG picture, the bottom of a DIB picture.
#pragma once

#include <GL/gl.h>

// A 24-bit BMP (bmp24_reader.h) as 3-component RGB; wrap s and t as given, minification
// GL_LINEAR_MIPMAP_LINEAR, magnification GL_LINEAR (float parameters). When the file cannot
// be read shows "Can't load image" captioned "Board", leaves `name` alone and returns false.
bool loadBmpTexture(const char* fileName, GLint wrap, GLuint& name);

// The title picture (JPEG): always makes a texture name (clamped, GL_LINEAR_MIPMAP_LINEAR /
// GL_LINEAR, float parameters) and uploads the picture into it when it decodes; a grey
// picture is widened to RGB first. A picture that does not decode leaves the texture empty,
// silently.
GLuint loadTitleTexture(const char* fileName);

// The Hero's shadow (any DIB) as 2-component luminance-alpha through rgbToLuminanceAlpha, so
// black is transparent; filters GL_LINEAR (integer parameters), wrap left at the default.
// An unreadable file (the reader shows its message) gives a 1 x 1 fully transparent texture.
GLuint loadShadowTexture(const char* fileName);

// The Hero's environment picture (any DIB) as 3-component RGB for sphere mapping; filters
// GL_LINEAR (integer parameters), wrap left at the default; the caller sets up the texture
// coordinate generation. An unreadable file gives a 1 x 1 light grey texture.
GLuint loadSphereMapTexture(const char* fileName);
