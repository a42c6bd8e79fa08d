// screens.h: the front end's game states, and what they share.
#pragma once

#include "engine/system/game_state_manager.h"

#include <cstddef>

struct Sound;
struct SoundChannel;
struct Texture;
class GameObject;

// The menu music ("data\Adagio.ogg"), which plays on between the main menu, the level
// selector, the credits and the controls screen.
extern Sound* MenuMusic;
extern SoundChannel* MenuMusicChannel;
extern const char* const MENU_MUSIC_PATH;

// Starts the menu music from its beginning, looping.
void StartMenuMusic();
// The end of a menu screen's visit: its quad, its pictures and the hover sound go; the menu
// music too when the next screen does not play it on.
void UnloadMenuScreen(Texture** pictures, size_t count, bool releaseMusic);
// The loading picture: a hidden object the size of the window, shown on the frame a level is
// asked for, so that it stays on screen while the level loads.
GameObject* CreateLoadingScreen(Texture* picture);

// Everything the front end remembers across states, back as a freshly started program has it
// (for a replay that starts the game again in the same process).
void ResetFrontEnd();

// Start decoding the pictures of the main menu (with its settings window's) and of the level
// selector, for the Load to come.
void DecodeMainMenuPicturesAhead();
void DecodeSelectorPicturesAhead();
void DecodeMyLevelsPicturesAhead();

void RegisterMainMenu();
void RegisterLevelSelector();
void RegisterMyLevels();
void RegisterCreditsScreen();
void RegisterControlsScreen();
void RegisterWinScreen();
void RegisterEditor();

// For the replay runner: the windows open on the current screen (the main menu's, or the
// pause menu's in a level).
struct FrontEndWindows
{
    bool settingsOpen;
    bool confirmOpen;
};
FrontEndWindows MainMenuWindows();
