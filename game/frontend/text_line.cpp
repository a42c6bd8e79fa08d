// text_line.cpp: lines of letters, one quad per letter, drawn with the cell's texture matrix.
#include "game/frontend/text_line.h"

#include "engine/graphics/draw_state.h"
#include "game/frontend/menu_widgets.h"
#include "game/frontend/text_label.h"

#include <cmath>

namespace
{
const char* const LETTERS_PATHS[] = {LETTERS_PATH};
Texture* LetterSheet[1] = {};
constexpr char FIRST_LETTER = ' ';
constexpr char LAST_LETTER = '~';
constexpr float LETTER_COUNT = static_cast<float>(LAST_LETTER - FIRST_LETTER + 1);
} // namespace

PictureSet LetterPictures = {LETTERS_PATHS, LetterSheet, 1, 0};

Texture* Letters() { return LetterSheet[0]; }

float LettersWidth(const std::string& text, float height)
{
    return height * LETTER_ASPECT * static_cast<float>(text.size());
}

void DrawLetters(const Matrix3* parent, Texture* sheet, const std::string& text, Vec2 at,
                 float height, TextAlign align, uint32_t tint)
{
    if (!UnitQuadMesh || text.empty()) return;
    const float width = height * LETTER_ASPECT;
    const float total = LettersWidth(text, height);
    float x = at.x - (align == TEXT_CENTRE ? total * 0.5f : align == TEXT_RIGHT ? total : 0.0f);
    SetTintEnabled(tint != TEXT_WHITE);
    SetTintColor(tint);
    if (sheet) SetTexture(sheet);
    for (char c : text)
    {
        if (c != ' ')
        {
            const char shown = c >= FIRST_LETTER && c <= LAST_LETTER ? c : '?';
            const Matrix3 cell = {
                {1.0f / LETTER_COUNT, 0, static_cast<float>(shown - FIRST_LETTER) / LETTER_COUNT,
                 0, 1, 0, 0, 0, 1}};
            SetTextureTransform(&cell);
            const Matrix3 local = MakeTransformMatrix({{x + width * 0.5f, at.y}, {width, height}, 0.0f});
            SetWorldTransform(parent ? Matrix3Multiply(*parent, local) : local);
            DrawMesh(UnitQuadMesh);
        }
        x += width;
    }
    SetTextureTransform(nullptr);
}

void TextLine::Draw(const Matrix3* parent)
{
    DrawLetters(parent, texture, text, position, scale.y, align, tintEnabled ? tint : TEXT_WHITE);
}

void LabelledButton::Draw(const Matrix3* parent)
{
    GameObject::Draw(parent);
    // The words fit the plate: narrower letters for a long text, never wider than 85% of it.
    const float plateWidth = std::fabs(scale.x) * 0.85f;
    float height = scale.y * letterShare;
    if (LettersWidth(text, height) > plateWidth && !text.empty())
        height = plateWidth / (LETTER_ASPECT * static_cast<float>(text.size()));
    DrawLetters(parent, letters, text, {position.x, position.y + scale.y * 0.03f}, height,
                TEXT_CENTRE, textTint);
}

TextLine* CreateTextLine(const char* name, Texture* sheet, const std::string& text, float x,
                         float y, float height, TextAlign align)
{
    TextLine* line = new TextLine();
    line->text = text;
    line->align = align;
    CreateMenuObject(line, name, sheet, x, y, height, height);
    return line;
}

LabelledButton* CreateLabelledButton(const char* name, Texture* plate, Texture* letters,
                                     const std::string& text, float x, float y, float w, float h)
{
    LabelledButton* button = new LabelledButton();
    button->text = text;
    button->letters = letters;
    CreateMenuObject(button, name, plate, x, y, w, h);
    return button;
}
