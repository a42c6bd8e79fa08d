// input_timing_test.cpp: seeded random streams of presses and releases of keys, mouse buttons
// and pad buttons, timed anywhere between two frames, against a small reference of the rules:
// a press since the last frame is triggered (a tap, a release and a new press too); else held
// while down; Ctrl, Alt or Shift let go after a key went down while it was held is shown held
// once more, and whatever goes down after that waits for the next frame.
#include "scripted_machine.h"

#include <map>
#include <random>
#include <sstream>
#include <vector>

namespace
{
enum Device
{
    KEYBOARD,
    MOUSE,
    PAD
};

struct Button
{
    Device device;
    uint32_t code; // key code as sent, mouse button, or pad button bit
    int pad;
    const char* name;
};

const Button BUTTONS[] = {
    {KEYBOARD, 'A', 0, "A"},          {KEYBOARD, 'Q', 0, "Q"},
    {KEYBOARD, KEY_SPACE, 0, "Space"}, {KEYBOARD, KEY_CONTROL, 0, "Ctrl"},
    {KEYBOARD, KEY_MENU, 0, "Alt"},    {KEYBOARD, KEY_SHIFT, 0, "Shift"},
    {MOUSE, 0, 0, "LMB"},              {MOUSE, 1, 0, "RMB"},
    {PAD, PAD_A, 0, "pad0.A"},         {PAD, PAD_B, 0, "pad0.B"},
    {PAD, PAD_A, 1, "pad1.A"},
};
constexpr int BUTTON_COUNT = sizeof BUTTONS / sizeof BUTTONS[0];

struct Event
{
    int button; // into BUTTONS
    bool down;
};

bool IsModifier(const Button& b)
{
    return b.device == KEYBOARD &&
           (b.code == KEY_CONTROL || b.code == KEY_MENU || b.code == KEY_SHIFT);
}

// The rules over one frame's events at a time.
class Reference
{
  public:
    // The frame state (0 up, 1 held, 2 triggered) of every button after these events.
    std::vector<int> Frame(const std::vector<Event>& events)
    {
        std::vector<Event> all = waiting_;
        all.insert(all.end(), events.begin(), events.end());
        waiting_.clear();
        std::map<int, bool> pressed, late, waits;
        bool chordKeyDown = false, letGoLate = false;
        for (const Event& e : all)
        {
            const Button& b = BUTTONS[e.button];
            const bool keyOrMouse = b.device != PAD;
            if (waits[e.button] || (keyOrMouse && e.down && letGoLate && !down_[e.button]))
            {
                waits[e.button] = true;
                waiting_.push_back(e);
                continue;
            }
            if (e.down && !down_[e.button])
            {
                pressed[e.button] = true;
                chordKeyDown = chordKeyDown || keyOrMouse;
            }
            if (!e.down && down_[e.button] && IsModifier(b) && !pressed[e.button] && chordKeyDown)
                late[e.button] = letGoLate = true;
            down_[e.button] = e.down;
        }
        std::vector<int> shown(BUTTON_COUNT);
        for (int i = 0; i < BUTTON_COUNT; ++i)
            shown[i] = pressed[i] ? 2 : (down_[i] || late[i]) ? 1 : 0;
        return shown;
    }

  private:
    std::map<int, bool> down_;
    std::vector<Event> waiting_;
};

void Send(const Event& e)
{
    const Button& b = BUTTONS[e.button];
    if (b.device == KEYBOARD)
        e.down ? ScriptedKeyDown(b.code) : ScriptedKeyUp(b.code);
    else if (b.device == MOUSE)
        ScriptedMouseButton(static_cast<int>(b.code), e.down);
    else
        ScriptedPadButton(b.pad, static_cast<uint16_t>(b.code), e.down);
}

int Shown(const Button& b)
{
    if (b.device == KEYBOARD) return KeyState[b.code == KEY_MENU ? KEY_ALT : b.code];
    if (b.device == MOUSE) return MouseButtonState[b.code];
    const GamepadState& g = Gamepads[b.pad];
    if (g.buttonsPressed & b.code) return (g.pad.buttons & b.code) ? 2 : -1;
    return (g.pad.buttons & b.code) ? 1 : 0;
}
} // namespace

using InputTimingTest = ScriptedMachineTest;

TEST_F(InputTimingTest, RandomStreamsOfPressesAgreeWithTheRules)
{
    constexpr int STREAMS = 3000, FRAMES = 24, MOST_EVENTS = 5;
    std::mt19937 random(20240521);
    const GamepadReading resting = {};
    for (int stream = 0; stream < STREAMS; ++stream)
    {
        for (int pad : {0, 1})
        {
            ScriptedSetGamepad(pad, nullptr);
            ScriptedSetGamepad(pad, &resting);
        }
        InitInput();
        Reference reference;
        std::vector<bool> held(BUTTON_COUNT);
        std::ostringstream log;
        for (int frame = 0; frame < FRAMES; ++frame)
        {
            std::vector<Event> events(random() % (MOST_EVENTS + 1));
            log << "| ";
            for (Event& e : events)
            {
                e.button = static_cast<int>(random() % BUTTON_COUNT);
                // Mostly a change; now and then a repeat, or a release of what is up.
                e.down = random() % 4 == 0 ? held[e.button] : !held[e.button];
                held[e.button] = e.down;
                log << BUTTONS[e.button].name << (e.down ? "v " : "^ ");
                Send(e);
            }
            InputFrame();
            const std::vector<int> want = reference.Frame(events);
            for (int i = 0; i < BUTTON_COUNT; ++i)
                ASSERT_EQ(Shown(BUTTONS[i]), want[i])
                    << BUTTONS[i].name << " on frame " << frame << " of stream " << stream
                    << ", after " << log.str();
        }
    }
}
