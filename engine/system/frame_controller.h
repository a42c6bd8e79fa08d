// frame_controller.h: frame timing.
//
// Every frame lasts at least MinFrameTime: after the buffer swap the loop waits until 1/60 s
// has passed since the frame began, asleep for most of the wait and spinning only for its last
// stretch, where a sleep could wake too late. FrameTime is the measured length of the last
// frame (the game's dt for animation and timers); it is never below 1/60 and never capped.
//
// A game that runs slower (GameSpeed below 1) waits MinFrameTime / GameSpeed of real time per
// frame instead, and FrameTime is game time: the real length times GameSpeed. The frames are
// the same, only further apart.
#pragma once

#include <cstdint>

extern double FrameStartTime; // seconds, GetPreciseTime at the start of the current frame
extern double MinFrameTime;   // 1/60
extern double FrameTime;      // seconds of game time, the last completed frame
extern double FrameRealTime;  // seconds of real time, the same frame
extern double GameSpeed;      // the share of real time the game runs at; 1 at start
extern double FrameRate;      // 1 / FrameRealTime
extern uint32_t FrameCount;   // frames completed since start-up
// The limiter's last wait, from the end of the frame's work to the end of the frame, and the
// part of it spent asleep (seconds).
extern double FrameWaitTime;
extern double FrameSleepTime;

// The limiter sleeps until SpinMargin before the frame's end and spins from there. The margin
// follows how late the system has lately woken the sleeper: one and a half times the worst
// lateness of the last few dozen frames, kept between the two bounds. A late wake widens it
// at once, and punctual wakes narrow it again within a second: a rare late wake costs one
// frame a fraction of a millisecond, a margin kept wide for it would cost every frame's spin.
constexpr double MinSpinMargin = 0.00025;
constexpr double MaxSpinMargin = 0.002;
extern double SpinMargin; // seconds; 1.5 ms at start-up

// Seconds since an arbitrary origin, from the platform's high-resolution counter.
double GetPreciseTime();

// Start-up values: FrameTime 1/60, FrameRate 60, FrameCount 0, GameSpeed 1.
void InitFrameController();
// First step of every frame.
void StartFrameTimer();
// After the buffer swap: sleeps, then spins, until MinFrameTime has passed; then publishes the
// frame's time.
void LimitFrameRate();
// Virtual time, for the replay runner: every frame lasts exactly MinFrameTime and nobody
// waits, so a recorded run plays back the same at any speed.
void UseVirtualFrameTime(bool on);

// Frames called by a host at the display's pace (a web browser's animation frames): nobody
// waits, and a frame's time is the span from the previous frame's start to this one's, at
// least MinFrameTime and at most MaxHostFrameTime (a hidden page runs no frames at all; its
// return is not a long frame). HostFrameDue says whether a frame is due at the host's call:
// on a display faster than 60 Hz some calls pass, so the game still runs 60 frames a second.
constexpr double MaxHostFrameTime = 0.1;
void UseHostPacing(bool on);
bool HostFrameDue();
