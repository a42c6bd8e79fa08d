// text_label.cpp: menu objects that draw one cell of a sheet, and lines of them.
#include "game/frontend/text_label.h"

#include "engine/graphics/draw_state.h"
#include "game/frontend/menu_widgets.h"

namespace
{
constexpr char FIRST_LETTER = ' ';
constexpr char LAST_LETTER = '~';
constexpr size_t LETTER_COUNT = LAST_LETTER - FIRST_LETTER + 1;

// A menu object showing one cell of a sheet: its own texture matrix, put back after.
class SheetCell : public GameObject
{
  public:
    SheetCell(size_t cell, size_t count)
        : cell_{{1.0f / static_cast<float>(count), 0,
                 static_cast<float>(cell) / static_cast<float>(count), 0, 1, 0, 0, 0, 1}}
    {
    }
    void Draw(const Matrix3* parent) override
    {
        if (!mesh) return;
        SetTintEnabled(tintEnabled);
        SetTintColor(tint);
        const Matrix3 local = MakeTransformMatrix({position, scale, rotation});
        SetTextureTransform(&cell_);
        if (texture) SetTexture(texture);
        SetWorldTransform(parent ? Matrix3Multiply(*parent, local) : local);
        DrawMesh(mesh);
        SetTextureTransform(nullptr);
    }

  private:
    Matrix3 cell_;
};
} // namespace

GameObject* CreateSheetCell(const char* name, Texture* sheet, size_t cell, size_t cellCount,
                            float x, float y, float w, float h)
{
    return CreateMenuObject(new SheetCell(cell, cellCount), name, sheet, x, y, w, h,
                            KIND_BACKGROUND);
}

float TextLabelWidth(const std::string& text, float height)
{
    return height * LETTER_ASPECT * static_cast<float>(text.size());
}

float CreateTextLabel(const char* name, const std::string& text, Texture* sheet, float left,
                      float y, float height, bool centred)
{
    const float width = height * LETTER_ASPECT;
    const float total = TextLabelWidth(text, height);
    float x = (centred ? left - total * 0.5f : left) + width * 0.5f;
    for (char c : text)
    {
        if (c != ' ')
        {
            const char shown = c >= FIRST_LETTER && c <= LAST_LETTER ? c : '?';
            CreateSheetCell(name, sheet, static_cast<size_t>(shown - FIRST_LETTER), LETTER_COUNT, x,
                            y, width, height);
        }
        x += width;
    }
    return total;
}

std::string FitText(const std::string& text, float width, float height)
{
    const size_t room = static_cast<size_t>(width / (height * LETTER_ASPECT));
    if (text.size() <= room) return text;
    if (room <= 3) return text.substr(0, room);
    return text.substr(0, room - 3) + "...";
}
