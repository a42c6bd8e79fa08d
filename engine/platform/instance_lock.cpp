// instance_lock.cpp: keeps a second copy of the game from starting.
//
// An exclusive flock on "Vantara.lock" in $XDG_RUNTIME_DIR (or the temp directory). The kernel
// drops the lock when the process ends, however it ends, so a crash never blocks the next start.
#include "engine/platform/platform.h"

#include <cstdlib>
#include <string>
#include <sys/file.h>
#include <unistd.h>
#include <fcntl.h>

static int LockFile = -1;

static std::string LockDirectory()
{
    const char* dir = std::getenv("XDG_RUNTIME_DIR");
    if (!dir || !*dir) dir = std::getenv("TMPDIR");
    if (!dir || !*dir) dir = "/tmp";
    return dir;
}

bool PlatformAcquireInstanceLock(const char* name)
{
    if (LockFile >= 0) return true;
    std::string path = LockDirectory() + "/" + name + ".lock";
    int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) return true; // no place for a lock file: better to run than to refuse
    if (flock(fd, LOCK_EX | LOCK_NB) != 0)
    {
        close(fd);
        return false;
    }
    LockFile = fd;
    return true;
}

void PlatformReleaseInstanceLock()
{
    if (LockFile < 0) return;
    flock(LockFile, LOCK_UN);
    close(LockFile);
    LockFile = -1;
}
