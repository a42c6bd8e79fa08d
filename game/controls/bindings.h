// bindings.h: which keys, mouse buttons and pad buttons play each action.
//
// Every action of play has up to two keyboard or mouse bindings and one pad binding; the
// player, the hook, the pause menu and the restart key all ask this table, never a key by its
// name. The defaults are the game's own controls: A and D run, Space or W jump, S slams, the
// left button aims and fires the hook, R drops it and restarts, Escape pauses; on the pad the
// D-pad runs (the left stick always does too), A jumps, X slams, the right trigger fires (aimed
// by the right stick), Back restarts and Start pauses.
//
// Escape always pauses: it is the first key of pausing and cannot be given to anything, so a
// player can always get back to the menus, whose keys (arrows, Enter, Escape, and the pad's
// D-pad, A and B) never change.
#pragma once

#include <array>
#include <cstdint>
#include <string>

struct GamepadState;

enum PlayAction : uint8_t
{
    ACTION_RUN_LEFT,
    ACTION_RUN_RIGHT,
    ACTION_JUMP,
    ACTION_SLAM,
    ACTION_FIRE, // aim and fire the hook; held, keep it
    ACTION_RESTART,
    ACTION_PAUSE,
    ACTION_COUNT
};

// One key, mouse button or pad input: 0 none; 1 to 255 a key (the engine's key numbers);
// BOUND_MOUSE + 0, 1, 2 the left, right and middle button; BOUND_PAD + a PadInput.
using BoundInput = uint16_t;
constexpr BoundInput NO_INPUT = 0;
constexpr BoundInput BOUND_MOUSE = 0x100;
constexpr BoundInput BOUND_PAD = 0x200;

// The pad's buttons and triggers, as bindings name them.
enum PadInput : uint8_t
{
    PAD_INPUT_A, PAD_INPUT_B, PAD_INPUT_X, PAD_INPUT_Y, PAD_INPUT_START, PAD_INPUT_BACK,
    PAD_INPUT_UP, PAD_INPUT_DOWN, PAD_INPUT_LEFT, PAD_INPUT_RIGHT, PAD_INPUT_LB, PAD_INPUT_RB,
    PAD_INPUT_LS, PAD_INPUT_RS, PAD_INPUT_LT, PAD_INPUT_RT,
    PAD_INPUT_COUNT
};

constexpr int KEY_SLOTS = 2;

struct ActionBinding
{
    BoundInput keys[KEY_SLOTS]; // the second may be NO_INPUT; the first never is
    BoundInput pad;             // never NO_INPUT

    bool operator==(const ActionBinding& other) const
    {
        return keys[0] == other.keys[0] && keys[1] == other.keys[1] && pad == other.pad;
    }
};
using BindingTable = std::array<ActionBinding, ACTION_COUNT>;

// The table play reads, and the game's own.
extern BindingTable Bindings;
const BindingTable& DefaultBindings();

// "run_left", "jump", ...: the names settings.ini and recordings give the actions.
const char* ActionKeyName(PlayAction action);
// "Run left", "Jump", ...: as the settings window shows them.
const char* ActionTitle(PlayAction action);

// A binding's name as settings.ini and recordings write it: the script name of a key ("W",
// "SPACE"), "LMB", "RMB", "MMB", or the pad's ("PAD_A", "PAD_RT"). Empty for NO_INPUT.
std::string BoundInputName(BoundInput input);
// The other way; NO_INPUT for a name that is none of these.
BoundInput BoundInputNamed(const std::string& name);
// As the settings window shows it: "Space", "Left mouse", "Right trigger".
std::string BoundInputTitle(BoundInput input);
bool IsPadInput(BoundInput input);

// An action's bindings as written: its keys, then its pad input ("SPACE W PAD_A").
std::string FormatActionBinding(const ActionBinding& binding);
// Reads that form. False when a name is unknown, or there is not one or two keys and one pad
// input, or a key is given twice, or Escape is anywhere but first of pausing or missing there.
bool ParseActionBinding(PlayAction action, const std::string& text, ActionBinding* binding);

// A pad input held on `pad`, a pad's state now or at the previous update; false with none.
bool PadInputDown(const GamepadState* pad, BoundInput input);
// Whether the input is held now, or went down this frame (a tap between frames included).
bool BoundInputDown(BoundInput input);
bool BoundInputPressed(BoundInput input);

// An action's keyboard and mouse bindings, its pad binding, or either.
bool ActionKeysDown(PlayAction action);
bool ActionKeysPressed(PlayAction action);
bool ActionPadDown(PlayAction action);
bool ActionPadPressed(PlayAction action);
bool ActionDown(PlayAction action);
bool ActionPressed(PlayAction action);

// The key that went down this frame on the keyboard or mouse, Escape and the late-released
// modifier of a chord apart; or the pad input newly pressed on the active pad. NO_INPUT when
// none: what a player presses to give an action a new binding.
BoundInput NewKeyPressed();
BoundInput NewPadPressed();

// The action and slot (0 or 1, KEY_SLOTS for the pad) that `input` plays, if any.
bool FindBinding(const BindingTable& table, BoundInput input, PlayAction* action, int* slot);
// Whether a keyboard key plays anything: a key the controls use is not also a level key.
bool KeyPlaysAnAction(uint32_t key);
