// texture.cpp: texture loading and release, the live-texture list.
#include "engine/graphics/texture.h"

#include "engine/graphics/draw_state.h"
#include "engine/graphics/image_file.h"
#include "engine/graphics/picture_decoder.h"
#include "engine/graphics/png_check.h"
#include "engine/graphics/render_device.h"

#include "engine/graphics/gl_api.h"

#include <algorithm>
#include <cstring>
#include <vector>

static std::vector<Texture*> LiveTextures;
static bool DrawingExpected = false;
static uint32_t TexturesLoaded = 0;

void ExpectPicturesDrawn(bool expected) { DrawingExpected = expected; }

bool PicturesDrawn() { return GraphicsReady || DrawingExpected; }

Texture* LoadTexture(const char* path)
{
    if (!path || std::strlen(path) > MaxTexturePathLength) return nullptr;
    // The file is read here even when its picture was decoded ahead: what loads, or fails
    // to, is what the file holds now.
    std::vector<uint8_t> bytes;
    if (!ReadFileBytes(path, &bytes)) return nullptr;
    // Bottom row first: the picture's last row becomes row 0. With nothing drawn only the
    // size is kept, read from a PNG whose every chunk checks out; any other file is decoded,
    // so that what loads or fails headless is what would with a screen.
    ImageRGBA image;
    const bool sizeOnly =
        !PicturesDrawn() && CheckPngStructure(bytes, &image.width, &image.height);
    if (!sizeOnly && !TakePictureDecodedAhead(path, bytes, &image) &&
        !DecodeImage(bytes, &image, BOTTOM_ROW_FIRST))
        return nullptr;

    Texture* texture = new Texture();
    std::strcpy(texture->Path, path);
    if (GraphicsReady)
    {
        glGenTextures(1, &texture->Id);
        glBindTexture(GL_TEXTURE_2D, texture->Id);
        CheckGLError(__LINE__);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, image.width, image.height, 0, GL_RGBA,
                     GL_UNSIGNED_BYTE, image.pixels.data());
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
        // Put back what the draw state believes is bound, or its skip of redundant binds
        // would draw the next sprite with this picture.
        glBindTexture(GL_TEXTURE_2D, BoundTexture ? BoundTexture->Id : 0);
    }
    texture->Width = static_cast<uint32_t>(image.width);
    texture->Height = static_cast<uint32_t>(image.height);
    LiveTextures.push_back(texture);
    TexturesLoaded += 1;
    return texture;
}

void ReleaseTexture(Texture* texture)
{
    if (!texture) return;
    // The draw state must not keep a freed texture: a new one at the same address would be
    // taken for it and never bound.
    if (texture == BoundTexture) SetTexture(nullptr);
    if (GraphicsReady && texture->Id) glDeleteTextures(1, &texture->Id);
    LiveTextures.erase(std::remove(LiveTextures.begin(), LiveTextures.end(), texture),
                       LiveTextures.end());
    delete texture;
}

int LiveTextureCount() { return static_cast<int>(LiveTextures.size()); }

uint32_t TexturesLoadedCount() { return TexturesLoaded; }

void ReleaseAllTextures()
{
    while (!LiveTextures.empty()) ReleaseTexture(LiveTextures.back());
}
