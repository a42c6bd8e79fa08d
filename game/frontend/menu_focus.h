// menu_focus.h: every menu without a mouse.
//
// Each screen and window keeps a focus on one of its buttons, where it opens. The arrow keys,
// the D-pad and the left stick move it to the nearest button in that direction; Enter or the
// pad's A presses it; Escape or the pad's B goes back, each screen saying where. Once a menu
// key or a pad button has been used since the mouse last moved, the focused button is the one
// drawn and sounded as hovered; a moving mouse, or a click, takes the hover back, and the
// button the pointer is moved onto becomes the focus. A pointer resting where it was when the
// screen opened points at nothing until it moves or clicks.
//
// Enter or A presses only the button drawn focused or hovered at the last frame: pressed
// while nothing is, it shows the focus and presses nothing.
#pragma once

#include "engine/graphics/math2d.h"

#include <cstddef>

class GameObject;

struct MenuFocus
{
    size_t index = 0;                  // into the button list its screen passes
    bool pointerLive = false;          // the pointer moved or clicked since the screen opened
    const GameObject* shown = nullptr; // drawn focused or hovered at the last frame
};

// A screen or window opens with its focus on button `index`.
void OpenMenuFocus(MenuFocus& focus, size_t index);

// The keys (or the pad) drive the menus: a menu key or pad button was used, as MenuPointed
// last saw, since the mouse last moved or clicked.
bool KeysDriveMenus();
// Forgets the keys: the mouse drives, as a freshly started program has it.
void ResetMenuInputMode();

// Once per frame per screen or window, before its buttons are handled: follows the pointer,
// moves the focus by this frame's direction, and returns the button pointed at: the focused
// one while the keys drive, else the one under a live menu pointer (PointedButton), or null.
// Null entries of `buttons` are skipped.
const GameObject* MenuPointed(MenuFocus& focus, GameObject* const* buttons, size_t count);
// Enter or the pad's A went down this frame.
bool MenuPressPressed();
// Enter or the pad's A went down this frame on the button the last MenuPointed returned, which
// was drawn focused or hovered at the frame before.
bool MenuKeyPressesPointed();
// Escape or the pad's B went down this frame.
bool MenuBackPressed();
