// time_trial_page.h: the settings window's page of the timer (level_timer.h): off, the
// level's time, or the level's time and the run's total; and the ghost of the best run.
#pragma once

#include "game/frontend/settings_page.h"

class TimeTrialPage : public SettingsPage
{
  public:
    ~TimeTrialPage() override;
    const char* Title() const override { return "Time trial"; }
    void Build(const PagePictures& pictures) override;
    void Show(bool shown) override;
    void Buttons(std::vector<GameObject*>* buttons) override;
    void Update(const GameObject* pointed) override;

  private:
    PageButton timer_;
    PageButton ghost_;
    std::vector<TextLine*> texts_;
};
