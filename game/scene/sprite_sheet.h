// sprite_sheet.h: sprite sheets and the small text file that describes one.
//
// A description file (for example ".\data\run_extra_8x1") holds, in this order:
//   three whole numbers, the frame count, the rows and the columns, each ended by exactly one
//   character that is neither a digit nor '-' (a line feed or a blank);
//   one line: the path of the sheet's PNG picture;
//   one line per frame: the seconds the frame is shown, after the line's last ':' (the whole
//   line when it has none); what stands before the ':' is a free label.
// Lines end at a line feed (a CR LF pair counts as one) and hold at most 255 characters;
// longer lines are cut. Missing frame lines, and durations that are not a number of seconds
// of 0 or more, give frames of 0 s. A header that does not parse, or that asks for no rows,
// no columns, or no frames, or more than 4096 of any, gives no sheet at all.
//
// LoadSpriteSheet keeps every sheet it makes in SpriteSheetList until FreeSpriteSheets.
#pragma once

#include <cstdint>
#include <cstdio>
#include <vector>

struct Texture;

// The largest frame count, row count or column count a sheet may have.
constexpr uint32_t MAX_SHEET_CELLS = 4096;
// Characters kept of one line, and of one whole number of the header.
constexpr int MAX_SHEET_LINE_LENGTH = 255;
constexpr int MAX_INT_TOKEN_LENGTH = 12;

struct SpriteSheet
{
    Texture* texture = nullptr; // owned; null when the picture could not be loaded
    uint32_t frameCount = 0;
    uint32_t rows = 0;
    uint32_t columns = 0;
    std::vector<float> frameDurations; // seconds, one per frame
};

// Every loaded sheet, in load order; owns them.
extern std::vector<SpriteSheet*> SpriteSheetList;

// Reads the description file at `path` and loads the picture it names. Null, with nothing
// kept, for a null path, a file that cannot be opened or a header that cannot be used. A
// picture that cannot be loaded leaves the sheet with a null texture.
SpriteSheet* LoadSpriteSheet(const char* path);
// Releases every sheet and its texture, newest first.
void FreeSpriteSheets();

// One whole number of the header: digits and '-' up to the next other character, which is
// consumed; no blanks are skipped first. At the end of the file the value is 0. False, with
// `value` untouched, for a null stream, a read error, or no digit or '-' before the end
// character. Only the first 12 characters of a longer number count; values beyond the range
// of int are clamped to it.
bool ReadIntToken(FILE* stream, int* value);
