// time_label.cpp: menu objects that draw one cell of the digit sheet.
#include "game/frontend/time_label.h"

#include "game/frontend/menu_widgets.h"
#include "game/frontend/text_label.h"

#include <cstring>


namespace
{
constexpr const char* CELLS = "0123456789:.*";
constexpr size_t CELL_COUNT = 13;
constexpr float CELL_ASPECT = 34.0f / 72.0f; // width over height of one cell
} // namespace

float TimeLabelWidth(const std::string& text, float height)
{
    return height * CELL_ASPECT * static_cast<float>(text.size());
}

void CreateTimeLabel(const char* name, const std::string& text, Texture* sheet, float x, float y,
                     float height)
{
    const float width = height * CELL_ASPECT;
    float left = x - TimeLabelWidth(text, height) * 0.5f + width * 0.5f;
    for (char c : text)
    {
        const char* cell = c ? std::strchr(CELLS, c) : nullptr;
        if (cell)
            CreateSheetCell(name, sheet, static_cast<size_t>(cell - CELLS), CELL_COUNT, left, y,
                            width, height);
        left += width;
    }
}
