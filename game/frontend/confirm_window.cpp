// confirm_window.cpp: the confirmation window's objects and its two buttons.
#include "game/frontend/confirm_window.h"

#include "game/audio/sound_system.h"

namespace
{
constexpr Vec2 WINDOW_SIZE = {750.0f, 400.0f};
constexpr Vec2 BUTTON_SIZE = {250.0f, 100.0f};
constexpr float LABEL_Y = 100.0f;
constexpr float BUTTON_X = 150.0f;
constexpr size_t YES_FOCUS = 0;
constexpr size_t NO_FOCUS = 1;
} // namespace

ConfirmWindow CreateConfirmWindow(Texture* window, Texture* label, Texture* yes, Texture* no,
                                  float buttonY)
{
    ConfirmWindow confirm = {{
        CreateMenuObject(new GameObject(), "Confirm_Window", window, 0, 0, WINDOW_SIZE.x,
                         WINDOW_SIZE.y),
        CreateMenuObject(new GameObject(), "Sure_Button", label, 0, LABEL_Y, BUTTON_SIZE.x,
                         BUTTON_SIZE.y),
        CreateMenuObject(new GameObject(), "Yes", yes, BUTTON_X, buttonY, BUTTON_SIZE.x,
                         BUTTON_SIZE.y),
        CreateMenuObject(new GameObject(), "No", no, -BUTTON_X, buttonY, BUTTON_SIZE.x,
                         BUTTON_SIZE.y),
    }, {NO_FOCUS}};
    ShowConfirmWindow(confirm, false);
    return confirm;
}

void ShowConfirmWindow(const ConfirmWindow& confirm, bool visible)
{
    ShowObjects(confirm.objects, CountOf(confirm.objects), visible);
}

void FocusConfirmWindow(ConfirmWindow& confirm) { OpenMenuFocus(confirm.focus, NO_FOCUS); }

ConfirmAnswer HandleConfirmWindow(ConfirmWindow& confirm, bool* hovered,
                                  SoundChannel** yesChannel, SoundChannel** noChannel)
{
    GameObject* const buttons[] = {confirm.yes(), confirm.no()};
    static_assert(YES_FOCUS == 0 && NO_FOCUS == 1, "the focus indexes follow the buttons");
    const GameObject* pointed = MenuPointed(confirm.focus, buttons, CountOf(buttons));
    ConfirmAnswer answer = CONFIRM_NONE;
    if (ButtonClicked({confirm.yes(), BUTTON_SIZE, &hovered[0], yesChannel}, pointed))
    {
        StopAllSounds();
        answer = CONFIRM_YES;
    }
    if (ButtonClicked({confirm.no(), BUTTON_SIZE, &hovered[1], noChannel}, pointed))
        answer = CONFIRM_NO;
    if (answer == CONFIRM_NONE && MenuBackPressed()) answer = CONFIRM_NO;
    return answer;
}
