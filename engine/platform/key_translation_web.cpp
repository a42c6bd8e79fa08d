// key_translation_web.cpp: a browser's KeyboardEvent code and key to the engine's key numbers.
#include "engine/platform/key_codes.h"
#include "engine/platform/key_translation.h"

#include <cstring>

namespace
{
struct NamedKey
{
    const char* code;
    uint32_t key;
};

// Keys known by their position, whatever the layout prints on them.
constexpr NamedKey NamedKeys[] = {
    {"Backspace", KEY_BACKSPACE},
    {"Tab", KEY_TAB},
    {"Enter", KEY_ENTER},
    {"NumpadEnter", KEY_ENTER},
    {"ShiftLeft", KEY_SHIFT},
    {"ShiftRight", KEY_SHIFT},
    {"ControlLeft", KEY_CONTROL},
    {"ControlRight", KEY_CONTROL},
    {"AltLeft", KEY_MENU},
    {"AltRight", KEY_MENU},
    {"Escape", KEY_ESCAPE},
    {"Space", KEY_SPACE},
    {"PageUp", KEY_PAGE_UP},
    {"PageDown", KEY_PAGE_DOWN},
    {"End", KEY_END},
    {"Home", KEY_HOME},
    {"ArrowLeft", KEY_LEFT},
    {"ArrowUp", KEY_UP},
    {"ArrowRight", KEY_RIGHT},
    {"ArrowDown", KEY_DOWN},
    {"Insert", KEY_INSERT},
    {"Delete", KEY_DELETE},
};

bool StartsWith(const char* text, const char* prefix)
{
    return std::strncmp(text, prefix, std::strlen(prefix)) == 0;
}

// The one character `key` holds when it is a single ASCII character, else 0.
char SingleAscii(const char* key)
{
    const unsigned char c = static_cast<unsigned char>(key[0]);
    return c != 0 && c < 0x80 && key[1] == '\0' ? static_cast<char>(c) : 0;
}
} // namespace

uint32_t TranslateWebKey(const char* code, const char* key)
{
    if (!code || !key) return UnknownKey;
    const char printed = SingleAscii(key);
    if (printed >= 'a' && printed <= 'z') return 'A' + (printed - 'a');
    if (printed >= 'A' && printed <= 'Z') return static_cast<uint32_t>(printed);
    for (const NamedKey& named : NamedKeys)
        if (std::strcmp(code, named.code) == 0) return named.key;
    // F1 to F12, and the number pad's digits.
    if (code[0] == 'F' && code[1] >= '1' && code[1] <= '9')
    {
        const int number = code[2] == '\0' ? code[1] - '0' : (code[1] - '0') * 10 + (code[2] - '0');
        if (number >= 1 && number <= 12 && (code[2] == '\0' || code[3] == '\0'))
            return KEY_F1 + static_cast<uint32_t>(number - 1);
    }
    if (StartsWith(code, "Numpad") && code[6] >= '0' && code[6] <= '9' && code[7] == '\0')
        return KEY_NUMPAD0 + static_cast<uint32_t>(code[6] - '0');
    // The number row holds digits even where its keys print & é " ' ( (AZERTY).
    if (StartsWith(code, "Digit") && code[5] >= '0' && code[5] <= '9' && code[6] == '\0')
        return static_cast<uint32_t>(code[5]);
    // A letter key printing a letter of another script counts by its position; one printing
    // an ASCII sign (a Latin layout's punctuation where QWERTY has a letter) does not.
    if (StartsWith(code, "Key") && code[3] >= 'A' && code[3] <= 'Z' && code[4] == '\0' &&
        printed == 0 && static_cast<unsigned char>(key[0]) >= 0x80)
        return static_cast<uint32_t>(code[3]);
    return UnknownKey;
}
