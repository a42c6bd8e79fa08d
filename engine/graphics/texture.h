// texture.h: pictures on the GPU.
//
// LoadTexture reads a picture file into an RGBA texture stored bottom row first, so that
// texture v = 0 is the bottom of the picture. Textures are owned by whoever loaded them
// (nothing is shared: loading one path twice gives two textures) and released with
// ReleaseTexture; the live ones are listed so that leftovers are reported at exit.
#pragma once

#include <cstdint>

struct Texture
{
    unsigned int Id; // GL texture name; 0 when the renderer runs headless
    uint32_t Width;
    uint32_t Height;
    char Path[256];
};

constexpr int MaxTexturePathLength = 255;

// Whether the pictures loaded will be drawn: the renderer is up, or the program has said it is
// about to start it. When not (the replay runner, the scripted back end) LoadTexture keeps
// only a picture's size and nothing is decoded ahead.
void ExpectPicturesDrawn(bool expected);
bool PicturesDrawn();

// Null, silently, for a path of 256 characters or more, or a file that is missing,
// unreadable, not a picture, truncated or too large.
Texture* LoadTexture(const char* path);
void ReleaseTexture(Texture* texture);

int LiveTextureCount();
// How many textures LoadTexture has made since start-up: a frame that made one was loading.
uint32_t TexturesLoadedCount();
// Exit: releases every live texture.
void ReleaseAllTextures();
