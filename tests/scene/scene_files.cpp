// scene_files.cpp: the scene tests' temporary folder and the files they write into it.
#include "tests/scene/scene_files.h"

#include <stb_image_write.h>

#include <cstdio>
#include <filesystem>
#include <system_error>
#include <vector>

namespace
{
// Made on first use, removed with everything in it when the program ends.
class TemporaryFolder
{
  public:
    TemporaryFolder()
    {
        char pattern[] = "/tmp/vantara-scene-XXXXXX";
        if (const char* made = mkdtemp(pattern)) path_ = made;
    }
    ~TemporaryFolder()
    {
        std::error_code ignored;
        if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
    }
    const std::string& Path() const { return path_; }

  private:
    std::string path_;
};

const TemporaryFolder& Folder()
{
    static TemporaryFolder folder;
    return folder;
}
} // namespace

std::string SceneFilePath(const std::string& name)
{
    return Folder().Path() + "/" + name;
}

std::string WriteSceneStripPng(const std::string& name, int cellWidth, int height,
                               const std::vector<uint32_t>& colours)
{
    const int width = cellWidth * static_cast<int>(colours.size());
    std::vector<uint8_t> pixels(static_cast<size_t>(width) * height * 4);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
        {
            const uint32_t colour = colours[x / cellWidth];
            uint8_t* p = &pixels[(static_cast<size_t>(y) * width + x) * 4];
            p[0] = (colour >> 16) & 0xFF;
            p[1] = (colour >> 8) & 0xFF;
            p[2] = colour & 0xFF;
            p[3] = (colour >> 24) & 0xFF;
        }
    const std::string path = SceneFilePath(name);
    stbi_write_png(path.c_str(), width, height, 4, pixels.data(), width * 4);
    return path;
}

std::string WriteScenePng(const std::string& name, int width, int height, uint32_t colour)
{
    return WriteSceneStripPng(name, width, height, {colour});
}

std::string WriteSceneFile(const std::string& name, const std::string& contents)
{
    const std::string path = SceneFilePath(name);
    if (FILE* file = std::fopen(path.c_str(), "wb"))
    {
        std::fwrite(contents.data(), 1, contents.size(), file);
        std::fclose(file);
    }
    return path;
}

std::string SheetText(int frames, int rows, int columns, const std::string& pngPath,
                      const std::string& seconds)
{
    std::string text = std::to_string(frames) + "\n" + std::to_string(rows) + "\n" +
                       std::to_string(columns) + "\n" + pngPath + "\n";
    for (int i = 0; i < frames; ++i) text += "Run" + std::to_string(i) + ":" + seconds + "\n";
    return text;
}
