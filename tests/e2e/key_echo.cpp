// key_echo.cpp: a window of the game's SDL back end that prints the engine number of every key
// pressed in it, one a line, so that a test can press physical keys under any keyboard layout.
// Runs until its window is closed or it is killed.
#include "engine/platform/platform.h"

#include <chrono>
#include <cstdio>
#include <thread>

namespace
{
bool Open = true;

void Echo(const WindowMessage& message)
{
    if (message.type == WINDOW_MESSAGE_KEY_DOWN)
    {
        std::printf("%u\n", message.key);
        std::fflush(stdout);
    }
    if (message.type == WINDOW_MESSAGE_DESTROY) Open = false;
}
} // namespace

int main()
{
    if (!PlatformInit()) return 1;
    if (!PlatformCreateWindow("Key echo", 0, 0, 320, 180, Echo))
    {
        PlatformShutdown();
        return 1;
    }
    while (Open)
    {
        PlatformPumpMessages();
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    PlatformDestroyWindow();
    PlatformShutdown();
    return 0;
}
