// controls_page.h: the settings window's page of controls.
//
// One row per action: its two keyboard or mouse bindings and its pad binding, each a button.
// Pressed, a binding waits for the new key, mouse button or pad button (Escape cancels;
// Backspace empties a second key); one that already plays another action is shown with the
// question whether to swap the two, and nothing changes unless the player agrees. Reset to
// defaults gives back the game's own controls. Escape, the first key of pausing, is shown but
// cannot be chosen.
#pragma once

#include "game/controls/bindings.h"
#include "game/frontend/settings_page.h"

class ControlsPage : public SettingsPage
{
  public:
    ~ControlsPage() override;
    const char* Title() const override { return "Controls"; }
    void Build(const PagePictures& pictures) override;
    void Show(bool shown) override;
    void Buttons(std::vector<GameObject*>* buttons) override;
    bool HoldsKeys() const override { return choosing_; }
    bool TakeFocusRequest(size_t* index) override;
    bool Back() override;
    void Update(const GameObject* pointed) override;

  private:
    // A binding's place: the action, and its key slot (0, 1) or KEY_SLOTS for the pad.
    struct Slot
    {
        PlayAction action;
        int slot;
    };
    void Choose(Slot slot);
    void Take(BoundInput input);
    void Swap();
    void EndQuestion();
    void Refresh();

    PageButton slots_[ACTION_COUNT][KEY_SLOTS + 1];
    PageButton reset_, swap_, keep_;
    std::vector<TextLine*> texts_;
    TextLine* escape_ = nullptr; // the locked first key of pausing
    TextLine* message_ = nullptr;
    bool shown_ = false;
    bool choosing_ = false;   // waiting for the new binding of `chosen_`
    bool asking_ = false;     // the question whether to swap with `owner_`
    bool swapAllowed_ = false;
    Slot chosen_ = {ACTION_RUN_LEFT, 0};
    Slot owner_ = {ACTION_RUN_LEFT, 0};
    BoundInput offered_ = NO_INPUT;
    std::string note_;          // what the message line says when nothing is asked
    bool focusRequest_ = false;
    size_t focusIndex_ = 0;
};
