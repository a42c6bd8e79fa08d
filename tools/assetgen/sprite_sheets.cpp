// sprite_sheets.cpp: the description texts, with a label for each frame.
#include "tools/assetgen/sprite_sheets.h"

#include <cstdio>

namespace
{
std::string Describe(int frames, int rows, int columns, const char* png, const char* const* labels,
                     const float* seconds)
{
    std::string text = std::to_string(frames) + "\n" + std::to_string(rows) + "\n" +
                       std::to_string(columns) + "\n" + png + "\n";
    for (int i = 0; i < frames; i++)
    {
        char line[64];
        std::snprintf(line, sizeof line, "%s:%.2f\n", labels[i], double(seconds[i]));
        text += line;
    }
    return text;
}
} // namespace

std::string RunSheetDescription()
{
    // At the player's animation speed of 0.65 and 60 frames a second, 0.03 s keeps each
    // picture on screen for three frames: a full cycle takes 0.4 s, a stride of about a
    // hundred units at full running speed, so the feet keep up with the ground.
    static const char* const labels[8] = {
        "pass on left foot",  "rise off left foot",  "reach with right", "land on right foot",
        "pass on right foot", "rise off right foot", "reach with left",  "land on left foot"};
    static const float seconds[8] = {0.03f, 0.03f, 0.03f, 0.03f, 0.03f, 0.03f, 0.03f, 0.03f};
    return Describe(8, 1, 8, "data/Player_Run.png", labels, seconds);
}

std::string EnemySheetDescription()
{
    static const char* const labels[4] = {"wings up", "wings level", "wings down", "wings rising"};
    static const float seconds[4] = {0.08f, 0.06f, 0.08f, 0.06f};
    return Describe(4, 1, 4, "data/Enemy_Sheet.png", labels, seconds);
}
