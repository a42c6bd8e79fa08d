// main_web.cpp: the program's entry point in a web browser.
//
// The browser owns the loop: the game starts, then each of the page's animation frames runs
// one frame of it (no frame is run twice as fast on a faster display). When the game quits
// (Quit, Ctrl+Q), it shuts down and the page says so and offers to start again, through the
// page's own Module.onGameEnded. The page may also gate the frames (VantaraGateFrames, its
// frame-by-frame mode for tests): then an animation frame runs a game frame only when the
// page has allowed one more (VantaraAllowFrame), each with the steady 1/60 s the replay runner
// uses, so a test sends a frame's key and pointer events through the browser's own event path
// and then lets exactly that frame take them. The page may ask which state is up and how many
// frames have run.
#include "engine/system/frame_controller.h"
#include "engine/system/game_state_manager.h"
#include "game/startup/vantara_main.h"

#include <emscripten/emscripten.h>

namespace
{
bool Ended = false;
int FramesRun = 0;
bool Gated = false;
int FramesAllowed = 0;

void EndPage(int code)
{
    Ended = true;
    EM_ASM(
        {
            if (Module["onGameEnded"]) Module["onGameEnded"]($0);
        },
        code);
}

void GameFrame()
{
    if (Ended) return;
    ++FramesRun;
    if (VantaraStep()) return;
    emscripten_cancel_main_loop();
    EndPage(VantaraFinish());
}

void AnimationFrame()
{
    if (!Gated)
    {
        if (HostFrameDue()) GameFrame();
        return;
    }
    if (FramesAllowed == 0) return;
    --FramesAllowed;
    GameFrame();
}
} // namespace

extern "C" EMSCRIPTEN_KEEPALIVE void VantaraGateFrames()
{
    Gated = true;
    UseVirtualFrameTime(true);
}

extern "C" EMSCRIPTEN_KEEPALIVE void VantaraAllowFrame()
{
    ++FramesAllowed;
}

extern "C" EMSCRIPTEN_KEEPALIVE int VantaraCurrentState()
{
    return CurrentStateId;
}

extern "C" EMSCRIPTEN_KEEPALIVE int VantaraFramesRun()
{
    return FramesRun;
}

int main()
{
    const int started = VantaraStart(LaunchOptions());
    if (started != EXIT_RUNNING)
    {
        EndPage(started);
        return started;
    }
    UseHostPacing(true);
    emscripten_set_main_loop(AnimationFrame, 0, false);
    return EXIT_OK;
}
