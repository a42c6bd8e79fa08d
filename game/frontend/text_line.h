// text_line.h: words the game writes itself with the letter sheet (text_label.h), whose text
// may change while they are shown: drawn straight onto the screen (the timer over a level,
// which is no object of the level), as a menu object of its own, or on a button's plate.
#pragma once

#include "engine/graphics/math2d.h"
#include "game/frontend/menu_widgets.h"
#include "game/scene/game_object.h"

#include <cstdint>
#include <string>

struct Texture;

enum TextAlign : uint8_t
{
    TEXT_LEFT,   // the line starts at x
    TEXT_CENTRE, // the line is centred on x
    TEXT_RIGHT,  // the line ends at x
};

constexpr uint32_t TEXT_WHITE = 0xFFFFFFFFu;

// The letter sheet, loaded by its first user and released by its last.
extern PictureSet LetterPictures;
// The sheet while someone holds it; null otherwise.
Texture* Letters();

// Draws `text` with the letter sheet under `parent` (a camera's matrix, or none): letters
// `height` high on the line through at.y, placed on at.x as `align` says, tinted `tint`.
void DrawLetters(const Matrix3* parent, Texture* sheet, const std::string& text, Vec2 at,
                 float height, TextAlign align, uint32_t tint);
// The width of such a line.
float LettersWidth(const std::string& text, float height);

// A line of words as a menu object: its texture is the sheet, its position the anchor, its
// scale.y the height of its letters.
class TextLine : public GameObject
{
  public:
    void Draw(const Matrix3* parent) override;

    std::string text;
    TextAlign align = TEXT_LEFT;
};

// A button plate (its texture) with words on it, which grow with the button.
class LabelledButton : public GameObject
{
  public:
    void Draw(const Matrix3* parent) override;

    std::string text;
    Texture* letters = nullptr;
    float letterShare = 0.45f;  // the letters' height over the plate's
    uint32_t textTint = TEXT_WHITE;
};

// Registered menu objects, visible, of kind KIND_BUTTON.
TextLine* CreateTextLine(const char* name, Texture* sheet, const std::string& text, float x,
                         float y, float height, TextAlign align = TEXT_LEFT);
LabelledButton* CreateLabelledButton(const char* name, Texture* plate, Texture* letters,
                                     const std::string& text, float x, float y, float w, float h);
