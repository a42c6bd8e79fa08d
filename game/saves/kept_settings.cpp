// kept_settings.cpp: settings.ini, read at start and written whole on every change.
#include "game/saves/kept_settings.h"

#include "engine/input/input_state.h"
#include "engine/system/frame_controller.h"
#include "engine/system/window.h"
#include "game/audio/sound_system.h"
#include "game/frontend/settings.h"
#include "game/saves/ini_reader.h"
#include "game/levels/ghost_run.h"
#include "game/saves/kept_file.h"
#include "game/saves/number_text.h"

#include <charconv>
#include <cmath>
#include <cstring>

namespace
{
constexpr uint32_t MIN_WIDTH = 320, MIN_HEIGHT = 180, MAX_SIZE = 16384;
constexpr const char* TIMER_NAMES[] = {"off", "level", "run"};
// The window sizes of the settings window's button, and the size each one is followed by.
constexpr uint32_t SIZES[3][2] = {{1920, 1080}, {1600, 900}, {1280, 720}};

int ReadBack(const std::string& onDisk, std::string* text);
KeptFile File = {KEPT_SETTINGS, "settings.ini", ReadBack, false, {}};
// The settings as the last frame left them, and when the file was last written.
std::string LastSeen;
double LastWriteTime = -1.0;
constexpr double WRITE_SPACING = 1.0; // seconds between writes while the settings move

void WriteSettings(const std::string& text)
{
    WriteKeptFile(&File, text);
    LastWriteTime = GetPreciseTime();
}

bool ReadVolume(const char* text, float* volume)
{
    float value = 0.0f;
    if (!ReadFloatText(text, &value) || !std::isfinite(value) || value < 0.0f || value > 1.0f)
        return false;
    *volume = value;
    return true;
}

bool ReadFlag(const char* text, bool* flag)
{
    for (const char* yes : {"true", "1", "yes", "on"})
        if (std::strcmp(text, yes) == 0) return *flag = true;
    for (const char* no : {"false", "0", "no", "off"})
        if (std::strcmp(text, no) == 0) return !(*flag = false);
    return false;
}

bool ReadSize(const char* text, uint32_t low, uint32_t* size)
{
    const char* end = text + std::strlen(text);
    uint32_t value = 0;
    const auto result = std::from_chars(text, end, value);
    if (result.ec != std::errc() || result.ptr != end || value < low || value > MAX_SIZE)
        return false;
    *size = value;
    return true;
}

// True when the line was understood. Unknown keys are no damage: a later version of the game
// may add some.
bool OnValue(void* user, const char* section, const char* name, const char* value)
{
    KeptSettings& s = *static_cast<KeptSettings*>(user);
    auto is = [&](const char* sectionName, const char* key) {
        return std::strcmp(section, sectionName) == 0 && std::strcmp(name, key) == 0;
    };
    if (is("sound", "music_volume")) return ReadVolume(value, &s.musicVolume);
    if (is("sound", "effects_volume")) return ReadVolume(value, &s.effectsVolume);
    if (is("sound", "muted")) return ReadFlag(value, &s.muted);
    if (is("window", "fullscreen")) return ReadFlag(value, &s.fullscreen);
    if (is("window", "width")) return ReadSize(value, MIN_WIDTH, &s.windowWidth);
    if (is("window", "height")) return ReadSize(value, MIN_HEIGHT, &s.windowHeight);
    if (is("assists", "game_speed"))
    {
        const char* end = value + std::strlen(value);
        int percent = 0;
        const auto result = std::from_chars(value, end, percent);
        if (result.ec != std::errc() || result.ptr != end || !IsGameSpeed(percent)) return false;
        s.assists.speedPercent = percent;
        return true;
    }
    if (is("assists", "hazards_forgive")) return ReadFlag(value, &s.assists.hazardsForgive);
    if (is("time_trial", "ghost")) return ReadFlag(value, &s.ghost);
    if (is("time_trial", "timer"))
    {
        for (int mode = TIMER_OFF; mode <= TIMER_RUN; ++mode)
            if (std::strcmp(value, TIMER_NAMES[mode]) == 0)
            {
                s.timer = static_cast<TimerMode>(mode);
                return true;
            }
        return false;
    }
    for (int a = 0; a < ACTION_COUNT; ++a)
    {
        const PlayAction action = static_cast<PlayAction>(a);
        if (is("controls", ActionKeyName(action)))
            return ParseActionBinding(action, value, &s.bindings[action]);
    }
    return true;
}

std::string Number(float value) { return ShortestFloatText(value); }

// The settings of the last change made win over another copy's: the file on the disk is only
// judged, to be set aside when damaged.
int ReadBack(const std::string& onDisk, std::string*)
{
    KeptSettings judged;
    return ParseSettings(onDisk, &judged);
}

std::string FormatControls(const BindingTable& bindings)
{
    std::string text = "\n[controls]\n";
    for (int a = 0; a < ACTION_COUNT; ++a)
    {
        const PlayAction action = static_cast<PlayAction>(a);
        text += std::string(ActionKeyName(action)) + " = " + FormatActionBinding(bindings[action]) + "\n";
    }
    return text;
}

int NextSizeIndex(uint32_t width, uint32_t height)
{
    for (int i = 0; i < 3; ++i)
        if (SIZES[i][0] == width && SIZES[i][1] == height) return (i + 1) % 3 + 1;
    return 2;
}
} // namespace

int ParseSettings(const std::string& text, KeptSettings* settings)
{
    return ParseIni(text, OnValue, settings);
}

std::string FormatSettings(const KeptSettings& s)
{
    auto flag = [](bool on) { return on ? "true" : "false"; };
    return std::string("# Vantara's settings, written by the game whenever one changes.\n") +
           "[sound]\nmusic_volume = " + Number(s.musicVolume) +
           "\neffects_volume = " + Number(s.effectsVolume) + "\nmuted = " + flag(s.muted) +
           "\n\n[window]\nfullscreen = " + flag(s.fullscreen) +
           "\nwidth = " + std::to_string(s.windowWidth) +
           "\nheight = " + std::to_string(s.windowHeight) + "\n" + FormatControls(s.bindings) +
           "\n[assists]\ngame_speed = " + std::to_string(s.assists.speedPercent) +
           "\nhazards_forgive = " + flag(s.assists.hazardsForgive) +
           "\n\n[time_trial]\ntimer = " + TIMER_NAMES[s.timer] + "\nghost = " + flag(s.ghost) +
           "\n";
}

KeptSettings CurrentSettings()
{
    KeptSettings s;
    s.musicVolume = MusicVolume;
    s.effectsVolume = EffectsVolume;
    s.muted = SoundMuted;
    s.fullscreen = IsFullscreen;
    s.windowWidth = IsFullscreen ? RememberedWindow.width : WindowWidth;
    s.windowHeight = IsFullscreen ? RememberedWindow.height : WindowHeight;
    s.bindings = Bindings;
    s.assists = PlayAssists;
    s.timer = TimerShown;
    s.ghost = GhostShown;
    return s;
}

void ApplySettings(const KeptSettings& s)
{
    MusicVolume = s.musicVolume;
    EffectsVolume = s.effectsVolume;
    SoundMuted = s.muted;
    WindowWidth = s.windowWidth;
    WindowHeight = s.windowHeight;
    ResolutionIndex = NextSizeIndex(s.windowWidth, s.windowHeight);
    Bindings = s.bindings;
    PlayAssists = s.assists;
    TimerShown = s.timer;
    GhostShown = s.ghost;
}

bool LoadKeptSettings()
{
    File = {KEPT_SETTINGS, "settings.ini", ReadBack, false, {}};
    KeptSettings settings;
    std::string text;
    if (ReadKeptFile(&File, &text))
    {
        const int badLine = ParseSettings(text, &settings);
        if (badLine != 0)
            ReportDamagedKeptFile(File, "is damaged at line " + std::to_string(badLine));
    }
    ApplySettings(settings);
    // Nothing is written until a setting changes.
    File.lastWritten = LastSeen = FormatSettings(settings);
    LastWriteTime = -1.0;
    return settings.fullscreen;
}

void LoadKeptPlayOptions()
{
    const std::string path = KeptFilePath(File);
    std::string text, reason;
    KeptSettings settings;
    if (!path.empty() && PlatformReadKeptFile(path, KEPT_FILE_LIMIT, &text, &reason) == KEPT_READ)
        ParseSettings(text, &settings);
    Bindings = settings.bindings;
    PlayAssists = settings.assists;
}

void KeepSettingsIfChanged()
{
    const std::string text = FormatSettings(CurrentSettings());
    // Settings on the move (a button held down, or a window edge dragged, which changes the
    // size every frame) are written at most once a second, each write being synced to disk,
    // and once more as soon as they rest.
    const bool moving = text != LastSeen || IsMouseButtonDown(0);
    LastSeen = text;
    if (text == File.lastWritten) return;
    if (moving && LastWriteTime >= 0.0 && GetPreciseTime() - LastWriteTime < WRITE_SPACING)
        return;
    WriteSettings(text);
}

void KeepSettingsNow()
{
    LastSeen = FormatSettings(CurrentSettings());
    WriteSettings(LastSeen);
}
