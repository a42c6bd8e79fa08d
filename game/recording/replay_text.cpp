// replay_text.cpp: tokens, whole numbers and decimals for replay scripts and arenas.
#include "game/recording/replay_text.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>

std::vector<std::string> SplitReplayLine(const std::string& line)
{
    std::vector<std::string> tokens;
    std::string token;
    for (char c : line)
    {
        if (c == '#') break;
        if (c == ' ' || c == '\t' || c == '\r')
        {
            if (!token.empty()) tokens.push_back(token);
            token.clear();
        }
        else
            token += c;
    }
    if (!token.empty()) tokens.push_back(token);
    return tokens;
}

std::vector<std::string> SplitReplayLines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size())
    {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

bool ParseWhole(const std::string& token, int64_t low, int64_t high, int64_t* value)
{
    size_t i = token[0] == '-' || token[0] == '+' ? 1 : 0;
    if (i == token.size() || token.size() > 19) return false;
    for (size_t k = i; k < token.size(); ++k)
        if (token[k] < '0' || token[k] > '9') return false;
    const long long parsed = std::strtoll(token.c_str(), nullptr, 10);
    if (parsed < low || parsed > high) return false;
    *value = parsed;
    return true;
}

bool ParseDecimal(const std::string& token, float* value)
{
    bool digits = false;
    for (char c : token)
    {
        if (c >= '0' && c <= '9')
            digits = true;
        else if (c != '-' && c != '+' && c != '.' && c != 'e' && c != 'E')
            return false;
    }
    if (!digits) return false;
    errno = 0;
    char* end = nullptr;
    const double parsed = std::strtod(token.c_str(), &end);
    if (*end != '\0' || errno == ERANGE || !std::isfinite(parsed)) return false;
    const float narrowed = static_cast<float>(parsed);
    if (!std::isfinite(narrowed)) return false;
    *value = narrowed;
    return true;
}
