// key_translation.cpp: SDL key codes and scancodes to the engine's Windows-style key numbers.
#include "engine/platform/key_translation.h"

#include "engine/platform/key_codes.h"

#include <SDL_keycode.h>

namespace
{
// What the key prints or names, where that is a key the game knows.
uint32_t TranslateKeySymbol(SDL_Keycode key)
{
    if (key >= SDLK_a && key <= SDLK_z) return 'A' + (key - SDLK_a);
    if (key >= SDLK_0 && key <= SDLK_9) return '0' + (key - SDLK_0);
    if (key >= SDLK_F1 && key <= SDLK_F12) return KEY_F1 + (key - SDLK_F1);
    if (key >= SDLK_KP_1 && key <= SDLK_KP_9) return KEY_NUMPAD0 + 1 + (key - SDLK_KP_1);
    switch (key)
    {
    case SDLK_KP_0: return KEY_NUMPAD0;
    case SDLK_BACKSPACE: return KEY_BACKSPACE;
    case SDLK_TAB: return KEY_TAB;
    case SDLK_RETURN:
    case SDLK_KP_ENTER: return KEY_ENTER;
    case SDLK_LSHIFT:
    case SDLK_RSHIFT: return KEY_SHIFT;
    case SDLK_LCTRL:
    case SDLK_RCTRL: return KEY_CONTROL;
    case SDLK_LALT:
    case SDLK_RALT: return KEY_MENU;
    case SDLK_ESCAPE: return KEY_ESCAPE;
    case SDLK_SPACE: return KEY_SPACE;
    case SDLK_PAGEUP: return KEY_PAGE_UP;
    case SDLK_PAGEDOWN: return KEY_PAGE_DOWN;
    case SDLK_END: return KEY_END;
    case SDLK_HOME: return KEY_HOME;
    case SDLK_LEFT: return KEY_LEFT;
    case SDLK_UP: return KEY_UP;
    case SDLK_RIGHT: return KEY_RIGHT;
    case SDLK_DOWN: return KEY_DOWN;
    case SDLK_INSERT: return KEY_INSERT;
    case SDLK_DELETE: return KEY_DELETE;
    default: return UnknownKey;
    }
}
} // namespace

uint32_t TranslateSdlKey(int32_t keySymbol, int scancode, bool latinLayout)
{
    const uint32_t printed = TranslateKeySymbol(keySymbol);
    if (printed != UnknownKey) return printed;
    // The number row holds digits even where its keys print & é " ' ( (AZERTY).
    if (scancode >= SDL_SCANCODE_1 && scancode <= SDL_SCANCODE_9)
        return '1' + (scancode - SDL_SCANCODE_1);
    if (scancode == SDL_SCANCODE_0) return '0';
    // Only where no key prints a Latin letter: on Dvorak or AZERTY a punctuation key that sits
    // where QWERTY has a letter must not act as that letter.
    if (!latinLayout && scancode >= SDL_SCANCODE_A && scancode <= SDL_SCANCODE_Z)
        return 'A' + (scancode - SDL_SCANCODE_A);
    // A punctuation key that prints no letter or digit is named by where it sits, whatever
    // sign it prints: a key the controls can be given.
    switch (scancode)
    {
    case SDL_SCANCODE_SEMICOLON: return KEY_SEMICOLON;
    case SDL_SCANCODE_EQUALS: return KEY_EQUALS;
    case SDL_SCANCODE_COMMA: return KEY_COMMA;
    case SDL_SCANCODE_MINUS: return KEY_MINUS;
    case SDL_SCANCODE_PERIOD: return KEY_PERIOD;
    case SDL_SCANCODE_SLASH: return KEY_SLASH;
    case SDL_SCANCODE_GRAVE: return KEY_GRAVE;
    case SDL_SCANCODE_LEFTBRACKET: return KEY_LEFT_BRACKET;
    case SDL_SCANCODE_BACKSLASH: return KEY_BACKSLASH;
    case SDL_SCANCODE_RIGHTBRACKET: return KEY_RIGHT_BRACKET;
    case SDL_SCANCODE_APOSTROPHE: return KEY_QUOTE;
    default: return UnknownKey;
    }
}
