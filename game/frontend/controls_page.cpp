// controls_page.cpp: the settings window's page of controls: every action with its keyboard
// and mouse bindings and its pad binding, each chosen by pressing the new one.
#include "game/frontend/controls_page.h"

#include "engine/input/input_state.h"
#include "engine/platform/key_codes.h"

#include <utility>

namespace
{
constexpr float HEADER_Y = 222.0f;
constexpr float FIRST_ROW_Y = 168.0f;
constexpr float ROW_STEP = 51.0f;
constexpr float TITLE_X = -465.0f;
constexpr float SLOT_X[KEY_SLOTS + 1] = {-130.0f, 105.0f, 340.0f};
constexpr Vec2 SLOT_SIZE = {220.0f, 44.0f};
constexpr float SLOT_LETTERS = 0.52f; // of the slot's height
constexpr float HEADER_HEIGHT = 26.0f;
constexpr float ROW_HEIGHT = 28.0f;
constexpr float MESSAGE_Y = -178.0f;
constexpr float MESSAGE_HEIGHT = 22.0f;
constexpr float BOTTOM_Y = -228.0f;
constexpr Vec2 RESET_AT = {-330.0f, BOTTOM_Y};
constexpr Vec2 RESET_SIZE = {280.0f, 46.0f};
constexpr Vec2 SWAP_AT = {-60.0f, BOTTOM_Y};
constexpr Vec2 KEEP_AT = {140.0f, BOTTOM_Y};
constexpr Vec2 ANSWER_SIZE = {160.0f, 46.0f};
constexpr uint32_t HEADER_TINT = 0xFFE8C87Au; // the gold of the panel's rim
constexpr uint32_t QUIET_TINT = 0xFF9C94B4u;
constexpr uint32_t WAITING_TINT = 0xFF7CE0FFu;
constexpr const char* HINT = "Choose a binding, then press the new key or button";

float RowY(int action) { return FIRST_ROW_Y - ROW_STEP * static_cast<float>(action); }

// Escape is pausing's for good: its first key is no button.
bool Locked(int action, int slot) { return action == ACTION_PAUSE && slot == 0; }

BoundInput& At(PlayAction action, int slot)
{
    return slot < KEY_SLOTS ? Bindings[action].keys[slot] : Bindings[action].pad;
}

// A first key emptied takes the second in its place.
void CloseUp(PlayAction action)
{
    BoundInput* keys = Bindings[action].keys;
    if (keys[0] == NO_INPUT) std::swap(keys[0], keys[1]);
}

std::string SlotText(BoundInput input) { return input == NO_INPUT ? "-" : BoundInputTitle(input); }
} // namespace

ControlsPage::~ControlsPage()
{
    for (PageButton* row : slots_) StopPageButtons(row, KEY_SLOTS + 1);
    StopPageButtons(&reset_, 1);
    StopPageButtons(&swap_, 1);
    StopPageButtons(&keep_, 1);
}

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
    static const char* const SLOT_NAMES[KEY_SLOTS + 1] = {"_1", "_2", "_pad"};
    for (int a = 0; a < ACTION_COUNT; ++a)
    {
        const PlayAction action = static_cast<PlayAction>(a);
        texts_.push_back(MakePageText("controls_action", pictures, ActionTitle(action), TITLE_X,
                                      RowY(a), ROW_HEIGHT));
        for (int s = 0; s <= KEY_SLOTS; ++s)
        {
            if (Locked(a, s)) continue;
            const std::string name = std::string("bind_") + ActionKeyName(action) + SLOT_NAMES[s];
            slots_[a][s] = MakeWordButton(name.c_str(), pictures, "", SLOT_X[s], RowY(a),
                                          SLOT_SIZE.x, SLOT_SIZE.y);
            static_cast<LabelledButton*>(slots_[a][s].object)->letterShare = SLOT_LETTERS;
        }
    }
    escape_ = MakePageText("bind_pause_escape", pictures, BoundInputTitle(KEY_ESCAPE), SLOT_X[0],
                           RowY(ACTION_PAUSE), ROW_HEIGHT, TEXT_CENTRE);
    escape_->tintEnabled = true;
    escape_->tint = QUIET_TINT;
    texts_.push_back(escape_);
    message_ = MakePageText("controls_message", pictures, HINT, 0.0f, MESSAGE_Y, MESSAGE_HEIGHT,
                            TEXT_CENTRE);
    texts_.push_back(message_);
    reset_ = MakeWordButton("bind_reset", pictures, "Reset to defaults", RESET_AT.x, RESET_AT.y,
                            RESET_SIZE.x, RESET_SIZE.y);
    swap_ = MakeWordButton("bind_swap", pictures, "Swap", SWAP_AT.x, SWAP_AT.y, ANSWER_SIZE.x,
                           ANSWER_SIZE.y);
    keep_ = MakeWordButton("bind_keep", pictures, "Keep", KEEP_AT.x, KEEP_AT.y, ANSWER_SIZE.x,
                           ANSWER_SIZE.y);
    note_ = HINT;
}

void ControlsPage::Show(bool shown)
{
    if (!shown) choosing_ = asking_ = false;
    shown_ = shown;
    for (TextLine* line : texts_) line->visible = shown;
    for (PageButton* row : slots_)
        for (int s = 0; s <= KEY_SLOTS; ++s)
            if (row[s].object) row[s].object->visible = shown;
    reset_.object->visible = shown && !asking_;
    swap_.object->visible = shown && asking_ && swapAllowed_;
    keep_.object->visible = shown && asking_;
    if (shown) Refresh();
}

void ControlsPage::Buttons(std::vector<GameObject*>* buttons)
{
    if (asking_)
    {
        // A question starts on its No.
        buttons->push_back(keep_.object);
        if (swapAllowed_) buttons->push_back(swap_.object);
        return;
    }
    for (PageButton* row : slots_)
        for (int s = 0; s <= KEY_SLOTS; ++s)
            if (row[s].object) buttons->push_back(row[s].object);
    buttons->push_back(reset_.object);
}

bool ControlsPage::TakeFocusRequest(size_t* index)
{
    if (!focusRequest_) return false;
    focusRequest_ = false;
    *index = focusIndex_;
    return true;
}

bool ControlsPage::Back()
{
    if (!asking_) return false;
    EndQuestion();
    return true;
}

void ControlsPage::Choose(Slot slot)
{
    chosen_ = slot;
    choosing_ = true;
    note_ = slot.slot == KEY_SLOTS
                ? std::string("Press a pad button for ") + ActionTitle(slot.action) +
                      " - Escape cancels"
                : std::string("Press a key or mouse button for ") + ActionTitle(slot.action) +
                      " - Escape cancels, Backspace clears";
}

void ControlsPage::Take(BoundInput input)
{
    choosing_ = false;
    note_ = HINT;
    BoundInput& mine = At(chosen_.action, chosen_.slot);
    BoundInput* keys = Bindings[chosen_.action].keys;
    if (input == mine) return EndQuestion();
    // Already this action's other key: the two change places.
    if (chosen_.slot < KEY_SLOTS && keys[1 - chosen_.slot] == input)
    {
        std::swap(keys[0], keys[1]);
        CloseUp(chosen_.action);
        return EndQuestion();
    }
    PlayAction owner;
    int ownerSlot;
    if (!FindBinding(Bindings, input, &owner, &ownerSlot))
    {
        mine = input;
        return EndQuestion();
    }
    // Swapping an empty second key away would leave the owner without a key of its own
    // unless it has another.
    owner_ = {owner, ownerSlot};
    offered_ = input;
    swapAllowed_ = mine != NO_INPUT || ownerSlot == KEY_SLOTS ||
                   Bindings[owner].keys[1 - ownerSlot] != NO_INPUT;
    asking_ = true;
    note_ = swapAllowed_ ? BoundInputTitle(input) + " plays " + ActionTitle(owner) +
                               ": swap the two?"
                         : BoundInputTitle(input) + " is " + ActionTitle(owner) +
                               "'s only key: give it another first";
    focusRequest_ = true;
    focusIndex_ = 0;
    Show(shown_);
}

void ControlsPage::Swap()
{
    BoundInput& mine = At(chosen_.action, chosen_.slot);
    const BoundInput given = mine;
    At(owner_.action, owner_.slot) = given;
    mine = offered_;
    CloseUp(owner_.action);
    EndQuestion();
    note_ = std::string(ActionTitle(chosen_.action)) + " now has " + BoundInputTitle(offered_) +
            ", " + ActionTitle(owner_.action) + " has " + SlotText(At(owner_.action, owner_.slot));
}

void ControlsPage::EndQuestion()
{
    asking_ = false;
    // The focus goes back to the binding that was chosen.
    std::vector<GameObject*> buttons;
    Buttons(&buttons);
    for (size_t i = 0; i < buttons.size(); ++i)
        if (buttons[i] == slots_[chosen_.action][chosen_.slot].object) focusIndex_ = i;
    focusRequest_ = true;
    Show(shown_);
}

void ControlsPage::Refresh()
{
    for (int a = 0; a < ACTION_COUNT; ++a)
        for (int s = 0; s <= KEY_SLOTS; ++s)
        {
            LabelledButton* button = static_cast<LabelledButton*>(slots_[a][s].object);
            if (!button) continue;
            const BoundInput input = At(static_cast<PlayAction>(a), s);
            const bool waiting = choosing_ && chosen_.action == a && chosen_.slot == s;
            button->text = waiting ? "Press..." : SlotText(input);
            button->textTint = waiting ? WAITING_TINT : input == NO_INPUT ? QUIET_TINT : TEXT_WHITE;
        }
    message_->text = note_;
}

void ControlsPage::Update(const GameObject* pointed)
{
    if (choosing_)
    {
        const bool onPad = chosen_.slot == KEY_SLOTS;
        if (IsKeyTriggered(KEY_ESCAPE) || (!onPad && IsPadButtonTriggered(PAD_B)))
        {
            choosing_ = false;
            note_ = HINT;
            EndQuestion();
        }
        else if (!onPad && IsKeyTriggered(KEY_BACKSPACE))
        {
            choosing_ = false;
            BoundInput* keys = Bindings[chosen_.action].keys;
            const bool alone = keys[1 - chosen_.slot] == NO_INPUT;
            note_ = alone ? std::string(ActionTitle(chosen_.action)) + " needs a key: give it another instead"
                          : HINT;
            if (!alone)
            {
                keys[chosen_.slot] = NO_INPUT;
                CloseUp(chosen_.action);
            }
            EndQuestion();
        }
        else if (const BoundInput input = onPad ? NewPadPressed() : NewKeyPressed())
            Take(input);
        Refresh();
        return;
    }
    if (asking_)
    {
        if (swapAllowed_ && swap_.Clicked(pointed))
            Swap();
        else if (keep_.Clicked(pointed))
        {
            note_ = HINT;
            EndQuestion();
        }
        Refresh();
        return;
    }
    for (int a = 0; a < ACTION_COUNT; ++a)
        for (int s = 0; s <= KEY_SLOTS; ++s)
            if (slots_[a][s].object && slots_[a][s].Clicked(pointed))
                Choose({static_cast<PlayAction>(a), s});
    if (reset_.Clicked(pointed))
    {
        Bindings = DefaultBindings();
        note_ = "The game's own controls are back";
    }
    Refresh();
}
