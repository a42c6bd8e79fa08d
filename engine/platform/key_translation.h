// key_translation.h: the engine key number of a key pressed on the SDL and web back ends.
//
// A pure rule, kept apart from the back ends and free of SDL and browser types so that it can be checked
// without a display. Letters follow what the key prints on Latin layouts (AZERTY's A key is A,
// QWERTZ's Z key is Z). On layouts of other scripts (Russian, Greek, Hebrew...) the letter
// keys count by their position, and the number row is digits on every layout, as with Windows
// virtual keys: such players can still move, restart, quit and jump to levels.
#pragma once

#include <cstdint>

// The number of a key the game has none for. Key-state arrays ignore it.
constexpr uint32_t UnknownKey = 256;

// keySymbol: the SDL key code (for a printable key, its lower-case Unicode character).
// scancode: the SDL scancode, the key's position (USB usage: A..Z 4..29, 1..9 30..38, 0 39).
// latinLayout: whether the active layout prints Latin letters on its letter keys.
// Returns a KeyCode, an upper-case letter or digit, or UnknownKey.
uint32_t TranslateSdlKey(int32_t keySymbol, int scancode, bool latinLayout);

// The same rule for a browser's key event: `code` names the key's position ("KeyA", "Digit1",
// "ArrowLeft"), `key` what it prints ("a", "&", "й") or its name ("Enter"). Letters follow
// what they print when that is a Latin letter; a letter key printing a letter of another
// script counts by its position; the number row is digits on every layout.
uint32_t TranslateWebKey(const char* code, const char* key);
