// text_label.h: a line of text written with a sheet of letters, one menu object per character.
//
// "data/Menus/Letters.png" holds every printable ASCII character from ' ' to '~' in one row of
// equal cells; level titles and messages are written with it. The digit sheet of the best
// times (time_label.h) is drawn the same way.
#pragma once

#include <cstddef>
#include <string>

class GameObject;
struct Texture;

constexpr const char* LETTERS_PATH = "data/Menus/Letters.png";
constexpr float LETTER_ASPECT = 32.0f / 64.0f; // a cell's width over its height

// A menu object that draws cell `cell` of a sheet of `cellCount` cells in one row.
GameObject* CreateSheetCell(const char* name, Texture* sheet, size_t cell, size_t cellCount,
                            float x, float y, float w, float h);

// Registers one object per character of `text`, named `name`, each `height` units high, the
// line starting at `left` (or centred on it with `centred`) on the line through y. Characters
// outside the sheet are written as '?'; blanks take their room but make no object. Returns
// the width written.
float CreateTextLabel(const char* name, const std::string& text, Texture* sheet, float left,
                      float y, float height, bool centred = false);
// The width of such a line.
float TextLabelWidth(const std::string& text, float height);
// `text` cut to at most `width` units at this height, ending in "..." when it was cut.
std::string FitText(const std::string& text, float width, float height);
