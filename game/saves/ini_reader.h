// ini_reader.h: the small INI reader of the files the game keeps (settings, best times).
//
// One reader for every system the game is built for. What it takes:
//   [section]            a section; keys before the first one are in section ""
//   name = value         (or name: value) blanks around both are dropped
//   # comment, ; comment a whole line, or the rest of a line after a blank
//   a UTF-8 byte-order mark at the start, and CR LF line ends.
// Anything else is a damaged line: a line with no '=' or ':', a section without its ']', a
// line longer than INI_LINE_LIMIT bytes (skipped whole, never read in pieces) and the line
// holding a NUL byte, where the text ends (a crash often leaves a tail of NULs). Every line
// before the damage and after it is still read.
#pragma once

#include <string>

constexpr size_t INI_LINE_LIMIT = 400; // bytes, without the line end

// Called for each key; returns false when it cannot take the value (the line is damaged).
using IniHandler = bool (*)(void* user, const char* section, const char* name,
                            const char* value);

// Reads `text`, calling `handler` for every key in order. Returns 0 when every line was
// understood, otherwise the number (from 1) of the first damaged line.
int ParseIni(const std::string& text, IniHandler handler, void* user);
