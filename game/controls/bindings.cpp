// bindings.cpp: the table of bindings, their names and the input they read.
#include "game/controls/bindings.h"

#include "engine/input/input_state.h"
#include "engine/platform/key_codes.h"
#include "game/recording/replay_script.h"

#include <sstream>

namespace
{
constexpr BoundInput Mouse(int button) { return static_cast<BoundInput>(BOUND_MOUSE + button); }
constexpr BoundInput Pad(PadInput input) { return static_cast<BoundInput>(BOUND_PAD + input); }

const BindingTable DEFAULTS = {{
    {{'A', NO_INPUT}, Pad(PAD_INPUT_LEFT)},
    {{'D', NO_INPUT}, Pad(PAD_INPUT_RIGHT)},
    {{KEY_SPACE, 'W'}, Pad(PAD_INPUT_A)},
    {{'S', NO_INPUT}, Pad(PAD_INPUT_X)},
    {{Mouse(0), NO_INPUT}, Pad(PAD_INPUT_RT)},
    {{'R', NO_INPUT}, Pad(PAD_INPUT_BACK)},
    {{KEY_ESCAPE, NO_INPUT}, Pad(PAD_INPUT_START)},
}};

struct ActionNames
{
    const char* key;
    const char* title;
};
constexpr ActionNames ACTION_NAMES[ACTION_COUNT] = {
    {"run_left", "Run left"}, {"run_right", "Run right"}, {"jump", "Jump"},
    {"slam", "Slam"},         {"fire", "Aim and fire"},   {"restart", "Restart"},
    {"pause", "Pause"},
};

// Indexed by PadInput; the triggers have no button bit.
constexpr uint16_t PAD_BUTTON_BITS[PAD_INPUT_COUNT] = {
    PAD_A,         PAD_B,          PAD_X,         PAD_Y,          PAD_START,         PAD_BACK,
    PAD_DPAD_UP,   PAD_DPAD_DOWN,  PAD_DPAD_LEFT, PAD_DPAD_RIGHT, PAD_LEFT_SHOULDER,
    PAD_RIGHT_SHOULDER, PAD_LEFT_THUMB, PAD_RIGHT_THUMB, 0, 0};
constexpr const char* PAD_TITLES[PAD_INPUT_COUNT] = {
    "Pad A",      "Pad B",       "Pad X",       "Pad Y",        "Start",      "Back",
    "D-pad up",   "D-pad down",  "D-pad left",  "D-pad right",  "LB",         "RB",
    "Left stick", "Right stick", "Left trigger", "Right trigger"};
constexpr const char* MOUSE_NAMES[3] = {"LMB", "RMB", "MMB"};
constexpr const char* MOUSE_TITLES[3] = {"Left mouse", "Right mouse", "Middle mouse"};

struct KeyTitle
{
    uint32_t code;
    const char* title;
};
// Keys whose script name is not what a player reads on them.
constexpr KeyTitle KEY_TITLES[] = {
    {KEY_SPACE, "Space"},      {KEY_ENTER, "Enter"},         {KEY_ESCAPE, "Escape"},
    {KEY_TAB, "Tab"},          {KEY_BACKSPACE, "Backspace"}, {KEY_SHIFT, "Shift"},
    {KEY_CONTROL, "Ctrl"},     {KEY_ALT, "Alt"},             {KEY_LEFT, "Left arrow"},
    {KEY_RIGHT, "Right arrow"}, {KEY_UP, "Up arrow"},        {KEY_DOWN, "Down arrow"},
    {KEY_PAGE_UP, "Page up"},  {KEY_PAGE_DOWN, "Page down"}, {KEY_HOME, "Home"},
    {KEY_END, "End"},          {KEY_INSERT, "Insert"},       {KEY_DELETE, "Delete"},
    {KEY_SEMICOLON, ";"},      {KEY_EQUALS, "="},            {KEY_COMMA, ","},
    {KEY_MINUS, "-"},          {KEY_PERIOD, "."},            {KEY_SLASH, "/"},
    {KEY_GRAVE, "`"},          {KEY_LEFT_BRACKET, "["},      {KEY_BACKSLASH, "\\"},
    {KEY_RIGHT_BRACKET, "]"},  {KEY_QUOTE, "'"},
};

// Keys that play nothing: Escape pauses and goes back, F11 is the full screen.
bool Bindable(uint32_t code)
{
    ReplayKey key;
    return code != KEY_ESCAPE && code != KEY_F11 && ReplayKeyOfCode(code, &key);
}

bool TriggerFired(const GamepadState* pad, PadInput input)
{
    return input == PAD_INPUT_LT ? pad->leftTriggerFired : pad->rightTriggerFired;
}
} // namespace

BindingTable Bindings = DEFAULTS;

const BindingTable& DefaultBindings() { return DEFAULTS; }

const char* ActionKeyName(PlayAction action) { return ACTION_NAMES[action].key; }
const char* ActionTitle(PlayAction action) { return ACTION_NAMES[action].title; }

bool IsPadInput(BoundInput input) { return input >= BOUND_PAD && input < BOUND_PAD + PAD_INPUT_COUNT; }

std::string BoundInputName(BoundInput input)
{
    if (IsPadInput(input)) return ReplayKeyName(static_cast<ReplayKey>(REPLAY_PAD_A + input - BOUND_PAD));
    if (input >= BOUND_MOUSE && input < BOUND_MOUSE + 3) return MOUSE_NAMES[input - BOUND_MOUSE];
    ReplayKey key;
    if (input != NO_INPUT && input < 256 && ReplayKeyOfCode(input, &key)) return ReplayKeyName(key);
    return "";
}

BoundInput BoundInputNamed(const std::string& name)
{
    for (int b = 0; b < 3; ++b)
        if (name == MOUSE_NAMES[b]) return Mouse(b);
    for (int k = 0; k < REPLAY_KEY_COUNT; ++k)
    {
        const ReplayKey key = static_cast<ReplayKey>(k);
        if (name != ReplayKeyName(key)) continue;
        if (k >= REPLAY_PAD_A && k <= REPLAY_PAD_RT) return Pad(static_cast<PadInput>(k - REPLAY_PAD_A));
        const uint32_t code = ReplayKeyCode(key) == KEY_MENU ? KEY_ALT : ReplayKeyCode(key);
        return code != 0 ? static_cast<BoundInput>(code) : NO_INPUT;
    }
    return NO_INPUT;
}

std::string BoundInputTitle(BoundInput input)
{
    if (IsPadInput(input)) return PAD_TITLES[input - BOUND_PAD];
    if (input >= BOUND_MOUSE && input < BOUND_MOUSE + 3) return MOUSE_TITLES[input - BOUND_MOUSE];
    for (const KeyTitle& key : KEY_TITLES)
        if (key.code == input) return key.title;
    if (input >= KEY_NUMPAD0 && input <= KEY_NUMPAD0 + 9) return "Num " + std::to_string(input - KEY_NUMPAD0);
    return BoundInputName(input);
}

std::string FormatActionBinding(const ActionBinding& binding)
{
    std::string text;
    for (BoundInput key : binding.keys)
        if (key != NO_INPUT) text += BoundInputName(key) + " ";
    return text + BoundInputName(binding.pad);
}

bool ParseActionBinding(PlayAction action, const std::string& text, ActionBinding* binding)
{
    std::istringstream words(text);
    std::string word;
    ActionBinding read = {{NO_INPUT, NO_INPUT}, NO_INPUT};
    int keys = 0;
    while (words >> word)
    {
        const BoundInput input = BoundInputNamed(word);
        if (input == NO_INPUT) return false;
        if (IsPadInput(input))
        {
            if (read.pad != NO_INPUT) return false;
            read.pad = input;
            continue;
        }
        const bool escapeHere = action == ACTION_PAUSE && keys == 0;
        if (keys == KEY_SLOTS || (input == KEY_ESCAPE) != escapeHere) return false;
        if (input < 256 && input != KEY_ESCAPE && !Bindable(input)) return false;
        if (keys == 1 && read.keys[0] == input) return false;
        read.keys[keys++] = input;
    }
    if (keys == 0 || read.pad == NO_INPUT) return false;
    *binding = read;
    return true;
}

bool PadInputDown(const GamepadState* pad, BoundInput input)
{
    if (!pad || !pad->connected || !IsPadInput(input)) return false;
    const PadInput which = static_cast<PadInput>(input - BOUND_PAD);
    if (PAD_BUTTON_BITS[which] != 0) return (pad->pad.buttons & PAD_BUTTON_BITS[which]) != 0;
    return TriggerFired(pad, which);
}

bool BoundInputDown(BoundInput input)
{
    if (input == NO_INPUT) return false;
    if (IsPadInput(input)) return PadInputDown(ActivePad(), input);
    if (input >= BOUND_MOUSE) return IsMouseButtonDown(input - BOUND_MOUSE);
    return IsKeyDown(input);
}

bool BoundInputPressed(BoundInput input)
{
    if (input == NO_INPUT) return false;
    if (IsPadInput(input))
    {
        const PadInput which = static_cast<PadInput>(input - BOUND_PAD);
        // A button's tap between two frames counts; a trigger fires once pulled half way.
        if (PAD_BUTTON_BITS[which] != 0) return IsPadButtonTriggered(PAD_BUTTON_BITS[which]);
        return PadInputDown(ActivePad(), input) && !PadInputDown(ActivePadPrevious(), input);
    }
    if (input >= BOUND_MOUSE) return IsMouseButtonTriggered(input - BOUND_MOUSE);
    return IsKeyTriggered(input);
}

bool ActionKeysDown(PlayAction action)
{
    const ActionBinding& b = Bindings[action];
    return BoundInputDown(b.keys[0]) || BoundInputDown(b.keys[1]);
}
bool ActionKeysPressed(PlayAction action)
{
    const ActionBinding& b = Bindings[action];
    return BoundInputPressed(b.keys[0]) || BoundInputPressed(b.keys[1]);
}
bool ActionPadDown(PlayAction action) { return BoundInputDown(Bindings[action].pad); }
bool ActionPadPressed(PlayAction action) { return BoundInputPressed(Bindings[action].pad); }
bool ActionDown(PlayAction action) { return ActionKeysDown(action) || ActionPadDown(action); }
bool ActionPressed(PlayAction action) { return ActionKeysPressed(action) || ActionPadPressed(action); }

BoundInput NewKeyPressed()
{
    for (uint32_t code = 1; code < 256; ++code)
        if (IsKeyTriggered(code) && Bindable(code)) return static_cast<BoundInput>(code);
    for (int button = 0; button < 3; ++button)
        if (IsMouseButtonTriggered(button)) return Mouse(button);
    return NO_INPUT;
}

BoundInput NewPadPressed()
{
    for (int i = 0; i < PAD_INPUT_COUNT; ++i)
        if (BoundInputPressed(Pad(static_cast<PadInput>(i)))) return Pad(static_cast<PadInput>(i));
    return NO_INPUT;
}

bool FindBinding(const BindingTable& table, BoundInput input, PlayAction* action, int* slot)
{
    for (int a = 0; a < ACTION_COUNT && input != NO_INPUT; ++a)
        for (int s = 0; s <= KEY_SLOTS; ++s)
            if ((s < KEY_SLOTS ? table[a].keys[s] : table[a].pad) == input)
            {
                *action = static_cast<PlayAction>(a);
                *slot = s;
                return true;
            }
    return false;
}

bool KeyPlaysAnAction(uint32_t key)
{
    PlayAction action;
    int slot;
    return key < 256 && FindBinding(Bindings, static_cast<BoundInput>(key), &action, &slot);
}
