// pause_menu.h: the pause menu that every player carries.
//
// Escape (or the pad's Start), or a minimised window, pauses the level: nothing in it moves,
// its music pauses, and
// a window appears over the frozen level with Resume, Return (to the main menu), Exit (the
// game), Restart, Credits, How to play and the settings icon, and a taunt. Return, Exit and
// Restart ask first. Credits and How to play leave for those screens and come back to the
// rebuilt level, paused, with the player where it stood. Escape, Start or B resume; within
// the question or the settings window, Escape and B go back out of it.
#pragma once

#include "engine/graphics/math2d.h"
#include "engine/system/game_state_manager.h"
#include "game/frontend/confirm_window.h"
#include "game/frontend/menu_focus.h"

class GameObject;
class Settings;
struct SoundChannel;
struct Texture;

class PauseMenu
{
  public:
    // Makes the pause window's objects (hidden, in layer "FRA0" with its own camera), its
    // settings icon and window, and the confirmation window; readies the hover sounds.
    PauseMenu();
    ~PauseMenu();
    PauseMenu(const PauseMenu&) = delete;
    PauseMenu& operator=(const PauseMenu&) = delete;

    // Every frame, before anything else of the level moves. The level reads `paused` just
    // before; if it was set, nothing else of the level runs this frame.
    void Update();

    bool paused = false;
    bool wasPaused = false; // what the last paused frame saw: its edges mark pause and resume
    GameObject* returnButton = nullptr;
    GameObject* resumeButton = nullptr;
    GameObject* window = nullptr;
    GameObject* exitButton = nullptr;
    Settings* settings = nullptr;
    const char* taunt = nullptr;

  private:
    void HandleButtons();
    void ShowPauseObjects(bool visible);

    GameObject* restartButton_ = nullptr;
    GameObject* creditsButton_ = nullptr;
    GameObject* howToPlayButton_ = nullptr;
    GameObject* tauntLabel_ = nullptr;
    ConfirmWindow confirm_ = {};
    SoundChannel* channels_[7] = {};
    MenuFocus focus_;
};

// A level keeps the pause menu's pictures (and its settings window's) loaded for its whole
// visit: true when it loads, false when it unloads.
void KeepPauseMenuPictures(bool keep);
// Starts decoding the pictures KeepPauseMenuPictures(true) will load.
void DecodePauseMenuPicturesAhead();

// Confirmation open over the pause window, and what Yes will do.
extern bool PauseConfirmOpen;
extern GameStateId PendingPauseAction;
// Set on the way to the credits or controls: the rebuilt level puts its player back here,
// paused.
extern bool ReturnToLevelPending;
extern Vec2 SavedPlayerPosition;
