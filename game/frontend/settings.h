// settings.h: the settings window and the icon that opens it.
//
// Its first page: music and effect volumes in steps of 0.05, mute, full screen, and the
// window size cycling 1600 x 900, 1280 x 720, 1920 x 1080. Tabs over it turn to the other
// pages (settings_page.h): the controls, the assists and the timer. Escape or the pad's B closes it,
// like its Return button. The settings are program-wide and kept between runs
// (kept_settings.h). A Settings object is the icon (the main menu has one, every pause menu
// another) and owns the window; after the window closes, its owner waits until closedTimer
// reaches 1.0 (13 updates) before handling its own buttons, so that the closing click presses
// nothing beneath.
#pragma once

#include "game/frontend/menu_widgets.h"

class Settings : public GameObject
{
  public:
    // Makes the window's objects (hidden, in layer "FRA0" with its own camera). The owner then
    // names, places and registers the icon. With `picturesLater` the window's pictures are
    // loaded only by TakePictures, which the owner calls before the window can be opened.
    explicit Settings(bool picturesLater = false);
    ~Settings() override;
    // Loads the window's pictures (once) and hands them to its objects.
    void TakePictures();

    void Update() override;

    bool isOpen = false;
    float closedTimer = 1.0f;
    GameObject* window = nullptr;
    GameObject* lowerMusicButton = nullptr;
    GameObject* raiseMusicButton = nullptr;
    GameObject* lowerEffectsButton = nullptr;
    GameObject* raiseEffectsButton = nullptr;
    GameObject* closeButton = nullptr;

  private:
    bool picturesHeld_ = false;
};

// The settings window's pictures, for an owner that keeps them loaded between its windows.
extern PictureSet SettingsPictures;

// 1: 1920 x 1080, 2: 1600 x 900, 3: 1280 x 720; the next size the window button gives.
extern int ResolutionIndex;
