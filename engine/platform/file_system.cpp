// file_system.cpp: the one place where the game opens files.
//
// The game writes its paths the Windows way as often as not (".\data\run_extra_8x1",
// "data\Adagio.wav"); on this platform a backslash becomes a slash before the file is opened.
// The paths are relative to the folder that holds data/, which PlatformEnterDataFolder makes
// the working directory.
#include "engine/platform/platform.h"

#include <string>

#include <sys/stat.h>
#ifdef __EMSCRIPTEN__
#include <emscripten/emscripten.h>
#endif
#include <unistd.h>

FILE* PlatformOpenFile(const char* path, const char* mode)
{
    if (!path || !mode) return nullptr;
    std::string native(path);
#ifndef _WIN32
    for (char& c : native)
        if (c == '\\') c = '/';
#endif
    return std::fopen(native.c_str(), mode);
}

size_t PlatformFileSizeHint(FILE* file)
{
    struct stat info;
    if (!file || fstat(fileno(file), &info) != 0 || !S_ISREG(info.st_mode)) return 0;
    return static_cast<size_t>(info.st_size);
}

void PlatformSetBinaryStream(FILE*) {}

namespace
{
bool HasDataFolder(const std::string& folder)
{
    struct stat info;
    return stat((folder + "/data").c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}
} // namespace

#ifdef __EMSCRIPTEN__
// Built for Node (the replay runner) the program is its script, and data/ lies beside it; in
// a page there is no such folder (the data package is under the root).
EM_JS(int, ScriptFolder, (char* folder, int size), {
    if (typeof __dirname === "undefined") return 0;
    stringToUTF8(__dirname, folder, size);
    return 1;
});

std::string PlatformProgramFolder()
{
    char folder[4096];
    return ScriptFolder(folder, sizeof folder) ? std::string(folder) : std::string();
}
#else
std::string PlatformProgramFolder()
{
    char path[4096];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0) return std::string();
    path[length] = '\0';
    std::string folder(path);
    const size_t slash = folder.rfind('/');
    return slash == std::string::npos ? std::string() : folder.substr(0, slash);
}
#endif

bool PlatformEnterDataFolder(const char* installedFolder)
{
    const std::string beside = PlatformProgramFolder();
    if (!beside.empty())
    {
        if (HasDataFolder(beside)) return chdir(beside.c_str()) == 0;
        const std::string installed = beside + "/" + (installedFolder ? installedFolder : "");
        if (installedFolder && HasDataFolder(installed)) return chdir(installed.c_str()) == 0;
    }
    return HasDataFolder(".");
}
