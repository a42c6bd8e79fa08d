// image_file.cpp: picture decoding through stb_image.
#include "engine/graphics/image_file.h"

#include "engine/platform/platform.h"

#include <stb_image.h>

#include <cstring>

bool ReadImageFile(const char* path, ImageRGBA* image)
{
    FILE* file = PlatformOpenFile(path, "rb");
    if (!file) return false;
    int width = 0, height = 0, channels = 0;
    // The header alone first: the declared size decides whether decoding may allocate.
    if (!stbi_info_from_file(file, &width, &height, &channels) || width <= 0 || height <= 0 ||
        width > MaxImageSide || height > MaxImageSide ||
        static_cast<long long>(width) * height > MaxImagePixels)
    {
        std::fclose(file);
        return false;
    }
    stbi_uc* decoded = stbi_load_from_file(file, &width, &height, &channels, 4);
    std::fclose(file);
    if (!decoded) return false;
    image->width = width;
    image->height = height;
    image->pixels.assign(decoded, decoded + static_cast<size_t>(width) * height * 4);
    stbi_image_free(decoded);
    return true;
}
