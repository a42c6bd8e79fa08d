// input_timing_test.cpp: seeded random streams of presses and releases of keys, mouse buttons
// and pad buttons, timed anywhere between two frames, against a small reference of the rules:
// a press since the last frame is triggered (a tap, a release and a new press too); else held
// while down; Ctrl, Alt or Shift let go after a key went down while it was held is shown held
// once more, and whatever goes down after that waits for the next frame.
#include "scripted_machine.h"

#include <random>
#include <sstream>
#include <vector>

namespace
{
struct Button
{
    char device; // 'k'ey, 'm'ouse or 'p'ad
    uint32_t code; // key code as sent, mouse button, or pad button bit
    int pad;
    const char* name;
};
const Button BUTTONS[] = {
    {'k', 'A', 0, "A"},         {'k', 'Q', 0, "Q"},          {'k', KEY_SPACE, 0, "Space"},
    {'k', KEY_CONTROL, 0, "Ctrl"}, {'k', KEY_MENU, 0, "Alt"}, {'k', KEY_SHIFT, 0, "Shift"},
    {'m', 0, 0, "LMB"},         {'m', 1, 0, "RMB"},          {'p', PAD_A, 0, "pad0.A"},
    {'p', PAD_B, 0, "pad0.B"},  {'p', PAD_A, 1, "pad1.A"},
};
constexpr int COUNT = sizeof BUTTONS / sizeof BUTTONS[0];

bool IsModifier(const Button& b)
{
    return b.device == 'k' && (b.code == KEY_CONTROL || b.code == KEY_MENU || b.code == KEY_SHIFT);
}

struct Event
{
    int button; // into BUTTONS
    bool down;
};

// The rules over one frame's events at a time; answers each button's frame state.
class Reference
{
  public:
    std::vector<int> Frame(const std::vector<Event>& events)
    {
        std::vector<Event> all = waiting_;
        all.insert(all.end(), events.begin(), events.end());
        waiting_.clear();
        std::vector<bool> pressed(COUNT), late(COUNT), waits(COUNT);
        bool chordKeyDown = false, letGoLate = false;
        for (const Event& e : all)
        {
            const bool keyOrMouse = BUTTONS[e.button].device != 'p';
            if (waits[e.button] || (keyOrMouse && e.down && letGoLate && !down_[e.button]))
            {
                waits[e.button] = true;
                waiting_.push_back(e);
                continue;
            }
            if (e.down && !down_[e.button]) pressed[e.button] = true;
            chordKeyDown = chordKeyDown || (e.down && pressed[e.button] && keyOrMouse);
            if (!e.down && down_[e.button] && IsModifier(BUTTONS[e.button]) &&
                !pressed[e.button] && chordKeyDown)
                late[e.button] = letGoLate = true;
            down_[e.button] = e.down;
        }
        std::vector<int> shown(COUNT);
        for (int i = 0; i < COUNT; ++i) shown[i] = pressed[i] ? 2 : (down_[i] || late[i]) ? 1 : 0;
        return shown;
    }

  private:
    std::vector<bool> down_ = std::vector<bool>(COUNT);
    std::vector<Event> waiting_;
};

void Send(const Event& e)
{
    const Button& b = BUTTONS[e.button];
    if (b.device == 'k') e.down ? ScriptedKeyDown(b.code) : ScriptedKeyUp(b.code);
    if (b.device == 'm') ScriptedMouseButton(static_cast<int>(b.code), e.down);
    if (b.device == 'p') ScriptedPadButton(b.pad, static_cast<uint16_t>(b.code), e.down);
}

int Shown(const Button& b)
{
    if (b.device == 'k') return KeyState[b.code == KEY_MENU ? KEY_ALT : b.code];
    if (b.device == 'm') return MouseButtonState[b.code];
    const GamepadState& g = Gamepads[b.pad];
    const bool down = g.pad.buttons & b.code, pressed = g.buttonsPressed & b.code;
    return pressed ? (down ? 2 : -1) : (down ? 1 : 0);
}
} // namespace

using InputTimingTest = ScriptedMachineTest;

TEST_F(InputTimingTest, RandomStreamsOfPressesAgreeWithTheRules)
{
    std::mt19937 random(20240521);
    const GamepadReading resting = {};
    for (int stream = 0; stream < 3000; ++stream)
    {
        for (int pad : {0, 1}) ScriptedSetGamepad(pad, nullptr), ScriptedSetGamepad(pad, &resting);
        InitInput();
        Reference reference;
        std::vector<bool> held(COUNT);
        std::ostringstream log;
        for (int frame = 0; frame < 24; ++frame)
        {
            std::vector<Event> events(random() % 6);
            log << "| ";
            for (Event& e : events)
            {
                e.button = static_cast<int>(random() % COUNT);
                // Mostly a change; now and then a repeat, or a release of what is up.
                e.down = random() % 4 == 0 ? held[e.button] : !held[e.button];
                held[e.button] = e.down;
                log << BUTTONS[e.button].name << (e.down ? "v " : "^ ");
                Send(e);
            }
            InputFrame();
            const std::vector<int> want = reference.Frame(events);
            for (int i = 0; i < COUNT; ++i)
                ASSERT_EQ(Shown(BUTTONS[i]), want[i]) << BUTTONS[i].name << " on frame " << frame
                                                      << " of stream " << stream << ": " << log.str();
        }
    }
}
