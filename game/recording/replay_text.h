// replay_text.h: the small strict readers shared by the script and arena parsers.
//
// Both formats are whitespace-separated tokens with # comments. Numbers are read in the C
// locale and must be whole tokens: "12x", "nan", "inf" and hexadecimal are refused.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The line without its comment, split at blanks and tabs.
std::vector<std::string> SplitReplayLine(const std::string& line);
// The text split into lines at line feeds; a carriage return before a line feed is dropped.
std::vector<std::string> SplitReplayLines(const std::string& text);

bool ParseWhole(const std::string& token, int64_t low, int64_t high, int64_t* value);
bool ParseDecimal(const std::string& token, float* value);
