// frame_stats.h: what the frame loop costs, gathered for `vantara --frame-stats`.
//
// Off unless EnableFrameStats is called: then the loop records, for every frame, how far its
// length strayed from 1/60 s, how much of the limiter's wait was slept, and the main thread's
// processor time in three parts (update, draw submission, swap); and the program marks the
// moments of its start-up. A frame's length runs from the end of the frame before to its own
// end, so that the loop's work between frames (kept files, recordings) counts; state
// switches are timed apart. PrintFrameStats writes the summary.
#pragma once

#include <cstdint>
#include <cstdio>

enum StartupMark
{
    MARK_PROGRAM_START, // main entered
    MARK_WINDOW,        // the game window exists
    MARK_GL_READY,      // OpenGL context, entry points and shader programs ready
    MARK_FIRST_FRAME,   // the first frame's buffers swapped: the first splash frame is shown
    MARK_COUNT
};

void EnableFrameStats();
bool FrameStatsEnabled();
// Notes the time of `mark` (GetPreciseTime), the first time only.
void MarkStartup(StartupMark mark);

// Processor seconds of one frame's parts, from the loop, and the limiter's published values.
// A frame that was `loading` (a state's first, drawing what its Load brought, or one that
// loaded pictures) is late for its loads rather than for pacing: its error is kept apart from
// the steady frames'.
void RecordFrameStats(double updateCpu, double drawCpu, double swapCpu, bool loading);
// A state switch between frames (the old state's Free and Unload, the new one's Load and
// Init, or a restart's Free and Init) took `seconds`: kept out of the frames' lengths.
void RecordStateSwitch(double seconds);

struct FrameStatsSummary
{
    uint32_t frames;
    double startup[MARK_COUNT];    // seconds after MARK_PROGRAM_START; -1 when never marked
    double pacingP50, pacingP99, pacingMax; // |frame length - 1/60| of steady frames, seconds
    uint32_t loadingFrames;        // frames that were loading
    double loadingPacingMax;       // their largest error, seconds
    double betweenFramesMax;       // the longest time between two frames but switches, seconds
    uint32_t stateSwitches;
    double switchP50, switchMax;   // seconds
    double asleepShare;            // of the limiter's waits, the part slept (0..1)
    double updateCpu, drawCpu, swapCpu; // mean seconds per frame
};
FrameStatsSummary SummariseFrameStats();
void PrintFrameStats(FILE* out);
// Forgets every frame and mark, and turns recording off.
void ResetFrameStats();
