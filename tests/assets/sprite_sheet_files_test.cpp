// sprite_sheet_files_test.cpp: the two sprite-sheet description files follow the format the
// game's loader reads, and name a sheet that fits them.
#include <cctype>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/assets/asset_test_support.h"

namespace
{
struct Description
{
    int frames = 0, rows = 0, columns = 0;
    std::string sheet;
    std::vector<double> seconds;
};

bool IsWholeNumber(const std::string& s)
{
    if (s.empty()) return false;
    for (char c : s)
        if (!std::isdigit(static_cast<unsigned char>(c))) return false;
    return true;
}

// Reads a description strictly: anything the game's lenient reader would guess at fails.
Description Parse(const std::string& text)
{
    Description d;
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    EXPECT_GE(lines.size(), 4u);
    if (lines.size() < 4) return d;
    for (int i = 0; i < 3; i++)
        EXPECT_TRUE(IsWholeNumber(lines[i])) << "header line " << i + 1 << ": " << lines[i];
    d.frames = std::atoi(lines[0].c_str());
    d.rows = std::atoi(lines[1].c_str());
    d.columns = std::atoi(lines[2].c_str());
    d.sheet = lines[3];
    EXPECT_EQ(lines.size(), size_t(4 + d.frames)) << "one line per frame and nothing after";
    for (size_t i = 4; i < lines.size(); i++)
    {
        const std::string& line = lines[i];
        size_t colon = line.rfind(':');
        EXPECT_NE(colon, std::string::npos) << line;
        if (colon == std::string::npos) continue;
        std::string number = line.substr(colon + 1);
        char* end = nullptr;
        double seconds = std::strtod(number.c_str(), &end);
        EXPECT_TRUE(!number.empty() && *end == '\0') << "not a number of seconds: " << line;
        d.seconds.push_back(seconds);
    }
    return d;
}

void ExpectUsableSheet(const Description& d)
{
    EXPECT_GT(d.frames, 0);
    EXPECT_GT(d.rows, 0);
    EXPECT_GT(d.columns, 0);
    EXPECT_LE(d.frames, d.rows * d.columns);
    for (double s : d.seconds)
    {
        EXPECT_GT(s, 0.0);
        EXPECT_LE(s, 1.0);
    }
    Picture sheet = LoadPicture(OnDisk(d.sheet));
    ASSERT_TRUE(sheet.Loaded()) << d.sheet;
    EXPECT_EQ(sheet.width % d.columns, 0);
    EXPECT_EQ(sheet.height % d.rows, 0);
}

// Visible pixels of one cell of a sheet.
int VisibleIn(const Picture& p, int x0, int y0, int w, int h)
{
    int n = 0;
    for (int y = y0; y < y0 + h; y++)
        for (int x = x0; x < x0 + w; x++) n += p.At(x, y)[3] > 0;
    return n;
}
} // namespace

TEST(SpriteSheetFiles, RunSheetDescribesEightFramesInOneRow)
{
    std::vector<uint8_t> bytes = ReadBytes(OnDisk(".\\data\\run_extra_8x1"));
    ASSERT_FALSE(bytes.empty());
    Description d = Parse(std::string(bytes.begin(), bytes.end()));
    EXPECT_EQ(d.frames, 8);
    EXPECT_EQ(d.rows, 1);
    EXPECT_EQ(d.columns, 8);
    EXPECT_EQ(d.sheet.find('\r'), std::string::npos);
    ExpectUsableSheet(d);
}

TEST(SpriteSheetFiles, EnemySheetIsUsableToo)
{
    std::vector<uint8_t> bytes = ReadBytes(OnDisk(".\\data\\Enemy_Sprite"));
    ASSERT_FALSE(bytes.empty());
    ExpectUsableSheet(Parse(std::string(bytes.begin(), bytes.end())));
}

TEST(SpriteSheetFiles, RunFramesAreSeparateDistinctAndStandOnTheFloor)
{
    std::vector<uint8_t> bytes = ReadBytes(OnDisk(".\\data\\run_extra_8x1"));
    Description d = Parse(std::string(bytes.begin(), bytes.end()));
    Picture sheet = LoadPicture(OnDisk(d.sheet));
    ASSERT_TRUE(sheet.Loaded());
    ASSERT_EQ(d.columns, 8);
    int cell = sheet.width / 8;
    // The player object is 100 x 80 units: a cell of any other shape draws it distorted.
    EXPECT_NEAR(double(cell) / sheet.height, 100.0 / 80.0, 0.01);
    std::vector<std::vector<uint8_t>> alphas;
    for (int f = 0; f < 8; f++)
    {
        SCOPED_TRACE("frame " + std::to_string(f));
        int x0 = f * cell;
        EXPECT_GT(VisibleIn(sheet, x0, 0, cell, sheet.height), cell * sheet.height / 10);
        // Linear filtering reads one texel past a cell's edge: edges must be clear.
        EXPECT_EQ(VisibleIn(sheet, x0, 0, 2, sheet.height), 0);
        EXPECT_EQ(VisibleIn(sheet, x0 + cell - 2, 0, 2, sheet.height), 0);
        // The feet reach the bottom tenth of the cell: the hero runs on the ground, not above it.
        EXPECT_GT(VisibleIn(sheet, x0, sheet.height * 9 / 10, cell, sheet.height / 10), 0);
        std::vector<uint8_t> a;
        for (int y = 0; y < sheet.height; y++)
            for (int x = x0; x < x0 + cell; x++) a.push_back(sheet.At(x, y)[3]);
        alphas.push_back(a);
    }
    for (int f = 0; f < 8; f++)
        for (int g = f + 1; g < 8; g++)
            EXPECT_NE(alphas[f], alphas[g]) << "frames " << f << " and " << g << " match";
}
