// kept_file.h: one file the game keeps between runs (the settings, the best times).
//
// Read once at start, written whole whenever what it holds changes. Every trouble costs one
// line on standard error and never stops the game: a file that cannot be read or is damaged
// gives the defaults (or what could be read of it), and is set aside as NAME.bad before the
// first new write, never silently lost; a folder that cannot be written is reported once and
// the game plays on with what it has in memory.
#pragma once

#include "engine/platform/platform.h"

#include <string>

struct KeptFile
{
    KeptFolder folder;
    const char* name;       // "settings.ini"
    bool damaged = false;   // set aside before the next write
    bool reported = false;  // a failed write has been said once
    std::string lastWritten; // the text the file holds as far as the game knows
};

// False (the default) keeps every kept file unread and unwritten: the replay runner and a
// played-back recording are the same on every machine. The program turns it on.
extern bool KeepingFiles;
// Largest kept file read; anything larger is taken as damaged.
constexpr size_t KEPT_FILE_LIMIT = 64 * 1024;

// The file's full path; empty when there is no folder for it.
std::string KeptFilePath(const KeptFile& file);
// The file's text. False when it is missing, unreadable (said on stderr) or not kept.
bool ReadKeptFile(KeptFile* file, std::string* text);
// Says on stderr that the file is damaged (`what` tells how) and marks it to be set aside.
void ReportDamagedKeptFile(KeptFile* file, const std::string& what);
// Writes the text unless it equals lastWritten (the last text written, or what the game made
// of the file when it read it).
void WriteKeptFile(KeptFile* file, const std::string& text);
