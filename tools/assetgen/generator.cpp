// generator.cpp: the worker pool that turns the catalogue into files.
#include "tools/assetgen/generator.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <thread>
#include <vector>

#include "tools/assetgen/art.h"
#include "tools/assetgen/audio.h"
#include "tools/assetgen/catalogue.h"
#include "tools/assetgen/png_writer.h"
#include "tools/assetgen/text.h"

namespace fs = std::filesystem;

namespace
{
constexpr int ThumbnailWidth = 300;
constexpr int ThumbnailHeight = 170;

struct JobResult
{
    bool ok = false;
    Canvas thumbnail;
    int width = 0, height = 0;
};

bool WriteText(const std::string& path, const std::string& text)
{
    // Binary mode: the description files hold plain LF line ends on every platform.
    std::ofstream file(path, std::ios::binary);
    file << text;
    if (!file.flush())
    {
        std::fprintf(stderr, "assetgen: cannot write %s\n", path.c_str());
        return false;
    }
    return true;
}

JobResult Run(const Asset& asset, const std::string& folder, bool verbose)
{
    auto start = std::chrono::steady_clock::now();
    JobResult result;
    std::string path = folder + "/" + asset.path;
    if (asset.picture)
    {
        Canvas picture = asset.picture();
        result.width = picture.Width();
        result.height = picture.Height();
        result.thumbnail = Thumbnail(picture, ThumbnailWidth, ThumbnailHeight);
        result.ok = WritePng(path, picture);
    }
    else if (asset.sound)
        result.ok = path.size() > 4 && path.compare(path.size() - 4, 4, ".ogg") == 0
                        ? WriteOgg(path, asset.sound())
                        : WriteWav(path, asset.sound());
    else
        result.ok = WriteText(path, asset.text());
    if (verbose)
        std::printf("%7.2f s  %s\n",
                    std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(),
                    asset.path.c_str());
    return result;
}

// The desktop's icons of the game, drawn at each size rather than scaled, so that the small
// ones stay sharp.
bool WriteDesktopIcons(const std::string& folder)
{
    std::error_code error;
    fs::create_directories(folder, error);
    if (error)
    {
        std::fprintf(stderr, "assetgen: cannot create %s: %s\n", folder.c_str(),
                     error.message().c_str());
        return false;
    }
    for (int size : DesktopIconSizes)
    {
        std::string name = std::to_string(size) + "x" + std::to_string(size) + ".png";
        if (!WritePng(folder + "/" + name, GameIcon(size))) return false;
    }
    return true;
}
} // namespace

GeneratorReport GenerateAssets(const GeneratorOptions& options)
{
    GeneratorReport report;
    if (!LoadFonts(options.fontFolder)) return report;

    std::vector<Asset> assets = Catalogue();
    std::error_code error;
    for (const Asset& asset : assets)
    {
        fs::create_directories(fs::path(options.dataFolder + "/" + asset.path).parent_path(),
                               error);
        if (error)
        {
            std::fprintf(stderr, "assetgen: cannot create the folder for %s: %s\n",
                         asset.path.c_str(), error.message().c_str());
            return report;
        }
    }

    std::vector<JobResult> results(assets.size());
    std::atomic<size_t> next{0};
    auto worker = [&]
    {
        for (size_t i = next++; i < assets.size(); i = next++)
            results[i] = Run(assets[i], options.dataFolder, options.verbose);
    };
    unsigned cores = std::clamp(std::thread::hardware_concurrency(), 1u, 4u);
    std::vector<std::thread> workers;
    for (unsigned k = 1; k < cores; k++) workers.emplace_back(worker);
    worker();
    for (std::thread& t : workers) t.join();

    report.ok = true;
    std::vector<ContactEntry> entries;
    for (size_t i = 0; i < assets.size(); i++)
    {
        if (!results[i].ok)
        {
            report.ok = false;
            continue;
        }
        report.files++;
        report.bytes += fs::file_size(options.dataFolder + "/" + assets[i].path, error);
        if (assets[i].picture)
            entries.push_back({"data/" + assets[i].path, std::move(results[i].thumbnail),
                               results[i].width, results[i].height});
    }
    if (!report.ok) return report;
    std::sort(entries.begin(), entries.end(),
              [](const ContactEntry& a, const ContactEntry& b) { return a.path < b.path; });
    if (!options.contactSheet.empty() && !WritePng(options.contactSheet, ContactSheet(entries)))
        report.ok = false;
    if (!options.iconFolder.empty() && !WriteDesktopIcons(options.iconFolder)) report.ok = false;
    return report;
}
