// windows_text.h: UTF-8 inside the game, UTF-16 at the Windows boundary.
//
// The game keeps every path and message in UTF-8; Windows' own calls take wide strings. The
// conversions happen here, right where a Windows call is made, so that a user name in any
// script works in every path the game builds.
#pragma once

#include <string>

// UTF-8 to UTF-16; invalid bytes become U+FFFD.
std::wstring WideFromUtf8(const std::string& text);
// UTF-16 to UTF-8; `length` in wide characters, or -1 for a null-terminated string.
std::string Utf8FromWide(const wchar_t* text, int length = -1);
// The last Windows error as a sentence for a person, in UTF-8.
std::string WindowsErrorText(unsigned long code);
