// ini_reader.cpp: INI text, line by line.
#include "game/saves/ini_reader.h"

#include <algorithm>

namespace
{
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::string Trimmed(const std::string& text)
{
    size_t first = 0, last = text.size();
    while (first < last && IsBlank(text[first])) ++first;
    while (last > first && IsBlank(text[last - 1])) --last;
    return text.substr(first, last - first);
}

// The line without its comment: one that starts the line, or one after a blank, so that a
// value may still hold a '#' of its own ("colour = #ff0000" is no comment).
std::string WithoutComment(const std::string& line)
{
    for (size_t i = 0; i < line.size(); ++i)
        if ((line[i] == '#' || line[i] == ';') && (i == 0 || IsBlank(line[i - 1])))
            return line.substr(0, i);
    return line;
}

// One line of text; false when it is damaged.
bool ReadLine(const std::string& raw, std::string* section, IniHandler handler, void* user)
{
    const std::string line = Trimmed(WithoutComment(raw));
    if (line.empty()) return true;
    if (line[0] == '[')
    {
        if (line.back() != ']') return false;
        *section = Trimmed(line.substr(1, line.size() - 2));
        return true;
    }
    const size_t split = line.find_first_of("=:");
    if (split == std::string::npos) return false;
    const std::string name = Trimmed(line.substr(0, split));
    const std::string value = Trimmed(line.substr(split + 1));
    if (name.empty()) return false;
    return handler(user, section->c_str(), name.c_str(), value.c_str());
}
} // namespace

int ParseIni(const std::string& text, IniHandler handler, void* user)
{
    // A NUL ends the text: it is the line where the damage starts.
    const size_t end = std::min(text.size(), text.find('\0'));
    size_t start = text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    std::string section;
    int firstDamaged = 0;
    int number = 0;
    while (start < end || (start == end && end < text.size()))
    {
        ++number;
        size_t stop = text.find('\n', start);
        const bool lastLine = stop == std::string::npos || stop >= end;
        if (lastLine) stop = end;
        // The line a NUL cut short is damaged and not read: its value may be cut short too.
        const bool cut = lastLine && end < text.size();
        const size_t length = stop - start - (stop > start && text[stop - 1] == '\r' ? 1 : 0);
        const bool understood = !cut && length <= INI_LINE_LIMIT &&
                                ReadLine(text.substr(start, stop - start), &section, handler, user);
        if (!understood && firstDamaged == 0) firstDamaged = number;
        if (lastLine) break;
        start = stop + 1;
    }
    return firstDamaged;
}
