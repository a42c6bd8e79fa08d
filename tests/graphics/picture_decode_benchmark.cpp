// picture_decode_benchmark: how long the game's pictures take to decode, stb_image against
// libspng, and whether both give the same pixels.
// Times are processor time of the decoding thread, so that a busy machine inflates them less.
// Usage (from the build folder): picture_decode_benchmark [data folder] [rounds]
#include <spng.h>
#include <stb_image.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <string>
#include <vector>

namespace
{
double CpuMilliseconds()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + t.tv_nsec * 1e-6;
}

std::vector<uint8_t> ReadAll(const std::string& path)
{
    std::vector<uint8_t> bytes;
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return bytes;
    uint8_t buffer[65536];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;)
        bytes.insert(bytes.end(), buffer, buffer + n);
    std::fclose(file);
    return bytes;
}

std::vector<uint8_t> DecodeStb(const std::vector<uint8_t>& png)
{
    int w = 0, h = 0, c = 0;
    stbi_uc* pixels = stbi_load_from_memory(png.data(), static_cast<int>(png.size()), &w, &h,
                                            &c, 4);
    std::vector<uint8_t> out;
    if (pixels) out.assign(pixels, pixels + static_cast<size_t>(w) * h * 4);
    stbi_image_free(pixels);
    return out;
}

std::vector<uint8_t> DecodeSpng(const std::vector<uint8_t>& png)
{
    std::vector<uint8_t> out;
    spng_ctx* ctx = spng_ctx_new(SPNG_CTX_IGNORE_ADLER32);
    size_t size = 0;
    if (ctx && spng_set_png_buffer(ctx, png.data(), png.size()) == 0 &&
        spng_decoded_image_size(ctx, SPNG_FMT_RGBA8, &size) == 0)
    {
        out.resize(size);
        if (spng_decode_image(ctx, out.data(), size, SPNG_FMT_RGBA8, SPNG_DECODE_TRNS) != 0)
            out.clear();
    }
    spng_ctx_free(ctx);
    return out;
}

template <typename Decode> double Milliseconds(Decode decode, const std::vector<uint8_t>& png, int rounds)
{
    const double start = CpuMilliseconds();
    for (int i = 0; i < rounds; ++i) decode(png);
    return (CpuMilliseconds() - start) / rounds;
}

void ListPngs(const std::string& folder, std::vector<std::string>* out)
{
    DIR* dir = opendir(folder.c_str());
    if (!dir) return;
    while (dirent* entry = readdir(dir))
    {
        const std::string name = entry->d_name;
        if (name == "." || name == "..") continue;
        const std::string path = folder + "/" + name;
        if (name.size() > 4 && name.compare(name.size() - 4, 4, ".png") == 0)
            out->push_back(path);
        else if (entry->d_type == DT_DIR)
            ListPngs(path, out);
    }
    closedir(dir);
}
} // namespace

int main(int argc, char** argv)
{
    const std::string folder = argc > 1 ? argv[1] : "data";
    const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;
    std::vector<std::string> paths;
    ListPngs(folder, &paths);
    std::sort(paths.begin(), paths.end());
    double stbTotal = 0, spngTotal = 0;
    int differing = 0;
    std::printf("%-52s %9s %9s\n", "picture", "stb (ms)", "spng (ms)");
    for (const std::string& path : paths)
    {
        const std::vector<uint8_t> png = ReadAll(path);
        const bool same = DecodeStb(png) == DecodeSpng(png);
        differing += same ? 0 : 1;
        const double stb = Milliseconds(DecodeStb, png, rounds);
        const double spng = Milliseconds(DecodeSpng, png, rounds);
        stbTotal += stb;
        spngTotal += spng;
        std::printf("%-52s %9.2f %9.2f%s\n", path.c_str() + folder.size() + 1, stb, spng,
                    same ? "" : "  PIXELS DIFFER");
    }
    std::printf("%-52s %9.2f %9.2f\n%zu pictures, %d with differing pixels\n", "all", stbTotal,
                spngTotal, paths.size(), differing);
    return differing == 0 ? 0 : 1;
}
