// session_recording.cpp: the live input written as script lines, and script lines fed back.
#include "game/recording/session_recording.h"

#include "engine/input/input_state.h"
#include "engine/system/frame_controller.h"
#include "engine/system/window.h"
#include "game/recording/frame_event.h"
#include "game/recording/replay_script.h"
#include "game/recording/replay_text.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace
{
constexpr double FLUSH_INTERVAL = 0.5; // seconds; at least once a second
constexpr int RIGHT_BUTTON = 1;
constexpr int MIDDLE_BUTTON = 2;

FILE* Recording = nullptr;
std::string RecordingPath;
double LastFlush = 0.0;
GameStateId RecordedState = GS_QUIT; // the state of the last frame written

FrameWatch Watch;              // the player before the frame, to tell what the frame did
float WatchedFrameTime = 0.0f; // the frame time the frame runs with, as its line carries it

std::vector<ScriptLine> Playback;
ScriptHeader PlaybackHeader;
size_t NextPlaybackLine = 0;
ReplayInput PlaybackHeld;
bool PlaybackStopped = false;
bool PlaybackUsesPad = false;

// The key's slot in KeyState: both Alt keys are kept as KEY_ALT.
uint32_t KeySlot(ReplayKey key)
{
    const uint32_t code = ReplayKeyCode(key);
    return code == KEY_MENU ? KEY_ALT : code;
}

void FailRecording(const char* what)
{
    std::fprintf(stderr, "Vantara: cannot %s the recording %s; playing on without it\n", what,
                 RecordingPath.c_str());
    std::fclose(Recording);
    Recording = nullptr;
}
} // namespace

ReplayInput LiveReplayInput()
{
    ReplayInput input;
    for (int k = 0; k < REPLAY_KEY_COUNT; ++k)
    {
        const ReplayKey key = static_cast<ReplayKey>(k);
        bool held = false;
        switch (key)
        {
        case REPLAY_RMB: held = IsMouseButtonDown(RIGHT_BUTTON); break;
        case REPLAY_MMB: held = IsMouseButtonDown(MIDDLE_BUTTON); break;
        case REPLAY_MIN: held = PlatformWindowIsMinimised(); break;
        case REPLAY_UNFOCUS: held = WindowUnfocused; break;
        // The window procedure clears it at a close message: from then on the game quits.
        case REPLAY_CLOSE: held = !IsRunning; break;
        default: held = IsKeyDown(KeySlot(key)); break;
        }
        if (held) Hold(&input, k);
    }
    input.mouseX = MousePosition.x;
    input.mouseY = MousePosition.y;
    input.leftButton = IsMouseButtonDown(0);
    // The pad that drives, as the runner's first pad.
    // Its triggers as they fire, pulled all the way or not at all, as the runner plays them.
    if (const GamepadState* pad = ActivePad())
    {
        GamepadReading fired = pad->pad;
        fired.leftTrigger = pad->leftTriggerFired ? 255 : 0;
        fired.rightTrigger = pad->rightTriggerFired ? 255 : 0;
        AddPadReading(fired, TriggerThreshold, &input);
    }
    return input;
}

bool StartRecording(const char* path)
{
    RecordingPath = path;
    Recording = std::fopen(path, "w");
    if (!Recording)
    {
        std::fprintf(stderr, "Vantara: cannot write the recording %s\n", path);
        return false;
    }
    std::fprintf(Recording, "# A session of Vantara, recorded for vantara-replay.\n%s",
                 FormatScriptHeader(CurrentScriptHeader()).c_str());
    LastFlush = GetPreciseTime();
    RecordedState = GS_QUIT;
    return true;
}

void WatchFrame()
{
    Watch = WatchPlayerBeforeFrame();
    WatchedFrameTime = ScriptFrameTime(FrameTime);
    FrameTime = WatchedFrameTime;
}

void RecordFrame(uint64_t frame)
{
    if (!Recording) return;
    ScriptLine line = {frame, LiveReplayInput()};
    line.input.frameTime = WatchedFrameTime;
    std::string text = FormatScriptLine(line);
    // What the frame did, as comments the runner skips: its state when that changed, and the
    // runner's event. A reader sees the session; a test compares it with the replay.
    std::string notes;
    if (CurrentStateId != RecordedState) notes += " state " + std::to_string(CurrentStateId);
    RecordedState = CurrentStateId;
    if (const char* event = FrameEventName(FrameEventAfter(Watch))) notes += std::string(" ") + event;
    if (!notes.empty()) text.insert(text.size() - 1, "  #" + notes);
    if (std::fputs(text.c_str(), Recording) < 0) return FailRecording("write");
    const double now = GetPreciseTime();
    if (now - LastFlush < FLUSH_INTERVAL) return;
    LastFlush = now;
    if (std::fflush(Recording) != 0) FailRecording("write");
}

void StopRecording()
{
    if (Recording && std::fclose(Recording) != 0)
        std::fprintf(stderr, "Vantara: cannot finish the recording %s\n", RecordingPath.c_str());
    Recording = nullptr;
}

namespace
{
// While a recording plays, the player's keys and buttons do not reach the game; any key
// pressed stops the playback, and is spent on that.
bool DuringPlayback(const WindowMessage& message)
{
    if (PlaybackStopped) return false;
    switch (message.type)
    {
    case WINDOW_MESSAGE_KEY_DOWN: PlaybackStopped = true; return true;
    case WINDOW_MESSAGE_KEY_UP:
    case WINDOW_MESSAGE_MOUSE_DOWN:
    case WINDOW_MESSAGE_MOUSE_UP:
    case WINDOW_MESSAGE_MOUSE_WHEEL:
    case WINDOW_MESSAGE_PAD_BUTTON_DOWN: // the pads are set aside until the playback ends
    case WINDOW_MESSAGE_PAD_BUTTON_UP: return true;
    case WINDOW_MESSAGE_DESTROY: return false;
    }
    return false;
}

// The keys and buttons the recording held, as the window procedure would have recorded them.
void FeedInput(const ReplayInput& was, const ReplayInput& now)
{
    for (int k = 0; k < REPLAY_KEY_COUNT; ++k)
    {
        const ReplayKey key = static_cast<ReplayKey>(k);
        const bool before = IsHeld(was, k), after = IsHeld(now, k);
        if (before == after || key == REPLAY_MIN || key == REPLAY_UNFOCUS) continue;
        if (key == REPLAY_CLOSE)
        {
            // A recorded close ends the session on the same frame, as it does in the runner.
            if (after) WindowProc({WINDOW_MESSAGE_DESTROY, 0, 0, 0});
        }
        else if (key == REPLAY_RMB)
            RecordMouseButton(RIGHT_BUTTON, after);
        else if (key == REPLAY_MMB)
            RecordMouseButton(MIDDLE_BUTTON, after);
        else if (after)
            RecordKeyDown(ReplayKeyCode(key));
        else
            RecordKeyUp(ReplayKeyCode(key));
    }
    if (was.leftButton != now.leftButton) RecordMouseButton(0, now.leftButton);
}

std::string ReadWhole(const char* path, bool* ok)
{
    std::string text;
    FILE* file = std::fopen(path, "rb");
    *ok = file != nullptr;
    if (!file) return text;
    char buffer[65536];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) text.append(buffer, got);
    *ok = !std::ferror(file);
    std::fclose(file);
    return text;
}
} // namespace

bool StartPlayback(const char* path)
{
    bool read = false;
    const std::string text = ReadWhole(path, &read);
    std::string error, cutOff;
    if (!read)
        error = std::string(path) + ":0: cannot be read";
    PlaybackHeader = ScriptHeader();
    if (read && !ParseScript(text, path, &Playback, &error, &cutOff, &PlaybackHeader))
        Playback.clear();
    if (!error.empty())
    {
        std::fprintf(stderr, "Vantara: %s\n", error.c_str());
        return false;
    }
    if (!cutOff.empty()) std::fprintf(stderr, "Vantara: %s\n", cutOff.c_str());
    NextPlaybackLine = 0;
    PlaybackHeld = ReplayInput();
    PlaybackStopped = false;
    SetMessageFilter(DuringPlayback);
    // As in the runner: a recording that used the pad anywhere plays with one plugged in
    // from the start, and the pads really there are set aside.
    PlaybackUsesPad = std::any_of(Playback.begin(), Playback.end(),
                                  [](const ScriptLine& line) { return UsesPad(line.input); });
    const GamepadReading resting = {};
    SetPadOverride(true, PlaybackUsesPad ? &resting : nullptr);
    return true;
}

bool PlaybackFrame(uint64_t frame)
{
    if (PlaybackStopped || Playback.empty() || frame > Playback.back().frame)
    {
        // The player takes over with nothing held.
        FeedInput(PlaybackHeld, ReplayInput());
        PlaybackHeld = ReplayInput();
        SetCursorOverride(false, 0.0f, 0.0f);
        SetPadOverride(false, nullptr);
        SetMessageFilter(nullptr);
        Playback.clear();
        return false;
    }
    // The recording plays with the controls it was recorded with, from its first frame.
    if (frame == 0) ApplyScriptHeader(PlaybackHeader);
    ReplayInput wanted = PlaybackHeld;
    while (NextPlaybackLine < Playback.size() && Playback[NextPlaybackLine].frame <= frame)
        wanted = Playback[NextPlaybackLine++].input;
    FeedInput(PlaybackHeld, wanted);
    PlaybackHeld = wanted;
    SetCursorOverride(true, wanted.mouseX, wanted.mouseY);
    if (PlaybackUsesPad)
    {
        const GamepadReading pad = ReplayPadReading(wanted);
        SetPadOverride(true, &pad);
    }
    FrameTime = wanted.frameTime > 0.0f ? wanted.frameTime : MinFrameTime;
    return true;
}
