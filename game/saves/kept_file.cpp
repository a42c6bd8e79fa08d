// kept_file.cpp: reading, setting aside and writing the files kept between runs.
#include "game/saves/kept_file.h"

bool KeepingFiles = false;

std::string KeptFilePath(const KeptFile& file)
{
    const std::string folder = PlatformKeptFolder(file.folder);
    return folder.empty() ? folder : folder + "/" + file.name;
}

bool ReadKeptFile(KeptFile* file, std::string* text)
{
    text->clear();
    const std::string path = KeptFilePath(*file);
    if (!KeepingFiles || path.empty()) return false;
    std::string reason;
    switch (PlatformReadKeptFile(path, KEPT_FILE_LIMIT, text, &reason))
    {
    case KEPT_READ: return true;
    case KEPT_MISSING: return false;
    case KEPT_UNREADABLE: break;
    }
    ReportDamagedKeptFile(file, "cannot be read (" + reason + ")");
    return false;
}

void ReportDamagedKeptFile(KeptFile* file, const std::string& what)
{
    const std::string path = KeptFilePath(*file);
    std::fprintf(stderr,
                 "Vantara: %s %s; the defaults stand in for what it lacks, and it will be "
                 "kept as %s.bad\n",
                 path.c_str(), what.c_str(), file->name);
    file->damaged = true;
}

void WriteKeptFile(KeptFile* file, const std::string& text)
{
    if (!KeepingFiles || text == file->lastWritten) return;
    file->lastWritten = text;
    const std::string path = KeptFilePath(*file);
    std::string reason = "no home folder";
    if (!path.empty() && file->damaged)
        file->damaged = !PlatformRenameFile(path, path + ".bad");
    // A damaged file that cannot be set aside is not written over.
    if (!path.empty() && !file->damaged && PlatformWriteKeptFile(path, text, &reason)) return;
    if (file->damaged) reason = "the damaged file cannot be set aside";
    if (file->reported) return;
    file->reported = true;
    std::fprintf(stderr, "Vantara: cannot save %s (%s); playing on without saving it\n",
                 path.empty() ? file->name : path.c_str(), reason.c_str());
}
