// kept_file.h: one file the game keeps between runs (the settings, the best times).
//
// Read once at start, written whole whenever what it holds changes. Every trouble costs a line
// on standard error and never stops the game: a file that cannot be read or is damaged gives
// the defaults (or what could be read of it) and is set aside before the next write, never
// silently lost; a folder that cannot be written is reported once and the game plays on with
// what it has in memory.
//
// Each write holds the kept files' lock (copies of the game take turns) and first reads the
// file back as it is now: its owner takes in what another copy wrote, and a damaged file is set
// aside beside it (beside the file a link points to) as NAME.bad, or when that is taken the
// first free of NAME.bad.1 to NAME.bad.9; with all ten taken the oldest, NAME.bad, is dropped
// and the others move down one name. A set-aside file is never written over.
#pragma once

#include "engine/platform/platform.h"

#include <string>

// Reads back the file's text as it is on the disk just before `text` replaces it: 0 when every
// line was understood, otherwise the first damaged one. An owner that keeps what other copies
// of the game wrote (the best times) takes it into the game and into `text`.
using KeptReadBack = int (*)(const std::string& onDisk, std::string* text);

// Largest kept file read unless the file says otherwise; anything larger is taken as damaged.
constexpr size_t KEPT_FILE_LIMIT = 64 * 1024;

struct KeptFile
{
    KeptFolder folder;
    const char* name; // "settings.ini"
    KeptReadBack readBack;
    bool reported = false;   // a failed write has been said once
    std::string lastWritten; // the text the file holds as far as the game knows
    size_t limit = KEPT_FILE_LIMIT; // a larger file is taken as damaged
};

// False (the default) keeps every kept file unread and unwritten: the replay runner and a
// played-back recording are the same on every machine. The program turns it on.
extern bool KeepingFiles;
// How many set-aside copies of one kept file are kept: NAME.bad and NAME.bad.1 to .9.
constexpr int SET_ASIDE_LIMIT = 10;

// The file's full path; empty when there is no folder for it.
std::string KeptFilePath(const KeptFile& file);
// The name of the n-th (0 to SET_ASIDE_LIMIT - 1) set-aside copy of the file at `path`.
std::string SetAsideName(const std::string& path, int n);
// The file's text. False when it is missing, unreadable (said on stderr) or not kept.
bool ReadKeptFile(KeptFile* file, std::string* text);
// Says on stderr that the file is damaged (`what` tells how) and that it will be set aside.
void ReportDamagedKeptFile(const KeptFile& file, const std::string& what);
// Writes the text, as taken in by the file's read-back, unless it equals lastWritten (the last
// text written, or what the game made of the file when it read it).
void WriteKeptFile(KeptFile* file, const std::string& text);
