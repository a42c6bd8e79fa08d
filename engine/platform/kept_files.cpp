// kept_files.cpp: where the files kept between runs live, and how they are read and written.
//
// A write goes to a temporary file of its own beside the kept one (O_EXCL: never a file or a
// link someone left at that name; the process id and a count: never another writer's), which
// is flushed and renamed over the old file; then the folder is flushed, or after a power cut
// it could still list the old file, or neither. A kept file that is a symbolic link is written
// through: the rename replaces the file it points to, in that file's folder. Copies of the
// game take turns through a flock on saves.lock, which dies with its holder, so that each
// reads back what the other wrote before replacing it.
#include "engine/platform/platform.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
constexpr const char* LOCK_NAME = "saves.lock";
constexpr const char* TEMPORARY_END = ".tmp";
// Links followed from a kept path before giving up, as the kernel does (a loop of links).
constexpr int LINK_LIMIT = 40;

int LockFile = -1;
unsigned TemporaryCount = 0;

std::string Reason() { return std::strerror(errno); }

std::string FolderOf(const std::string& path)
{
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path) { return path.substr(path.rfind('/') + 1); }

// Flushes a folder's list of names to the disk, so that a rename or a new name in it survives
// a power cut. A file system that cannot flush a folder (EINVAL) keeps its names otherwise.
bool SyncFolder(const std::string& folder)
{
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool synced = fsync(fd) == 0 || errno == EINVAL;
    close(fd);
    return synced;
}

// Makes every missing folder of `folder`, like mkdir -p, each one flushed into its parent.
bool MakeFolders(const std::string& folder)
{
    for (size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1))
    {
        const std::string part = folder.substr(0, slash);
        if (mkdir(part.c_str(), 0700) == 0) SyncFolder(FolderOf(part));
        else if (errno != EEXIST) return false;
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

// "best_times.ini.4711-0.tmp": the kept file's name, the writer's process id and its count.
bool IsTemporaryOf(const std::string& name, const std::string& kept)
{
    const size_t end = std::strlen(TEMPORARY_END);
    if (name.size() <= kept.size() + 1 + end || name.compare(0, kept.size(), kept) != 0 ||
        name[kept.size()] != '.' || name.compare(name.size() - end, end, TEMPORARY_END) != 0)
        return false;
    const std::string middle = name.substr(kept.size() + 1, name.size() - kept.size() - 1 - end);
    return middle.find_first_not_of("0123456789-") == std::string::npos;
}

// Temporary files of writers that died before their rename. Every writer holds the lock while
// its temporary file exists, so while this one holds it, any that is there is left over.
void RemoveLeftovers(const std::string& path)
{
    DIR* folder = opendir(FolderOf(path).c_str());
    if (!folder) return;
    const std::string kept = NameOf(path);
    while (const dirent* entry = readdir(folder))
        if (IsTemporaryOf(entry->d_name, kept)) unlinkat(dirfd(folder), entry->d_name, 0);
    closedir(folder);
}

// A new empty file beside `path`, under a name no other writer uses; -1 (errno) on failure.
int CreateTemporary(const std::string& path, std::string* temporary)
{
    for (int attempt = 0; attempt < 100; ++attempt)
    {
        *temporary = path + "." + std::to_string(getpid()) + "-" +
                     std::to_string(TemporaryCount++) + TEMPORARY_END;
        const int fd =
            open(temporary->c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
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

std::string PlatformKeptFileTarget(const std::string& path)
{
    std::string target = path;
    for (int link = 0; link < LINK_LIMIT; ++link)
    {
        char to[4096];
        const ssize_t length = readlink(target.c_str(), to, sizeof to);
        if (length <= 0 || static_cast<size_t>(length) == sizeof to) break;
        const std::string next(to, static_cast<size_t>(length));
        target = next[0] == '/' ? next : FolderOf(target) + "/" + next;
    }
    return target;
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
    const std::string target = PlatformKeptFileTarget(path);
    const std::string folder = FolderOf(target);
    if (!MakeFolders(folder))
    {
        *reason = "cannot make its folder: " + Reason();
        return false;
    }
    struct stat old;
    const bool replacing = lstat(target.c_str(), &old) == 0;
    if (replacing && S_ISLNK(old.st_mode))
    {
        *reason = std::strerror(ELOOP); // a loop of links, or one too long to follow
        return false;
    }
    if (LockFile >= 0) RemoveLeftovers(target);
    std::string temporary;
    const int fd = CreateTemporary(target, &temporary);
    if (fd < 0)
    {
        *reason = Reason();
        return false;
    }
    // The new file keeps the old one's permissions, where the file system has any.
    if (replacing) fchmod(fd, old.st_mode & 0777);
    bool ok = WriteAll(fd, text) && fsync(fd) == 0;
    if (!ok) *reason = Reason();
    if (close(fd) != 0 && ok)
    {
        ok = false;
        *reason = Reason();
    }
    if (ok && rename(temporary.c_str(), target.c_str()) != 0)
    {
        ok = false;
        *reason = Reason();
    }
    if (!ok)
    {
        unlink(temporary.c_str());
        return false;
    }
    if (!SyncFolder(folder))
    {
        *reason = "cannot flush its folder: " + Reason();
        return false;
    }
    return true;
}

KeptMoveResult PlatformMoveKeptFile(const std::string& from, const std::string& to,
                                    std::string* reason)
{
#ifdef RENAME_NOREPLACE
    int moved = renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE);
    const bool noReplaceHere = moved == 0 || (errno != EINVAL && errno != ENOSYS);
#else
    int moved = -1;
    const bool noReplaceHere = false;
#endif
    // Where the system cannot refuse to replace, look first: the lock keeps other copies of
    // the game from taking the name in between.
    if (!noReplaceHere)
    {
        struct stat taken;
        if (lstat(to.c_str(), &taken) == 0) return KEPT_NAME_TAKEN;
        moved = rename(from.c_str(), to.c_str());
    }
    if (moved == 0)
    {
        if (SyncFolder(FolderOf(to))) return KEPT_MOVED;
        *reason = "cannot flush its folder: " + Reason();
        return KEPT_MOVE_FAILED;
    }
    if (errno == EEXIST || errno == ENOTEMPTY) return KEPT_NAME_TAKEN;
    if (errno == ENOENT) return KEPT_NOTHING_TO_MOVE;
    *reason = Reason();
    return KEPT_MOVE_FAILED;
}

bool PlatformRemoveKeptFile(const std::string& path, std::string* reason)
{
    if (unlink(path.c_str()) == 0 || errno == ENOENT) return true;
    *reason = Reason();
    return false;
}

bool PlatformLockKeptFiles()
{
    if (LockFile >= 0) return true;
    const std::string folder = PlatformKeptFolder(KEPT_PROGRESS);
    if (folder.empty() || !MakeFolders(folder)) return false;
    const std::string path = folder + "/" + LOCK_NAME;
    const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) return false;
    while (flock(fd, LOCK_EX) != 0)
        if (errno != EINTR)
        {
            close(fd);
            return false;
        }
    LockFile = fd;
    return true;
}

void PlatformUnlockKeptFiles()
{
    if (LockFile < 0) return;
    close(LockFile); // closing the last descriptor of the lock file drops the lock
    LockFile = -1;
}
