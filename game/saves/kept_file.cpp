// kept_file.cpp: reading, setting aside and writing the files kept between runs.
#include "game/saves/kept_file.h"

bool KeepingFiles = false;

namespace
{
// Moves the damaged file at `path` to the first free set-aside name; with every name taken,
// the oldest copy is dropped first and the others move down one name. `keptAs` is empty when
// the file is already gone.
bool SetAside(const std::string& path, std::string* keptAs, std::string* reason)
{
    keptAs->clear();
    for (int round = 0; round < 2; ++round)
    {
        if (round == 1)
        {
            if (!PlatformRemoveKeptFile(SetAsideName(path, 0), reason)) return false;
            std::string ignored; // a copy that cannot move down leaves a gap, filled next time
            for (int n = 1; n < SET_ASIDE_LIMIT; ++n)
                PlatformMoveKeptFile(SetAsideName(path, n), SetAsideName(path, n - 1), &ignored);
        }
        for (int n = 0; n < SET_ASIDE_LIMIT; ++n)
        {
            switch (PlatformMoveKeptFile(path, SetAsideName(path, n), reason))
            {
            case KEPT_MOVED: *keptAs = SetAsideName(path, n); return true;
            case KEPT_NOTHING_TO_MOVE: return true;
            case KEPT_MOVE_FAILED: return false;
            case KEPT_NAME_TAKEN: break;
            }
        }
    }
    *reason = "every name for it is taken";
    return false;
}

// Under the lock: reads the file back, sets it aside when damaged and writes the text over it
// unless it holds that text already.
bool Replace(const KeptFile& file, const std::string& path, std::string* text,
             std::string* reason)
{
    const std::string target = PlatformKeptFileTarget(path);
    std::string onDisk, damage;
    const KeptReadResult read = PlatformReadKeptFile(target, file.limit, &onDisk, reason);
    if (read == KEPT_UNREADABLE) damage = "cannot be read (" + *reason + ")";
    else if (read == KEPT_READ)
        if (const int line = file.readBack(onDisk, text))
            damage = "is damaged at line " + std::to_string(line);
    reason->clear();
    if (!damage.empty())
    {
        std::string keptAs;
        if (!SetAside(target, &keptAs, reason))
        {
            *reason = "the damaged file cannot be set aside: " + *reason;
            return false;
        }
        if (!keptAs.empty())
            std::fprintf(stderr, "Vantara: %s %s; it is kept as %s\n", path.c_str(),
                         damage.c_str(), keptAs.c_str());
    }
    else if (read == KEPT_READ && onDisk == *text)
        return true;
    return PlatformWriteKeptFile(target, *text, reason);
}
} // namespace

std::string KeptFilePath(const KeptFile& file)
{
    const std::string folder = PlatformKeptFolder(file.folder);
    return folder.empty() ? folder : folder + "/" + file.name;
}

std::string SetAsideName(const std::string& path, int n)
{
    return path + (n == 0 ? ".bad" : ".bad." + std::to_string(n));
}

bool ReadKeptFile(KeptFile* file, std::string* text)
{
    text->clear();
    const std::string path = KeptFilePath(*file);
    if (!KeepingFiles || path.empty()) return false;
    std::string reason;
    switch (PlatformReadKeptFile(path, file->limit, text, &reason))
    {
    case KEPT_READ: return true;
    case KEPT_MISSING: return false;
    case KEPT_UNREADABLE: break;
    }
    ReportDamagedKeptFile(*file, "cannot be read (" + reason + ")");
    return false;
}

void ReportDamagedKeptFile(const KeptFile& file, const std::string& what)
{
    std::fprintf(stderr,
                 "Vantara: %s %s; the defaults stand in for what it lacks, and it will be set "
                 "aside as %s.bad (or the next free %s.bad.N) before it is written again\n",
                 KeptFilePath(file).c_str(), what.c_str(), file.name, file.name);
}

void WriteKeptFile(KeptFile* file, const std::string& text)
{
    if (!KeepingFiles || text == file->lastWritten) return;
    std::string written = text;
    std::string reason = "no home folder";
    const std::string path = KeptFilePath(*file);
    bool saved = false;
    if (!path.empty())
    {
        const bool locked = PlatformLockKeptFiles();
        saved = Replace(*file, path, &written, &reason);
        if (locked) PlatformUnlockKeptFiles();
    }
    file->lastWritten = written;
    if (saved || file->reported) return;
    file->reported = true;
    std::fprintf(stderr, "Vantara: cannot save %s (%s); playing on without saving it\n",
                 path.empty() ? file->name : path.c_str(), reason.c_str());
}
