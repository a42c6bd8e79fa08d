// time_label.h: a best time written with the digit sheet, one menu object per character.
//
// "data/Menus/Time_Digits.png" holds one row of equal cells, "0123456789:." and a star that
// marks a finished level. Each character becomes a menu object that draws its cell.
#pragma once

#include <string>

struct Texture;

constexpr const char* TIME_DIGITS_PATH = "data/Menus/Time_Digits.png";

// Registers one object per character of `text` (characters of the sheet only; '*' is the
// star), named `name`, the whole line centred on (x, y), each character `height` units high.
void CreateTimeLabel(const char* name, const std::string& text, Texture* sheet, float x, float y,
                     float height);
// The width of such a line, in the same units.
float TimeLabelWidth(const std::string& text, float height);
