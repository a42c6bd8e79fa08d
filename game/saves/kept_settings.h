// kept_settings.h: the settings kept between runs, in settings.ini.
//
//     [sound]
//     music_volume = 0.75      0..1
//     effects_volume = 1       0..1
//     muted = false            true or false (also 1/0, yes/no, on/off)
//     [window]
//     fullscreen = true
//     width = 1600             the windowed client size, 320 x 180 to 16384 x 16384
//     height = 900
//     [controls]
//     jump = SPACE W PAD_A     one or two keys or mouse buttons, then one pad input
//     ...                      (bindings.h names them; run_left to pause, one line each)
//     [assists]
//     game_speed = 100         percent: 50 to 100 in steps of 10
//     hazards_forgive = false
//     [time_trial]
//     timer = off              off, level or run
//     ghost = false            the best run's ghost (ghost_run.h)
//
// A missing file or key means the default; a value that cannot be read or is out of range
// keeps its default too, and the file counts as damaged (kept_file.h): a damaged controls
// line gives that action the game's own controls.
#pragma once

#include "game/controls/bindings.h"
#include "game/gameplay/assists.h"
#include "game/levels/level_timer.h"

#include <cstdint>
#include <string>

struct KeptSettings
{
    float musicVolume = 1.0f;
    float effectsVolume = 1.0f;
    bool muted = false;
    bool fullscreen = true;
    uint32_t windowWidth = 1920; // the windowed size, also while in full screen
    uint32_t windowHeight = 1080;
    BindingTable bindings = DefaultBindings();
    Assists assists = Assists();
    TimerMode timer = TIMER_OFF;
    bool ghost = false;
};

// Reads settings text over `settings`. 0 when every line was understood, otherwise the number
// of the first line that was not.
int ParseSettings(const std::string& text, KeptSettings* settings);
// The text of the file; volumes print so that they read back to the same float.
std::string FormatSettings(const KeptSettings& settings);

// The settings as the game has them now.
KeptSettings CurrentSettings();
// Sets volumes and mute, the window size the window will open at and the size the window
// button gives next. Full screen is left to the start-up, which turns it on after the window.
void ApplySettings(const KeptSettings& settings);

// At start, before the window: reads the file (when files are kept) and applies it.
// Returns whether the game starts in full screen.
bool LoadKeptSettings();
// For a session being recorded, which keeps no file: the player's controls (and what else
// changes how the game plays), read from the file and applied; nothing is ever written.
void LoadKeptPlayOptions();
// After every frame: writes the file when a setting has changed; while they keep changing
// (the left button held, or a change every frame), at most once a second and once more as
// soon as they rest.
void KeepSettingsIfChanged();
// At exit: writes a change still waiting for its turn.
void KeepSettingsNow();
