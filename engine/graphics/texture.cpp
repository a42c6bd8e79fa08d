// texture.cpp: texture loading and release, the live-texture list.
#include "engine/graphics/texture.h"

#include "engine/graphics/draw_state.h"
#include "engine/graphics/image_file.h"
#include "engine/graphics/render_device.h"

#include <GL/glew.h>

#include <algorithm>
#include <cstring>
#include <vector>

static std::vector<Texture*> LiveTextures;

Texture* LoadTexture(const char* path)
{
    if (!path || std::strlen(path) > MaxTexturePathLength) return nullptr;
    ImageRGBA image;
    if (!ReadImageFile(path, &image)) return nullptr;

    // Bottom row first: the picture's last row becomes row 0.
    const size_t rowBytes = static_cast<size_t>(image.width) * 4;
    std::vector<uint8_t> flipped(image.pixels.size());
    for (int y = 0; y < image.height; ++y)
        std::memcpy(&flipped[y * rowBytes], &image.pixels[(image.height - 1 - y) * rowBytes],
                    rowBytes);

    Texture* texture = new Texture();
    std::strcpy(texture->Path, path);
    if (GraphicsReady)
    {
        glGenTextures(1, &texture->Id);
        glBindTexture(GL_TEXTURE_2D, texture->Id);
        CheckGLError(__LINE__);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, image.width, image.height, 0, GL_RGBA,
                     GL_UNSIGNED_BYTE, flipped.data());
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

void ReleaseAllTextures()
{
    while (!LiveTextures.empty()) ReleaseTexture(LiveTextures.back());
}
