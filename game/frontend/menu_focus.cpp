// menu_focus.cpp: the focus, its moves, and who drives the menus.
#include "game/frontend/menu_focus.h"

#include "engine/input/input_state.h"
#include "game/frontend/menu_widgets.h"
#include "game/controls/pad_controls.h"
#include "game/scene/game_object.h"

#include <cmath>

namespace
{
// A button off to the side counts this much more than one straight ahead.
constexpr float SIDEWAYS_WEIGHT = 2.0f;

bool KeysDrive = false;
bool KeyPressesPointed = false; // MenuPointed's answer for MenuKeyPressesPointed

struct Direction
{
    uint32_t key;
    PadDirection pad;
    Vec2 towards;
};
constexpr Direction DIRECTIONS[] = {
    {KEY_UP, PAD_TOWARDS_UP, {0.0f, 1.0f}},
    {KEY_DOWN, PAD_TOWARDS_DOWN, {0.0f, -1.0f}},
    {KEY_LEFT, PAD_TOWARDS_LEFT, {-1.0f, 0.0f}},
    {KEY_RIGHT, PAD_TOWARDS_RIGHT, {1.0f, 0.0f}},
};

const Direction* PressedDirection()
{
    for (const Direction& d : DIRECTIONS)
        if (IsKeyTriggered(d.key) || PadDirectionPressed(d.pad)) return &d;
    return nullptr;
}

bool AnyPadButtonPressed()
{
    const GamepadState* now = ActivePad();
    return now && now->buttonsPressed != 0;
}

bool Usable(GameObject* const* buttons, size_t count, size_t i)
{
    return i < count && buttons[i] != nullptr;
}

// The nearest button ahead of `from` in `towards`, weighing sideways distance double; `from`
// itself when there is none.
size_t NearestAhead(GameObject* const* buttons, size_t count, size_t from, Vec2 towards)
{
    const Vec2 c = buttons[from]->position;
    size_t best = from;
    float bestScore = 0.0f;
    for (size_t i = 0; i < count; ++i)
    {
        if (i == from || !buttons[i]) continue;
        const Vec2 d = buttons[i]->position - c;
        const float along = d.x * towards.x + d.y * towards.y;
        if (along <= 0.0f) continue;
        const float sideways = std::fabs(d.x * towards.y - d.y * towards.x);
        const float score = along + SIDEWAYS_WEIGHT * sideways;
        if (best == from || score < bestScore)
        {
            best = i;
            bestScore = score;
        }
    }
    return best;
}

// The mouse moved (a window that changed its size or place moves no mouse) or clicked.
bool PointerUsed()
{
    return MouseDelta.x != 0.0f || MouseDelta.y != 0.0f || IsMouseButtonTriggered(0) ||
           IsMouseButtonTriggered(1);
}

// Notes this frame's input: a menu key or pad button gives the menus to the keys, a moving
// mouse or a click gives them back. Idempotent within a frame.
void UpdateMenuInputMode()
{
    const bool menuKey = PressedDirection() || IsKeyTriggered(KEY_ENTER) ||
                         IsKeyTriggered(KEY_ESCAPE) || AnyPadButtonPressed();
    if (menuKey)
        KeysDrive = true;
    else if (PointerUsed())
        KeysDrive = false;
}
} // namespace

bool MenuPressPressed()
{
    return IsKeyTriggered(KEY_ENTER) || IsPadButtonTriggered(PAD_A);
}
bool MenuBackPressed()
{
    return IsKeyTriggered(KEY_ESCAPE) || IsPadButtonTriggered(PAD_B);
}

bool MenuKeyPressesPointed()
{
    return KeyPressesPointed;
}

bool KeysDriveMenus()
{
    return KeysDrive;
}
void ResetMenuInputMode()
{
    KeysDrive = false;
}

void OpenMenuFocus(MenuFocus& focus, size_t index)
{
    focus.index = index;
    focus.pointerLive = false;
    focus.shown = nullptr;
}

const GameObject* MenuPointed(MenuFocus& focus, GameObject* const* buttons, size_t count)
{
    UpdateMenuInputMode();
    if (PointerUsed()) focus.pointerLive = true;
    const GameObject* pointed =
        focus.pointerLive ? PointedButton(buttons, count, GetMenuPointer()) : nullptr;
    if (!KeysDrive)
    {
        for (size_t i = 0; i < count; ++i)
            if (pointed && buttons[i] == pointed) focus.index = i;
    }
    const GameObject* answer = pointed;
    if (Usable(buttons, count, focus.index))
    {
        if (const Direction* d = PressedDirection())
            focus.index = NearestAhead(buttons, count, focus.index, d->towards);
        if (KeysDrive) answer = buttons[focus.index];
    }
    KeyPressesPointed = MenuPressPressed() && answer && answer == focus.shown;
    focus.shown = answer;
    return answer;
}
