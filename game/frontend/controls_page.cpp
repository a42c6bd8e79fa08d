// controls_page.cpp: the settings window's page of controls: every action with its keyboard
// and mouse bindings and its pad binding.
#include "game/frontend/controls_page.h"

#include "game/controls/bindings.h"
#include "game/scene/count_of.h"

namespace
{
constexpr float HEADER_Y = 222.0f;
constexpr float FIRST_ROW_Y = 168.0f;
constexpr float ROW_STEP = 51.0f;
constexpr float TITLE_X = -465.0f;
constexpr float SLOT_X[KEY_SLOTS + 1] = {-130.0f, 105.0f, 340.0f};
constexpr float HEADER_HEIGHT = 26.0f;
constexpr float ROW_HEIGHT = 28.0f;
constexpr uint32_t HEADER_TINT = 0xFFE8C87Au; // the gold of the panel's rim
constexpr uint32_t EMPTY_TINT = 0xFF8C84A0u;

float RowY(int action) { return FIRST_ROW_Y - ROW_STEP * static_cast<float>(action); }
} // namespace

void ControlsPage::Build(const PagePictures& pictures)
{
    auto header = [&](const char* text, float x, TextAlign align) {
        TextLine* line = MakePageText("controls_header", pictures, text, x, HEADER_Y,
                                      HEADER_HEIGHT, align);
        line->tintEnabled = true;
        line->tint = HEADER_TINT;
        texts_.push_back(line);
    };
    header("Action", TITLE_X, TEXT_LEFT);
    header("Keyboard and mouse", (SLOT_X[0] + SLOT_X[1]) * 0.5f, TEXT_CENTRE);
    header("Pad", SLOT_X[KEY_SLOTS], TEXT_CENTRE);
    for (int a = 0; a < ACTION_COUNT; ++a)
    {
        const PlayAction action = static_cast<PlayAction>(a);
        texts_.push_back(MakePageText("controls_action", pictures, ActionTitle(action), TITLE_X,
                                      RowY(a), ROW_HEIGHT));
        for (int s = 0; s <= KEY_SLOTS; ++s)
        {
            slots_[a][s] = MakePageText("controls_slot", pictures, "", SLOT_X[s], RowY(a),
                                        ROW_HEIGHT, TEXT_CENTRE);
            texts_.push_back(slots_[a][s]);
        }
    }
}

void ControlsPage::Show(bool shown)
{
    for (TextLine* line : texts_) line->visible = shown;
}

void ControlsPage::Buttons(std::vector<GameObject*>*) {}

void ControlsPage::Update(const GameObject*)
{
    for (int a = 0; a < ACTION_COUNT; ++a)
        for (int s = 0; s <= KEY_SLOTS; ++s)
        {
            const BoundInput input = s < KEY_SLOTS ? Bindings[a].keys[s] : Bindings[a].pad;
            TextLine* line = slots_[a][s];
            line->text = input == NO_INPUT ? "-" : BoundInputTitle(input);
            line->tintEnabled = input == NO_INPUT;
            line->tint = EMPTY_TINT;
        }
}
