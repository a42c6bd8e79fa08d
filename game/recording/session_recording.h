// session_recording.h: a session written as a replay script while it is played, and a
// recording played back in the window.
//
// A recording is a script of vantara-replay (replay_script.h beside it): one line per
// frame with the keys, the pointer and the left button the frame ran with, and its measured
// frame time as dt=, so that the runner plays the same deaths, restarts and exits. It is
// flushed at least once a second, so a crash loses at most the last second.
#pragma once

#include "game/recording/replay_script.h"

#include <cstdint>

// Opens `path` for writing, emptying a file already there: the game calls it once its window
// is open, so that a start that fails leaves the file as it was. False, after one line on
// stderr, when it cannot be made.
bool StartRecording(const char* path);
// Before each frame: notes the player, to tell afterwards what the frame did, and sets
// FrameTime to the frame time the frame's line will carry (ScriptFrameTime), so that the
// runner runs the very same frame.
void WatchFrame();
// After each frame: the input frame `frame` ran with and its frame time; and, as a comment,
// the state when it changed and the frame's event as the runner names it ("complete",
// "died", "restart", "quit"). A window closed (its close box, the window manager, a signal)
// is written as CLOSE, which the runner turns into the same close.
void RecordFrame(uint64_t frame);
void StopRecording();

// The input of the frame that has just been read (keys, pointer, buttons, the driving pad), as
// a script line holds it; a level's proof is recorded from it.
ReplayInput LiveReplayInput();

// Reads and checks the whole recording. False, after one line on stderr, when it cannot be
// read or a line is wrong; a last line cut off while it was written is left out, with one
// line on stderr.
bool StartPlayback(const char* path);
// Before each frame: feeds frame `frame` its recorded input and frame time. False once the
// recording is over or a key of the player has stopped it; the player then has the game.
bool PlaybackFrame(uint64_t frame);
