// controls_page.h: the settings window's page of controls.
#pragma once

#include "game/controls/bindings.h"
#include "game/frontend/settings_page.h"

class ControlsPage : public SettingsPage
{
  public:
    const char* Title() const override { return "Controls"; }
    void Build(const PagePictures& pictures) override;
    void Show(bool shown) override;
    void Buttons(std::vector<GameObject*>* buttons) override;
    void Update(const GameObject* pointed) override;

  private:
    std::vector<TextLine*> texts_;
    TextLine* slots_[ACTION_COUNT][KEY_SLOTS + 1] = {};
};
