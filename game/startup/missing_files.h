// missing_files.h: what a player is told about a file missing from data/.
//
// The game plays on without a missing picture or sound (a blank object, silence). The first
// missing file is named once on standard error, so that a broken install can be told apart
// from a quiet screen; the rest are not, so that the log stays readable.
#pragma once

void ReportMissingFile(const char* path);
