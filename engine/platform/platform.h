// platform.h: the narrow interface between Vantara and the operating system.
//
// Everything the engine needs from the machine goes through these functions: the window and
// its messages, the clock, the cursor, focus and minimised state, message boxes, the OpenGL
// context, game controllers and the single-instance lock. Three back ends implement them:
//   platform_sdl.cpp       SDL2, what a player runs on the desktop;
//   platform_web.cpp       a web browser, the page's canvas (Emscripten);
//   platform_scripted.cpp  no window system at all: a virtual clock, scripted messages and a
//                          virtual window, so that game logic runs headless and exactly
//                          repeatably in tests (see platform_scripted.h for its controls).
// The back end is chosen at link time. Nothing outside engine/platform/ includes SDL.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "key_codes.h"

// One message from the window, as the window procedure sees it.
enum WindowMessageType
{
    WINDOW_MESSAGE_KEY_DOWN,
    WINDOW_MESSAGE_KEY_UP,
    WINDOW_MESSAGE_MOUSE_DOWN,
    WINDOW_MESSAGE_MOUSE_UP,
    WINDOW_MESSAGE_MOUSE_WHEEL,
    WINDOW_MESSAGE_DESTROY, // the window was closed: close box, the desktop's Alt+F4, a signal
    WINDOW_MESSAGE_PAD_BUTTON_DOWN, // a game controller's button, however briefly pressed
    WINDOW_MESSAGE_PAD_BUTTON_UP,
};

struct WindowMessage
{
    WindowMessageType type;
    uint32_t key; // virtual-key code for key messages, may be 256 or more for unknown keys;
                  // the GamepadButton bit for pad button messages
    int button;   // 0 left, 1 right, 2 middle for mouse messages; the pad (0..3) for pad ones
    float wheel;  // notches (one notch is 120 raw units), positive away from the user
};

using WindowProcedure = void (*)(const WindowMessage& message);

// The button bits of a GamepadReading, as XInput numbers them.
enum GamepadButton : uint16_t
{
    PAD_DPAD_UP = 0x0001,
    PAD_DPAD_DOWN = 0x0002,
    PAD_DPAD_LEFT = 0x0004,
    PAD_DPAD_RIGHT = 0x0008,
    PAD_START = 0x0010,
    PAD_BACK = 0x0020,
    PAD_LEFT_THUMB = 0x0040,
    PAD_RIGHT_THUMB = 0x0080,
    PAD_LEFT_SHOULDER = 0x0100,
    PAD_RIGHT_SHOULDER = 0x0200,
    PAD_A = 0x1000,
    PAD_B = 0x2000,
    PAD_X = 0x4000,
    PAD_Y = 0x8000,
};

// One game controller read in the layout of an XInput gamepad.
struct GamepadReading
{
    uint16_t buttons; // GamepadButton bits
    uint8_t leftTrigger;
    uint8_t rightTrigger;
    int16_t leftStickX, leftStickY; // y up, -32768..32767
    int16_t rightStickX, rightStickY;
};

// Message box styles the game uses; the text is what matters, the style picks the icon.
enum MessageBoxStyle
{
    MESSAGE_BOX_INFORMATION,
    MESSAGE_BOX_WARNING,
    MESSAGE_BOX_ERROR,
};

// Lifetime. PlatformInit prepares the back end; false means there is no usable display.
bool PlatformInit();
void PlatformShutdown();

// Single instance. Takes the program-wide lock named `name`; false when another running copy
// holds it. The lock dies with the process, so a crash never blocks the next start.
bool PlatformAcquireInstanceLock(const char* name);
void PlatformReleaseInstanceLock();

// High-resolution clock, as integer counts and counts per second.
int64_t PlatformPerformanceCounter();
int64_t PlatformPerformanceFrequency();
// Gives the processor away for about `seconds` (the system may wake the caller a little
// later). The scripted back end moves its virtual clock on instead of waiting.
void PlatformSleep(double seconds);
// Processor time the calling thread has used, in seconds (0 where the system cannot say).
double PlatformThreadCpuSeconds();
// Makes the calling thread yield to the others when the processor is contended: background
// work that must not steal time from the frame loop.
void PlatformLowerThreadPriority();

// The one game window. Creation gives a client area of the asked size at the asked screen
// position; messages reach `procedure` from inside PlatformPumpMessages.
bool PlatformCreateWindow(const char* title, int left, int top, uint32_t clientWidth,
                          uint32_t clientHeight, WindowProcedure procedure);
void PlatformDestroyWindow();
void PlatformPumpMessages();
void PlatformGetClientSize(uint32_t* width, uint32_t* height);
void PlatformSetClientSize(uint32_t width, uint32_t height);
void PlatformGetWindowPosition(int* left, int* top);
void PlatformSetWindowPosition(int left, int top);
void PlatformSetBorderlessFullscreen(bool on);
void PlatformGetScreenSize(uint32_t* width, uint32_t* height);
bool PlatformWindowHasFocus();
// Whether the window is minimised, as the last PlatformPumpMessages found it: what the window
// manager did, not what was asked of it.
bool PlatformWindowIsMinimised();
// Asks for the window to be minimised; a window manager may ignore it (a bare X server, i3 and
// sway always do).
void PlatformMinimiseWindow();
// Pixels are RGBA, top row first.
void PlatformSetWindowIcon(const uint8_t* pixels, int width, int height);
// Cursor position in client pixels from the top-left corner; may lie outside the client area.
void PlatformGetCursorPosition(float* x, float* y);

// A message for a person. Never blocks a headless run: with no display it goes to stderr.
void PlatformShowMessageBox(const char* caption, const char* text, MessageBoxStyle style);
// Routes every later message box to `handler` instead of the screen (null restores the
// screen). Tests use it to read what a person would have been told.
using MessageBoxHandler = void (*)(const char* caption, const char* text, MessageBoxStyle style);
void PlatformSetMessageBoxHandler(MessageBoxHandler handler);
// A line for the developer (the debugger output on Windows): standard error here.
void PlatformDebugOutput(const char* text);

// OpenGL 3.3 core, forward-compatible, double-buffered, on the game window.
bool PlatformCreateGLContext();
void PlatformDestroyGLContext();
void PlatformSwapBuffers();

// Game controllers 0..3, the first four plugged in; a further one takes the slot of the
// next one unplugged. False when that slot holds no pad. The reading has the sticks and the
// triggers; the buttons come as pad button messages, so that a press shorter than a frame
// is seen, and its button bits are 0.
bool PlatformReadGamepad(int index, GamepadReading* reading);
void PlatformSetGamepadVibration(int index, uint16_t left, uint16_t right);

// Opens a game file. The game's paths use '\' and '/' alike; this turns them into what the
// platform expects. Same contract as fopen.
FILE* PlatformOpenFile(const char* path, const char* mode);
// The size of an open regular file, as a hint for reading it in one go (it may still change
// while it is read); 0 for anything else, a folder for one.
size_t PlatformFileSizeHint(FILE* file);
// Makes an open stream write its bytes as they are: no line-end translation (Windows turns
// "\n" into "\r\n" on text streams, standard output included). Nothing to do elsewhere.
void PlatformSetBinaryStream(FILE* file);
// The game reads its files from data/ beside the executable (a build tree), else from data/ in
// installedFolder, a path relative to the executable's folder (null: none), else under the
// working directory. Makes the folder that holds data/ the working directory; false if none.
bool PlatformEnterDataFolder(const char* installedFolder);

// The folder this program was started from; empty where the system cannot say.
std::string PlatformProgramFolder();
// The program's arguments in UTF-8, for main to read instead of its own (program_arguments.cpp):
// the same on Linux; on Windows, whose C runtime gives them in the ANSI code page, read again
// from the wide command line, with *argc set to their number. Kept for the program's life.
char** PlatformProgramArguments(int* argc, char** argv);
// The names of the regular files in `folder` (not of its folders), in no particular order;
// none when it cannot be read (folder_listing.cpp).
std::vector<std::string> PlatformListFolder(const std::string& folder);
// Runs the program `name` that lies beside this one (a tool installed with the game; NAME.exe
// on Windows) with `arguments`, gives it `input` on its standard input and waits for its end
// (sibling_program.cpp, sibling_program_windows.cpp). True with its exit code when it ran to
// its end, and in `output` what it wrote on standard output and standard error (at most
// 64 KiB); false, with the reason in `output`, when it cannot be started or was killed by a
// signal (Windows has none: a program ended by another one gives the code it was given).
bool PlatformRunSiblingProgram(const char* name, const std::vector<std::string>& arguments,
                               const std::string& input, int* exitCode, std::string* output);

// Files kept between runs (kept_files.cpp): the contract every back end keeps. The game
// decides what the files hold and when one is damaged; these only move whole files about.
//
// The folder for one kind of them: settings under $XDG_CONFIG_HOME/vantara, progress under
// $XDG_DATA_HOME/vantara (~/.config and ~/.local/share when the variable is unset or not an
// absolute path). Empty without HOME.
enum KeptFolder
{
    KEPT_SETTINGS,
    KEPT_PROGRESS,
};
std::string PlatformKeptFolder(KeptFolder folder);
// The file a kept path stands for: through symbolic links (a dotfile manager's) the file they
// point to, where it is read, written and set aside; `path` itself when it is no link.
std::string PlatformKeptFileTarget(const std::string& path);
// Reads a whole file of at most `limit` bytes. KEPT_READ with the text, KEPT_MISSING when no
// such file exists, KEPT_UNREADABLE (with the reason) otherwise, a larger file included.
enum KeptReadResult
{
    KEPT_READ,
    KEPT_MISSING,
    KEPT_UNREADABLE,
};
KeptReadResult PlatformReadKeptFile(const std::string& path, size_t limit, std::string* text,
                                    std::string* reason);
// Makes the folder if needed, writes `text` to a new temporary file beside the file (created
// exclusively, under a name no other writer uses, never through a file or link already
// there), flushes it to the disk, renames it over the file and flushes the folder: a crash or
// a power cut leaves the old file or the new one, never half a file, and once this returned
// true never the old one. Through a link it replaces the file the link points to and leaves
// the link; the new file keeps the old one's permissions. While this process holds the kept
// files' lock it also removes the temporary files of writers that died. False, with the
// reason, when any step fails.
bool PlatformWriteKeptFile(const std::string& path, const std::string& text, std::string* reason);
// Renames a file within its folder, never over a file already there, and flushes the folder.
enum KeptMoveResult
{
    KEPT_MOVED,
    KEPT_NAME_TAKEN,      // a file (or link, or folder) has the name `to`
    KEPT_NOTHING_TO_MOVE, // there is no file `from`
    KEPT_MOVE_FAILED,     // with the reason
};
KeptMoveResult PlatformMoveKeptFile(const std::string& from, const std::string& to,
                                    std::string* reason);
// Deletes a file; one already gone is no failure.
bool PlatformRemoveKeptFile(const std::string& path, std::string* reason);
// Copies of the game that run at once (other sessions, su, ssh, a shared home) take turns with
// the kept files: each holds this lock, on the file "saves.lock" in the progress folder, from
// reading a kept file back until its new text is in place. Waits while another copy holds it
// (for the milliseconds of its write). The system drops it when the process ends, however it
// ends. False when there is no place for it (the caller writes on without it). Not nested.
bool PlatformLockKeptFiles();
void PlatformUnlockKeptFiles();
