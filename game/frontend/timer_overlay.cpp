// timer_overlay.cpp: the timer's words on the screen, the word on a finish and the run's table.
#include "game/frontend/timer_overlay.h"

#include "engine/graphics/draw_batch.h"
#include "engine/system/frame_controller.h"
#include "game/frontend/text_line.h"
#include "game/levels/level_timer.h"
#include "game/scene/camera.h"

#include <string>

namespace
{
constexpr float CORNER_X = -925.0f;
constexpr float TIME_Y = 505.0f;
constexpr float TIME_HEIGHT = 44.0f;
constexpr float RUN_HEIGHT = 30.0f;
constexpr float LINE_GAP = 8.0f;
constexpr float MARK_GAP = 18.0f;
constexpr float MARK_HEIGHT = 24.0f;
constexpr float NOTICE_HEIGHT = 30.0f;
constexpr float MENU_NOTICE_Y = -490.0f;
constexpr uint32_t NOTICE_FRAMES = 180; // three seconds
constexpr uint32_t FASTER = 0xFF6CE07Cu;
constexpr uint32_t SLOWER = 0xFFF06A5Eu;
constexpr uint32_t GOLD = 0xFFF2CC6Bu;
constexpr uint32_t ASSIST = 0xFFF0A040u;
constexpr uint32_t QUIET = 0xFFE0DAF0u;

// The run's table on the win screen, on a panel left of the hero.
constexpr const char* PANEL_PATH = "data/Menus/Pause.png";
constexpr float TABLE_X = -430.0f, TABLE_Y = -245.0f, TABLE_W = 820.0f, TABLE_H = 540.0f;
constexpr float COLUMN_LEVEL = -760.0f, COLUMN_RUN = -380.0f, COLUMN_BEST = -110.0f;
constexpr float TABLE_TOP = -58.0f, ROW_STEP = 38.0f, ROW_HEIGHT = 26.0f;

const char* const PICTURE_PATHS[] = {PANEL_PATH};
Texture* Picture[1] = {};
PictureSet OverlayPictures = {PICTURE_PATHS, Picture, 1, 0};
bool Held = false;

// "-0:01.23", "+0:02.00" or "0:00.00": how far `frames` lies from `best`.
std::string Difference(uint32_t frames, uint32_t best)
{
    if (frames == best) return FormatFrames(0);
    return (frames < best ? "-" : "+") + FormatFrames(frames < best ? best - frames : frames - best);
}

uint32_t Compared(uint32_t frames, uint32_t best)
{
    return frames < best ? FASTER : frames > best ? SLOWER : TEXT_WHITE;
}

// The word on the last finish, while it is fresh; false when there is none to say.
bool FinishWords(std::string* words, uint32_t* tint)
{
    const LevelFinish& finish = LastFinish();
    if (finish.level == 0 || FrameCount - finish.atFrame >= NOTICE_FRAMES) return false;
    *words = "Level " + std::to_string(finish.level) + "  " + FormatFrames(finish.frames) + "  ";
    if (finish.assisted)
    {
        *words += "assisted: no best time";
        *tint = ASSIST;
    }
    else if (finish.bestBefore == 0)
    {
        // A session that keeps no files (a recording) sets no best time.
        if (finish.newBest) *words += "first best time";
        *tint = GOLD;
    }
    else
    {
        *words += Difference(finish.frames, finish.bestBefore);
        *tint = Compared(finish.frames, finish.bestBefore);
    }
    return true;
}

// Draws through a camera of the whole view, after what the screen drew.
template <typename Draw> void OverTheScreen(Draw draw)
{
    if (TimerShown == TIMER_OFF || !Letters()) return;
    Camera camera("Timer", WORLD_WIDTH, WORLD_HEIGHT);
    ApplyCamera(&camera);
    BeginDrawBatch();
    draw();
    EndDrawBatch();
}

TextLine* Cell(const std::string& text, float x, float y, TextAlign align, uint32_t tint)
{
    TextLine* line = CreateTextLine("run_split", Letters(), text, x, y, ROW_HEIGHT, align);
    line->tintEnabled = tint != TEXT_WHITE;
    line->tint = tint;
    return line;
}
} // namespace

void KeepTimerLetters(bool keep)
{
    if (keep == Held || (keep && TimerShown == TIMER_OFF)) return;
    Held = keep;
    if (keep)
    {
        AcquirePictures(LetterPictures);
        AcquirePictures(OverlayPictures);
        return;
    }
    ReleasePictures(LetterPictures);
    ReleasePictures(OverlayPictures);
}

void DrawLevelTimer()
{
    OverTheScreen([] {
        const TimerReading timer = ReadTimer();
        const std::string time = FormatFrames(timer.levelFrames);
        const std::string run = "Run " + FormatFrames(timer.runFrames);
        std::string words;
        uint32_t tint = TEXT_WHITE;
        const bool showRun = TimerShown == TIMER_RUN && timer.inRun;
        const bool finished = FinishWords(&words, &tint);
        DrawLetters(nullptr, Letters(), time, {CORNER_X, TIME_Y}, TIME_HEIGHT, TEXT_LEFT, TEXT_WHITE);
        if (timer.assisted)
            DrawLetters(nullptr, Letters(), "ASSIST",
                        {CORNER_X + LettersWidth(time, TIME_HEIGHT) + MARK_GAP, TIME_Y},
                        MARK_HEIGHT, TEXT_LEFT, ASSIST);
        float y = TIME_Y - (TIME_HEIGHT + RUN_HEIGHT) * 0.5f - LINE_GAP;
        if (showRun)
        {
            DrawLetters(nullptr, Letters(), run, {CORNER_X, y}, RUN_HEIGHT, TEXT_LEFT, QUIET);
            y -= (RUN_HEIGHT + NOTICE_HEIGHT) * 0.5f + LINE_GAP;
        }
        if (finished)
            DrawLetters(nullptr, Letters(), words, {CORNER_X, y}, NOTICE_HEIGHT, TEXT_LEFT, tint);
    });
}

void DrawFinishNotice()
{
    OverTheScreen([] {
        std::string words;
        uint32_t tint = TEXT_WHITE;
        if (!FinishWords(&words, &tint)) return;
        DrawLetters(nullptr, Letters(), words, {0.0f, MENU_NOTICE_Y}, NOTICE_HEIGHT, TEXT_CENTRE,
                    tint);
    });
}

void CreateRunSplits()
{
    const RunResult& run = FinishedRun();
    if (TimerShown == TIMER_OFF || !run.complete || !Letters()) return;
    CreateMenuObject(new GameObject(), "run_splits", Picture[0], TABLE_X, TABLE_Y, TABLE_W,
                     TABLE_H, KIND_BACKGROUND);
    float y = TABLE_TOP;
    Cell("This run", COLUMN_RUN, y, TEXT_RIGHT, GOLD);
    Cell("Best", COLUMN_BEST, y, TEXT_RIGHT, GOLD);
    uint64_t bests = 0;
    for (int level = 1; level <= LEVEL_COUNT; ++level)
    {
        y -= ROW_STEP;
        const uint32_t split = run.splits[level - 1], best = BestFrames(level);
        bests += best;
        Cell("Level " + std::to_string(level), COLUMN_LEVEL, y, TEXT_LEFT, TEXT_WHITE);
        // Gold where the run's time is the best one, as it is after a best run.
        const uint32_t tint = !best ? TEXT_WHITE : split == best ? GOLD : Compared(split, best);
        Cell(FormatFrames(split), COLUMN_RUN, y, TEXT_RIGHT, tint);
        Cell(best ? FormatFrames(best) : "-", COLUMN_BEST, y, TEXT_RIGHT, QUIET);
    }
    y -= ROW_STEP;
    Cell(run.assisted ? "Run (assisted)" : "Run, every life", COLUMN_LEVEL, y, TEXT_LEFT,
         run.assisted ? ASSIST : GOLD);
    Cell(FormatFrames(run.total), COLUMN_RUN, y, TEXT_RIGHT, GOLD);
    Cell(TotalBestFrames() ? FormatFrames(bests) : "-", COLUMN_BEST, y, TEXT_RIGHT, QUIET);
}
