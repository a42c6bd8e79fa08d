// number_text.h: floats in the kept files, written and read the same way on every platform.
//
// As std::to_chars and std::from_chars do it, which not every standard library the game is
// built with has for floats (the browser build's): the shortest text that reads back as the
// same float, fixed or scientific, whichever is shorter (fixed on a tie; the same text as
// to_chars below ten million, the volumes' range and far beyond); and strict reading, with no
// leading space, no '+' and no hexadecimal.
#pragma once

#include <string>

std::string ShortestFloatText(float value);
// True when the whole of `text` is one float in range; `value` is untouched otherwise.
bool ReadFloatText(const char* text, float* value);
