// replay_script.cpp: reading input scripts.
#include "game/recording/replay_script.h"

#include "engine/platform/key_codes.h"
#include "game/recording/replay_text.h"

#include <algorithm>
#include <sstream>

namespace
{
struct KeyName
{
    const char* name;
    uint32_t code;
};

// Indexed by ReplayKey.
constexpr KeyName KeyNames[REPLAY_KEY_COUNT] = {
    {"A", 'A'},         {"D", 'D'},           {"W", 'W'},          {"S", 'S'},
    {"SPACE", KEY_SPACE}, {"R", 'R'},         {"ESC", KEY_ESCAPE}, {"ENTER", KEY_ENTER},
    {"LEFT", KEY_LEFT}, {"RIGHT", KEY_RIGHT}, {"UP", KEY_UP},      {"DOWN", KEY_DOWN},
    {"K", 'K'},         {"Q", 'Q'},           {"0", '0'},          {"1", '1'},
    {"2", '2'},         {"3", '3'},           {"4", '4'},          {"5", '5'},
    {"6", '6'},         {"7", '7'},           {"8", '8'},          {"9", '9'},
    {"CTRL", KEY_CONTROL}, {"ALT", KEY_MENU}, {"DELETE", KEY_DELETE}, {"F4", KEY_F4},
    {"F11", KEY_F11},   {"RMB", 0},           {"MIN", 0},          {"UNFOCUS", 0},
    {"CLOSE", 0},       {"PAD_A", 0},         {"PAD_B", 0},        {"PAD_X", 0},
    {"PAD_Y", 0},       {"PAD_START", 0},     {"PAD_BACK", 0},     {"PAD_UP", 0},
    {"PAD_DOWN", 0},    {"PAD_LEFT", 0},      {"PAD_RIGHT", 0},    {"PAD_LB", 0},
    {"PAD_RB", 0},      {"PAD_LS", 0},        {"PAD_RS", 0},       {"PAD_LT", 0},
    {"PAD_RT", 0},      {"B", 'B'},           {"C", 'C'},          {"E", 'E'},
    {"F", 'F'},         {"G", 'G'},           {"H", 'H'},          {"I", 'I'},
    {"J", 'J'},         {"L", 'L'},           {"M", 'M'},          {"N", 'N'},
    {"O", 'O'},         {"P", 'P'},           {"T", 'T'},          {"U", 'U'},
    {"V", 'V'},         {"X", 'X'},           {"Y", 'Y'},          {"Z", 'Z'},
    {"F1", KEY_F1},     {"F2", KEY_F1 + 1},   {"F3", KEY_F1 + 2},  {"F5", KEY_F1 + 4},
    {"F6", KEY_F1 + 5}, {"F7", KEY_F1 + 6},   {"F8", KEY_F1 + 7},  {"F9", KEY_F1 + 8},
    {"F10", KEY_F1 + 9}, {"F12", KEY_F12},    {"NUM0", KEY_NUMPAD0}, {"NUM1", KEY_NUMPAD0 + 1},
    {"NUM2", KEY_NUMPAD0 + 2}, {"NUM3", KEY_NUMPAD0 + 3}, {"NUM4", KEY_NUMPAD0 + 4},
    {"NUM5", KEY_NUMPAD0 + 5}, {"NUM6", KEY_NUMPAD0 + 6}, {"NUM7", KEY_NUMPAD0 + 7},
    {"NUM8", KEY_NUMPAD0 + 8}, {"NUM9", KEY_NUMPAD0 + 9}, {"BACKSPACE", KEY_BACKSPACE},
    {"TAB", KEY_TAB},   {"SHIFT", KEY_SHIFT}, {"PAGEUP", KEY_PAGE_UP}, {"PAGEDOWN", KEY_PAGE_DOWN},
    {"END", KEY_END},   {"HOME", KEY_HOME},   {"INSERT", KEY_INSERT}, {"SEMICOLON", KEY_SEMICOLON},
    {"QUOTE", KEY_QUOTE}, {"COMMA", KEY_COMMA}, {"PERIOD", KEY_PERIOD}, {"SLASH", KEY_SLASH},
    {"MINUS", KEY_MINUS}, {"EQUALS", KEY_EQUALS}, {"LBRACKET", KEY_LEFT_BRACKET},
    {"RBRACKET", KEY_RIGHT_BRACKET}, {"BACKSLASH", KEY_BACKSLASH}, {"GRAVE", KEY_GRAVE},
    {"MMB", 0},
};
static_assert(KeyNames[REPLAY_KEY_COUNT - 1].name != nullptr, "every key has its name");

// The pad's buttons, from REPLAY_PAD_A on; the triggers come after them.
constexpr uint16_t PAD_BITS[] = {PAD_A,         PAD_B,          PAD_X,         PAD_Y,
                                 PAD_START,     PAD_BACK,       PAD_DPAD_UP,   PAD_DPAD_DOWN,
                                 PAD_DPAD_LEFT, PAD_DPAD_RIGHT, PAD_LEFT_SHOULDER,
                                 PAD_RIGHT_SHOULDER, PAD_LEFT_THUMB, PAD_RIGHT_THUMB};
static_assert(REPLAY_PAD_A + sizeof PAD_BITS / sizeof PAD_BITS[0] == REPLAY_PAD_LT,
              "the pad's buttons come before its triggers");
constexpr uint8_t TRIGGER_PULLED = 255;
constexpr float FULL_DEFLECTION = 32767.0f;

// The named fields after LMB, each a number from `low` to `high`.
struct NamedField
{
    const char* name;
    float low, high;
    float ReplayInput::*value;
};
constexpr NamedField NAMED_FIELDS[] = {
    {"lx", -1.0f, 1.0f, &ReplayInput::leftStickX},
    {"ly", -1.0f, 1.0f, &ReplayInput::leftStickY},
    {"rx", -1.0f, 1.0f, &ReplayInput::rightStickX},
    {"ry", -1.0f, 1.0f, &ReplayInput::rightStickY},
    {"dt", 0.0f, MAX_SCRIPT_FRAME_TIME, &ReplayInput::frameTime},
};

// Reads one NAME=VALUE token into `input`; false with the reason in `why`.
bool ParseNamedField(const std::string& token, ReplayInput* input, uint32_t* given,
                     std::string* why)
{
    const size_t equals = token.find('=');
    const std::string name = token.substr(0, equals);
    for (size_t f = 0; f < sizeof NAMED_FIELDS / sizeof NAMED_FIELDS[0]; ++f)
    {
        const NamedField& field = NAMED_FIELDS[f];
        if (name != field.name) continue;
        float value = 0.0f;
        if (equals == std::string::npos || !ParseDecimal(token.substr(equals + 1), &value) ||
            value < field.low || value > field.high)
        {
            std::ostringstream out;
            out << name << " '" << (equals == std::string::npos ? "" : token.substr(equals + 1))
                << "' is not a number from " << field.low << " to " << field.high;
            *why = out.str();
            return false;
        }
        if (*given & (1u << f))
        {
            *why = name + " is given twice";
            return false;
        }
        *given |= 1u << f;
        input->*field.value = value;
        return true;
    }
    *why = "unknown field '" + name + "'";
    return false;
}

int16_t StickAxis(float value)
{
    return static_cast<int16_t>(value * FULL_DEFLECTION + (value < 0.0f ? -0.5f : 0.5f));
}

bool ParseKeys(const std::string& token, ReplayInput* input, std::string* bad)
{
    if (token == "-") return true;
    size_t start = 0;
    for (;;)
    {
        const size_t plus = token.find('+', start);
        const std::string name = token.substr(start, plus == std::string::npos ? std::string::npos
                                                                                : plus - start);
        int found = -1;
        for (int k = 0; k < REPLAY_KEY_COUNT; ++k)
            if (name == KeyNames[k].name) found = k;
        if (found < 0)
        {
            *bad = name;
            return false;
        }
        Hold(input, found);
        if (plus == std::string::npos) return true;
        start = plus + 1;
    }
}
} // namespace

const char* ReplayKeyName(ReplayKey key) { return KeyNames[key].name; }
uint32_t ReplayKeyCode(ReplayKey key) { return KeyNames[key].code; }

bool ReplayKeyOfCode(uint32_t code, ReplayKey* key)
{
    if (code == KEY_ALT) code = KEY_MENU;
    for (int k = 0; k < REPLAY_KEY_COUNT && code != 0; ++k)
        if (KeyNames[k].code == code)
        {
            *key = static_cast<ReplayKey>(k);
            return true;
        }
    return false;
}

bool NoKeyHeld(const ReplayInput& input) { return input.keys == 0 && input.moreKeys == 0; }

bool UsesPad(const ReplayInput& input)
{
    bool button = false;
    for (int k = REPLAY_PAD_A; k <= REPLAY_PAD_RT; ++k) button = button || IsHeld(input, k);
    return button || input.leftStickX != 0.0f || input.leftStickY != 0.0f ||
           input.rightStickX != 0.0f || input.rightStickY != 0.0f;
}

GamepadReading ReplayPadReading(const ReplayInput& input)
{
    GamepadReading reading = {};
    for (size_t b = 0; b < sizeof PAD_BITS / sizeof PAD_BITS[0]; ++b)
        if ((input.keys >> (REPLAY_PAD_A + b)) & 1u) reading.buttons |= PAD_BITS[b];
    if ((input.keys >> REPLAY_PAD_LT) & 1u) reading.leftTrigger = TRIGGER_PULLED;
    if ((input.keys >> REPLAY_PAD_RT) & 1u) reading.rightTrigger = TRIGGER_PULLED;
    reading.leftStickX = StickAxis(input.leftStickX);
    reading.leftStickY = StickAxis(input.leftStickY);
    reading.rightStickX = StickAxis(input.rightStickX);
    reading.rightStickY = StickAxis(input.rightStickY);
    return reading;
}

void AddPadReading(const GamepadReading& reading, uint8_t triggerThreshold, ReplayInput* input)
{
    for (size_t b = 0; b < sizeof PAD_BITS / sizeof PAD_BITS[0]; ++b)
        if (reading.buttons & PAD_BITS[b]) input->keys |= uint64_t{1} << (REPLAY_PAD_A + b);
    if (reading.leftTrigger > triggerThreshold) input->keys |= uint64_t{1} << REPLAY_PAD_LT;
    if (reading.rightTrigger > triggerThreshold) input->keys |= uint64_t{1} << REPLAY_PAD_RT;
    // Written with 9 digits, each axis reads back to the very count the pad gave.
    auto axis = [](int16_t value) { return std::max(-1.0f, value / FULL_DEFLECTION); };
    input->leftStickX = axis(reading.leftStickX);
    input->leftStickY = axis(reading.leftStickY);
    input->rightStickX = axis(reading.rightStickX);
    input->rightStickY = axis(reading.rightStickY);
}

float ScriptFrameTime(double seconds)
{
    // Clamped before it is narrowed, so that no time becomes an infinite float; NaN is 0.
    if (!(seconds > 0.0)) return 0.0f;
    return static_cast<float>(std::min(seconds, double{MAX_SCRIPT_FRAME_TIME}));
}

std::string FormatScriptLine(const ScriptLine& line)
{
    std::string keys;
    for (int k = 0; k < REPLAY_KEY_COUNT; ++k)
        if (IsHeld(line.input, k)) keys += (keys.empty() ? "" : "+") + std::string(KeyNames[k].name);
    std::ostringstream out;
    out.precision(9); // reads back to the same float
    out << line.frame << ' ' << (keys.empty() ? "-" : keys) << ' ' << line.input.mouseX << ' '
        << line.input.mouseY << ' ' << (line.input.leftButton ? 1 : 0);
    for (const NamedField& field : NAMED_FIELDS)
        if (line.input.*field.value != 0.0f) out << ' ' << field.name << '=' << line.input.*field.value;
    out << '\n';
    return out.str();
}

bool ParseScript(const std::string& text, const std::string& fileName,
                 std::vector<ScriptLine>* lines, std::string* error, std::string* cutOff,
                 ScriptHeader* header)
{
    uint32_t headerSeen = 0;
    const std::vector<std::string> rows = SplitReplayLines(text);
    // Every line a recording writes ends in a line feed; one without is where the writing stopped.
    const bool lastUnfinished = !text.empty() && text.back() != '\n';
    lines->clear();
    if (cutOff) cutOff->clear();
    for (size_t row = 0; row < rows.size(); ++row)
    {
        const std::vector<std::string> tokens = SplitReplayLine(rows[row]);
        if (tokens.empty()) continue;
        auto fail = [&](const std::string& why) {
            const std::string where = fileName + ":" + std::to_string(row + 1) + ": ";
            if (cutOff && lastUnfinished && row + 1 == rows.size())
            {
                *cutOff = where + "the last line is cut off, and left out (" + why + ")";
                return true;
            }
            *error = where + why;
            return false;
        };
        if (IsHeaderLine(tokens))
        {
            std::string why;
            if (!header) return fail("a header line ('" + tokens[0] + "') is not read here");
            if (!lines->empty()) return fail("header line '" + tokens[0] + "' after the first frame");
            if (!ParseHeaderLine(tokens, header, &headerSeen, &why)) return fail(why);
            continue;
        }
        if (tokens.size() < 5)
            return fail("expected FRAME KEYS MOUSE_X MOUSE_Y LMB [NAME=VALUE ...], found " +
                        std::to_string(tokens.size()) + " fields");

        ScriptLine line;
        int64_t frame = 0;
        if (!ParseWhole(tokens[0], 0, INT64_C(1) << 40, &frame) || tokens[0][0] == '+' ||
            tokens[0][0] == '-')
            return fail("frame '" + tokens[0] + "' is not a whole number of 0 or more");
        line.frame = static_cast<uint64_t>(frame);
        if (!lines->empty() && line.frame <= lines->back().frame)
            return fail("frame " + tokens[0] + " does not come after frame " +
                        std::to_string(lines->back().frame));
        std::string badKey;
        if (!ParseKeys(tokens[1], &line.input, &badKey))
            return fail("unknown key '" + badKey + "'");
        if (!ParseDecimal(tokens[2], &line.input.mouseX))
            return fail("MOUSE_X '" + tokens[2] + "' is not a decimal number");
        if (!ParseDecimal(tokens[3], &line.input.mouseY))
            return fail("MOUSE_Y '" + tokens[3] + "' is not a decimal number");
        if (tokens[4] != "0" && tokens[4] != "1") return fail("LMB '" + tokens[4] + "' is not 0 or 1");
        line.input.leftButton = tokens[4] == "1";
        uint32_t given = 0;
        std::string why;
        for (size_t t = 5; t < tokens.size(); ++t)
            if (!ParseNamedField(tokens[t], &line.input, &given, &why)) return fail(why);
        lines->push_back(line);
    }
    return true;
}
