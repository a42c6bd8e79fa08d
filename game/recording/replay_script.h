// replay_script.h: the input script of a replay, one line per frame.
//
//     FRAME KEYS MOUSE_X MOUSE_Y LMB [NAME=VALUE ...]        # a comment
//
// FRAME counts from 0 and strictly rises; a frame not listed repeats the line before it.
// KEYS is - or a +-joined list of the names below, held that frame; MOUSE_X and MOUSE_Y are
// the cursor in window pixels from the client centre, y up; LMB is 1 while the left button
// is held. MIN, UNFOCUS and CLOSE are not keys: the window is minimised, or has lost the
// focus, while they are held, and CLOSE closes it on the frame it is first held (its close box,
// the window manager's close, a signal to end): the game quits. The PAD_ names are the first
// game pad's buttons (PAD_LS and PAD_RS its stick clicks, PAD_LT and PAD_RT its triggers,
// pulled all the way). The named fields that may follow are the pad's sticks, lx ly (left) and
// rx ry (right), each from -1 to 1 with y up, and dt, the seconds of frame time the frame runs
// with (what the game measured when it was recorded), up to MAX_SCRIPT_FRAME_TIME; 0 or not
// given is the steady 1/60 s. A field not given takes its default (0) on that line.
#pragma once

#include "engine/platform/platform.h"
#include "game/recording/script_header.h"

#include <cstdint>
#include <string>
#include <vector>

// Key names of scripts, in the order of their bits in ReplayInput::keys.
enum ReplayKey
{
    REPLAY_A, REPLAY_D, REPLAY_W, REPLAY_S, REPLAY_SPACE, REPLAY_R, REPLAY_ESC, REPLAY_ENTER,
    REPLAY_LEFT, REPLAY_RIGHT, REPLAY_UP, REPLAY_DOWN, REPLAY_K, REPLAY_Q,
    REPLAY_0, REPLAY_1, REPLAY_2, REPLAY_3, REPLAY_4, REPLAY_5, REPLAY_6, REPLAY_7, REPLAY_8,
    REPLAY_9, REPLAY_CTRL, REPLAY_ALT, REPLAY_DELETE, REPLAY_F4, REPLAY_F11, REPLAY_RMB,
    REPLAY_MIN, REPLAY_UNFOCUS, REPLAY_CLOSE,
    REPLAY_PAD_A, REPLAY_PAD_B, REPLAY_PAD_X, REPLAY_PAD_Y, REPLAY_PAD_START, REPLAY_PAD_BACK,
    REPLAY_PAD_UP, REPLAY_PAD_DOWN, REPLAY_PAD_LEFT, REPLAY_PAD_RIGHT, REPLAY_PAD_LB,
    REPLAY_PAD_RB, REPLAY_PAD_LS, REPLAY_PAD_RS, REPLAY_PAD_LT, REPLAY_PAD_RT,
    // The other keys a player may give the controls (controls/bindings.h), and the middle
    // mouse button.
    REPLAY_B, REPLAY_C, REPLAY_E, REPLAY_F, REPLAY_G, REPLAY_H, REPLAY_I, REPLAY_J, REPLAY_L,
    REPLAY_M, REPLAY_N, REPLAY_O, REPLAY_P, REPLAY_T, REPLAY_U, REPLAY_V, REPLAY_X, REPLAY_Y,
    REPLAY_Z, REPLAY_F1, REPLAY_F2, REPLAY_F3, REPLAY_F5, REPLAY_F6, REPLAY_F7, REPLAY_F8,
    REPLAY_F9, REPLAY_F10, REPLAY_F12, REPLAY_NUM0, REPLAY_NUM1, REPLAY_NUM2, REPLAY_NUM3,
    REPLAY_NUM4, REPLAY_NUM5, REPLAY_NUM6, REPLAY_NUM7, REPLAY_NUM8, REPLAY_NUM9,
    REPLAY_BACKSPACE, REPLAY_TAB, REPLAY_SHIFT, REPLAY_PAGEUP, REPLAY_PAGEDOWN, REPLAY_END,
    REPLAY_HOME, REPLAY_INSERT, REPLAY_SEMICOLON, REPLAY_QUOTE, REPLAY_COMMA, REPLAY_PERIOD,
    REPLAY_SLASH, REPLAY_MINUS, REPLAY_EQUALS, REPLAY_LBRACKET, REPLAY_RBRACKET,
    REPLAY_BACKSLASH, REPLAY_GRAVE, REPLAY_MMB,
    REPLAY_KEY_COUNT
};

// The longest frame time a script line may carry, in seconds.
constexpr float MAX_SCRIPT_FRAME_TIME = 3600.0f;

static_assert(REPLAY_KEY_COUNT <= 128, "every key has its bit");

struct ReplayInput
{
    // Bit k set while ReplayKey k is held: keys for the first 64, moreKeys for the rest
    // (IsHeld, Hold).
    uint64_t keys = 0;
    uint64_t moreKeys = 0;
    float mouseX = 0.0f;
    float mouseY = 0.0f;
    bool leftButton = false;
    float leftStickX = 0.0f, leftStickY = 0.0f; // -1..1, y up
    float rightStickX = 0.0f, rightStickY = 0.0f;
    float frameTime = 0.0f; // seconds; 0: not given, a frame of 1/60 s
};

inline bool IsHeld(const ReplayInput& input, int key)
{
    return ((key < 64 ? input.keys : input.moreKeys) >> (key % 64)) & 1u;
}
inline void Hold(ReplayInput* input, int key)
{
    (key < 64 ? input->keys : input->moreKeys) |= uint64_t{1} << (key % 64);
}
// No key, pad button, RMB or MIN, UNFOCUS and CLOSE held.
bool NoKeyHeld(const ReplayInput& input);

// Whether this input touches the pad at all: a pad button held or a stick off its centre.
bool UsesPad(const ReplayInput& input);

struct ScriptLine
{
    uint64_t frame;
    ReplayInput input;
};

// The script's name for a key, as written in scripts ("SPACE", "7", "MIN").
const char* ReplayKeyName(ReplayKey key);
// The engine's key number of a keyboard key; 0 for RMB, MIN, UNFOCUS, CLOSE and the pad's
// names.
uint32_t ReplayKeyCode(ReplayKey key);
// The script's key for an engine key number (KEY_ALT and KEY_MENU are both ALT); false for a
// key scripts have no name for.
bool ReplayKeyOfCode(uint32_t code, ReplayKey* key);
// The pad's reading for this input: its buttons, triggers and sticks.
GamepadReading ReplayPadReading(const ReplayInput& input);
// The other way, for recordings: a live pad's buttons, its triggers pulled past
// `triggerThreshold` and its sticks, written into `input`.
void AddPadReading(const GamepadReading& reading, uint8_t triggerThreshold, ReplayInput* input);

// A measured frame time as a script line carries it: within 0 to MAX_SCRIPT_FRAME_TIME, and
// at the precision the line keeps.
float ScriptFrameTime(double seconds);

// A script line as written in scripts, ending in a line feed.
std::string FormatScriptLine(const ScriptLine& line);

// Reads a whole script. On a bad line returns false with `error` as "FILE:LINE: what is
// wrong", FILE being `fileName`. Given `cutOff`, a last line that has no line feed and cannot
// be read is taken as cut off while it was written (a full disk, a killed game): the script
// is read without it, and `cutOff` says so in the same form (empty when nothing was cut off).
// With `header`, header lines before the first frame line (script_header.h) are read into
// it; without, any is refused.
bool ParseScript(const std::string& text, const std::string& fileName,
                 std::vector<ScriptLine>* lines, std::string* error,
                 std::string* cutOff = nullptr, ScriptHeader* header = nullptr);
