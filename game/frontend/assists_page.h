// assists_page.h: the settings window's page of assists (assists.h): the game's speed, in
// steps of ten from 100% down to 50%, and whether hazards forgive.
#pragma once

#include "game/frontend/settings_page.h"

class AssistsPage : public SettingsPage
{
  public:
    ~AssistsPage() override;
    const char* Title() const override { return "Assists"; }
    void Build(const PagePictures& pictures) override;
    void Show(bool shown) override;
    void Buttons(std::vector<GameObject*>* buttons) override;
    void Update(const GameObject* pointed) override;

  private:
    PageButton slower_, faster_, forgive_;
    TextLine* speed_ = nullptr;
    std::vector<TextLine*> texts_;
};
