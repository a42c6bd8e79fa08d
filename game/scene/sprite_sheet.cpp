// sprite_sheet.cpp: the description-file reader, the sheet list and its release.
#include "game/scene/sprite_sheet.h"

#include "engine/graphics/texture.h"
#include "engine/platform/platform.h"

#include <cfloat>
#include <climits>
#include <cstdlib>

std::vector<SpriteSheet*> SpriteSheetList;

// One character of a text-mode read: a CR LF pair reads as one line feed, so files saved
// with either line ending read the same on every platform.
static int ReadTextChar(FILE* stream)
{
    const int c = std::fgetc(stream);
    if (c != '\r') return c;
    const int next = std::fgetc(stream);
    if (next == '\n') return '\n';
    if (next != EOF) std::ungetc(next, stream);
    return c;
}

static bool IsTokenChar(int c)
{
    return (c >= '0' && c <= '9') || c == '-';
}

bool ReadIntToken(FILE* stream, int* value)
{
    if (!stream || !value) return false;
    if (std::feof(stream))
    {
        *value = 0;
        return true;
    }
    char token[MAX_INT_TOKEN_LENGTH + 1];
    int length = 0;
    for (;;)
    {
        const int c = ReadTextChar(stream);
        if (c == EOF && std::ferror(stream)) return false;
        if (IsTokenChar(c))
        {
            if (length < MAX_INT_TOKEN_LENGTH) token[length++] = static_cast<char>(c);
            if (std::feof(stream)) break;
            continue;
        }
        if (length == 0) return false;
        break;
    }
    token[length] = '\0';
    // As atoi reads it (leading digits, "12-3" is 12, a lone '-' is 0), but never past int.
    const long parsed = std::strtol(token, nullptr, 10);
    *value = static_cast<int>(parsed < INT_MIN ? INT_MIN : parsed > INT_MAX ? INT_MAX : parsed);
    return true;
}

// Reads one line into `line` (at most MAX_SHEET_LINE_LENGTH characters kept, the rest of the
// line skipped). With `afterLastColon`, each ':' starts the kept text afresh.
static void ReadLine(FILE* stream, char (&line)[MAX_SHEET_LINE_LENGTH + 1], bool afterLastColon)
{
    int length = 0;
    for (int c = ReadTextChar(stream); c != EOF && c != '\n'; c = ReadTextChar(stream))
    {
        if (afterLastColon && c == ':')
            length = 0;
        else if (length < MAX_SHEET_LINE_LENGTH)
            line[length++] = static_cast<char>(c);
    }
    line[length] = '\0';
}

// Seconds as atof reads them; anything that is not a usable number of seconds is 0.
static float ParseDuration(const char* text)
{
    const double seconds = std::strtod(text, nullptr);
    if (!(seconds >= 0.0) || seconds > FLT_MAX) return 0.0f;
    return static_cast<float>(seconds);
}

static bool UsableCount(int value)
{
    return value > 0 && value <= static_cast<int>(MAX_SHEET_CELLS);
}

SpriteSheet* LoadSpriteSheet(const char* path)
{
    if (!path) return nullptr;
    FILE* file = PlatformOpenFile(path, "r");
    if (!file) return nullptr;

    int frameCount = 0, rows = 0, columns = 0;
    const bool headerRead = ReadIntToken(file, &frameCount) && ReadIntToken(file, &rows) &&
                            ReadIntToken(file, &columns);
    if (!headerRead || !UsableCount(frameCount) || !UsableCount(rows) || !UsableCount(columns))
    {
        std::fclose(file);
        return nullptr;
    }

    SpriteSheet* sheet = new SpriteSheet();
    sheet->frameCount = static_cast<uint32_t>(frameCount);
    sheet->rows = static_cast<uint32_t>(rows);
    sheet->columns = static_cast<uint32_t>(columns);

    char line[MAX_SHEET_LINE_LENGTH + 1];
    ReadLine(file, line, false);
    sheet->texture = LoadTexture(line);

    sheet->frameDurations.reserve(sheet->frameCount);
    for (uint32_t i = 0; i < sheet->frameCount; ++i)
    {
        ReadLine(file, line, true);
        sheet->frameDurations.push_back(ParseDuration(line));
    }

    std::fclose(file);
    SpriteSheetList.push_back(sheet);
    return sheet;
}

void FreeSpriteSheets()
{
    while (!SpriteSheetList.empty())
    {
        SpriteSheet* sheet = SpriteSheetList.back();
        SpriteSheetList.pop_back();
        if (!sheet) continue;
        ReleaseTexture(sheet->texture);
        delete sheet;
    }
}
