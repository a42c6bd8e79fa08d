// key_codes.h: the engine's key numbers.
//
// The game keeps Windows virtual-key numbering on every platform, so letters and digits are
// their upper-case ASCII codes ('A', '7') and the rest are named here. The back ends translate
// their own key codes into these.
#pragma once

#include <cstdint>

enum KeyCode : uint32_t
{
    KEY_BACKSPACE = 0x08,
    KEY_TAB = 0x09,
    KEY_ALT = 0x0A, // both Alt keys land in this slot of the key state, never in KEY_MENU
    KEY_ENTER = 0x0D,
    KEY_SHIFT = 0x10,
    KEY_CONTROL = 0x11,
    KEY_MENU = 0x12, // the code an Alt key arrives with
    KEY_ESCAPE = 0x1B,
    KEY_SPACE = 0x20,
    KEY_PAGE_UP = 0x21,
    KEY_PAGE_DOWN = 0x22,
    KEY_END = 0x23,
    KEY_HOME = 0x24,
    KEY_LEFT = 0x25,
    KEY_UP = 0x26,
    KEY_RIGHT = 0x27,
    KEY_DOWN = 0x28,
    KEY_INSERT = 0x2D,
    KEY_DELETE = 0x2E,
    KEY_NUMPAD0 = 0x60,
    KEY_F1 = 0x70,
    KEY_F4 = 0x73,
    KEY_F11 = 0x7A,
    KEY_F12 = 0x7B,
    // The punctuation keys, by where they sit (a US layout's signs), as Windows numbers them.
    KEY_SEMICOLON = 0xBA,
    KEY_EQUALS = 0xBB,
    KEY_COMMA = 0xBC,
    KEY_MINUS = 0xBD,
    KEY_PERIOD = 0xBE,
    KEY_SLASH = 0xBF,
    KEY_GRAVE = 0xC0,
    KEY_LEFT_BRACKET = 0xDB,
    KEY_BACKSLASH = 0xDC,
    KEY_RIGHT_BRACKET = 0xDD,
    KEY_QUOTE = 0xDE,
};
