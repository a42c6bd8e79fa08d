// time_label.cpp: menu objects that draw one cell of the digit sheet.
#include "game/frontend/time_label.h"

#include "engine/graphics/draw_state.h"
#include "game/frontend/menu_widgets.h"

#include <cstring>


namespace
{
constexpr const char* CELLS = "0123456789:.*";
constexpr float CELL_COUNT = 13.0f;
constexpr float CELL_ASPECT = 34.0f / 72.0f; // width over height of one cell

// A menu object showing one cell of the sheet: its own texture matrix, put back after.
class SheetCell : public GameObject
{
  public:
    explicit SheetCell(float cell) : cell_{{1.0f / CELL_COUNT, 0, cell / CELL_COUNT, 0, 1, 0, 0, 0, 1}}
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
            CreateMenuObject(new SheetCell(static_cast<float>(cell - CELLS)), name, sheet, left, y,
                             width, height, KIND_BACKGROUND);
        left += width;
    }
}
