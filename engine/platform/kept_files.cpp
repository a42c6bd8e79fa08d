// kept_files.cpp: where the files kept between runs live, and how they are read and written.
//
// Writes go to a temporary file in the same folder, which is flushed and then renamed over
// the old file: rename is atomic on one file system, so a crash or a full disk never leaves
// half a file behind.
#include "engine/platform/platform.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
std::string Reason() { return std::strerror(errno); }

// Makes every missing folder of `folder`, like mkdir -p.
bool MakeFolders(const std::string& folder)
{
    for (size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1))
    {
        const std::string part = folder.substr(0, slash);
        if (mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) return false;
        if (slash == std::string::npos) return true;
    }
}

bool WriteAll(int fd, const std::string& text)
{
    size_t done = 0;
    while (done < text.size())
    {
        const ssize_t n = write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<size_t>(n);
    }
    return true;
}
} // namespace

std::string PlatformKeptFolder(KeptFolder folder)
{
    const char* variable = folder == KEPT_SETTINGS ? "XDG_CONFIG_HOME" : "XDG_DATA_HOME";
    const char* fallback = folder == KEPT_SETTINGS ? "/.config" : "/.local/share";
    const char* base = std::getenv(variable);
    // Relative paths in these variables are invalid and must be ignored.
    if (base && base[0] == '/') return std::string(base) + "/vantara";
    const char* home = std::getenv("HOME");
    if (!home || home[0] != '/') return std::string();
    return std::string(home) + fallback + "/vantara";
}

KeptReadResult PlatformReadKeptFile(const std::string& path, size_t limit, std::string* text,
                                    std::string* reason)
{
    text->clear();
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
    {
        if (errno == ENOENT || errno == ENOTDIR) return KEPT_MISSING;
        *reason = Reason();
        return KEPT_UNREADABLE;
    }
    char buffer[4096];
    size_t got;
    bool tooLarge = false;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0)
    {
        if (text->size() + got > limit)
        {
            tooLarge = true;
            break;
        }
        text->append(buffer, got);
    }
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (tooLarge) *reason = "larger than " + std::to_string(limit) + " bytes";
    else if (failed) *reason = "read error";
    if (tooLarge || failed)
    {
        text->clear();
        return KEPT_UNREADABLE;
    }
    return KEPT_READ;
}

bool PlatformWriteKeptFile(const std::string& path, const std::string& text, std::string* reason)
{
    const size_t slash = path.rfind('/');
    if (slash != std::string::npos && slash > 0 && !MakeFolders(path.substr(0, slash)))
    {
        *reason = "cannot make its folder: " + Reason();
        return false;
    }
    const std::string temporary = path + ".tmp";
    const int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0)
    {
        *reason = Reason();
        return false;
    }
    bool ok = WriteAll(fd, text) && fsync(fd) == 0;
    if (!ok) *reason = Reason();
    if (close(fd) != 0 && ok)
    {
        ok = false;
        *reason = Reason();
    }
    if (ok && rename(temporary.c_str(), path.c_str()) != 0)
    {
        ok = false;
        *reason = Reason();
    }
    if (!ok) unlink(temporary.c_str());
    return ok;
}

bool PlatformRenameFile(const std::string& from, const std::string& to)
{
    return rename(from.c_str(), to.c_str()) == 0 || errno == ENOENT;
}
