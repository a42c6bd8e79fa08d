// test_images.cpp: picture files for tests.
#include "test_images.h"

#include <stb_image_write.h>

#include <cstdio>
#include <filesystem>
#include <cstdlib>
#include <unistd.h>

namespace
{
// Made on first use, removed with everything in it when the test program ends.
struct TemporaryFolder
{
    std::string path;
    TemporaryFolder()
    {
        char pattern[] = "/tmp/vantara-test-XXXXXX";
        if (mkdtemp(pattern)) path = pattern;
    }
    ~TemporaryFolder()
    {
        std::error_code ignored;
        if (!path.empty()) std::filesystem::remove_all(path, ignored);
    }
};
} // namespace

static const std::string& TestFolder()
{
    static TemporaryFolder folder;
    return folder.path;
}

std::string TestFilePath(const std::string& name) { return TestFolder() + "/" + name; }

std::string WriteTestPng(const std::string& name, int width, int height, int channels,
                         const std::vector<uint8_t>& pixels)
{
    std::string path = TestFilePath(name);
    stbi_write_png(path.c_str(), width, height, channels, pixels.data(), width * channels);
    return path;
}

std::string WriteSolidPng(const std::string& name, int width, int height, uint32_t colour)
{
    std::vector<uint8_t> pixels(static_cast<size_t>(width) * height * 4);
    for (size_t i = 0; i < pixels.size(); i += 4)
    {
        pixels[i + 0] = (colour >> 16) & 0xFF;
        pixels[i + 1] = (colour >> 8) & 0xFF;
        pixels[i + 2] = colour & 0xFF;
        pixels[i + 3] = (colour >> 24) & 0xFF;
    }
    return WriteTestPng(name, width, height, 4, pixels);
}

std::string WriteTestFile(const std::string& name, const std::vector<uint8_t>& bytes)
{
    std::string path = TestFilePath(name);
    FILE* f = std::fopen(path.c_str(), "wb");
    if (f)
    {
        if (!bytes.empty()) std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
    }
    return path;
}

std::vector<uint8_t> ReadTestFile(const std::string& path)
{
    std::vector<uint8_t> bytes;
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return bytes;
    int c;
    while ((c = std::fgetc(f)) != EOF) bytes.push_back(static_cast<uint8_t>(c));
    std::fclose(f);
    return bytes;
}
