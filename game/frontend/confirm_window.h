// confirm_window.h: "Are you sure?" with Yes and No, over the main menu or the pause menu.
//
// While it is open nothing else of its screen is handled. Yes stops every sound and then does
// what its owner was asked to do; No closes it.
#pragma once

#include "game/frontend/menu_focus.h"
#include "game/frontend/menu_widgets.h"

struct ConfirmWindow
{
    GameObject* objects[4]; // background, "Sure_Button" label, "Yes", "No", in draw order
    MenuFocus focus;        // over Yes and No
    GameObject* yes() const { return objects[2]; }
    GameObject* no() const { return objects[3]; }
};

enum ConfirmAnswer
{
    CONFIRM_NONE,
    CONFIRM_YES,
    CONFIRM_NO,
};

// Creates the four objects, hidden, with the buttons at height `buttonY`. Pictures: the
// window, the label, Yes and No.
ConfirmWindow CreateConfirmWindow(Texture* window, Texture* label, Texture* yes, Texture* no,
                                  float buttonY);
void ShowConfirmWindow(const ConfirmWindow& confirm, bool visible);
// The owner opens the window: the focus starts on No.
void FocusConfirmWindow(ConfirmWindow& confirm);
// Handles Yes, then No, with the hover channels of the owner's first two buttons; going back
// (Escape, the pad's B) answers No. Yes stops every sound before it answers.
ConfirmAnswer HandleConfirmWindow(ConfirmWindow& confirm, bool* hovered,
                                  SoundChannel** yesChannel, SoundChannel** noChannel);
