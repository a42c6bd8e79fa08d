// picture_files_test.cpp: every picture the game opens is there, decodes as the game decodes
// it, and follows the rules of the code that draws it.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include <gtest/gtest.h>

#include "engine/graphics/image_file.h"
#include "engine/graphics/png_check.h"
#include "tests/assets/asset_test_support.h"

namespace
{
// Mean difference between two columns (or rows) of RGBA pixels, alpha included.
double LineDifference(const Picture& p, bool columns, int a, int b)
{
    int length = columns ? p.height : p.width;
    double sum = 0;
    for (int i = 0; i < length; i++)
    {
        const uint8_t* pa = columns ? p.At(a, i) : p.At(i, a);
        const uint8_t* pb = columns ? p.At(b, i) : p.At(i, b);
        for (int c = 0; c < 4; c++) sum += std::abs(int(pa[c]) - int(pb[c]));
    }
    return sum / length;
}

// The texture repeats: the step from its last column to its first must look like any step
// inside it, or a seam shows every repeat.
void ExpectSeamless(const Picture& p, bool acrossColumns)
{
    int count = acrossColumns ? p.width : p.height;
    double inside = 0;
    for (int i = 0; i + 1 < count; i++) inside += LineDifference(p, acrossColumns, i, i + 1);
    inside /= count - 1;
    double seam = LineDifference(p, acrossColumns, count - 1, 0);
    EXPECT_LE(seam, 3.0 * inside + 2.0) << (acrossColumns ? "left/right" : "top/bottom") << " seam";
}

double TransparentShare(const Picture& p)
{
    size_t clear = 0;
    for (size_t i = 3; i < p.rgba.size(); i += 4) clear += p.rgba[i] == 0;
    return double(clear) / (double(p.width) * p.height);
}
} // namespace

TEST(PictureFiles, EveryPictureTheGameOpensDecodesWithTheGamesLoader)
{
    for (const PictureUse& use : PicturesTheGameLoads())
    {
        SCOPED_TRACE(use.gamePath);
        Picture p = LoadPicture(OnDisk(use.gamePath));
        ASSERT_TRUE(p.Loaded());
        EXPECT_GE(p.width, 16);
        EXPECT_GE(p.height, 16);
        // Where nothing is drawn the game only checks a picture and reads its size: every
        // picture it ships must pass that check, with the size a decode finds.
        std::vector<uint8_t> bytes;
        ASSERT_TRUE(ReadFileBytes(OnDisk(use.gamePath).c_str(), &bytes));
        int width = 0, height = 0;
        EXPECT_TRUE(CheckPngStructure(bytes, &width, &height));
        EXPECT_EQ(width, p.width);
        EXPECT_EQ(height, p.height);
    }
}

TEST(PictureFiles, PicturesHaveTheShapeOfTheObjectsThatShowThem)
{
    // A picture shown at several sizes may pick any shape between them; beyond that, a
    // stretch of more than 15 % shows as squashed lettering and round things gone oval.
    for (const PictureUse& use : PicturesTheGameLoads())
    {
        if (use.drawnSizes.empty()) continue;
        SCOPED_TRACE(use.gamePath);
        Picture p = LoadPicture(OnDisk(use.gamePath));
        ASSERT_TRUE(p.Loaded());
        double aspect = double(p.width) / p.height;
        double lo = 1e9, hi = 0;
        for (auto [w, h] : use.drawnSizes)
        {
            lo = std::min(lo, double(w) / h);
            hi = std::max(hi, double(w) / h);
        }
        EXPECT_GE(aspect, lo / 1.15);
        EXPECT_LE(aspect, hi * 1.15);
    }
}

TEST(PictureFiles, SpikeAndLavaScalesComeOutWholeAndNonZero)
{
    // Spikes and lava repeat (spike width / 1500) by (spike height / 624) times, counted in
    // whole numbers: a smaller spike picture would squeeze both textures to a single texel.
    Picture spikes = LoadPicture(OnDisk("data/Spikes.png"));
    ASSERT_TRUE(spikes.Loaded());
    EXPECT_GE(spikes.width / 1500, 1);
    EXPECT_GE(spikes.height / 624, 1);
    ExpectSeamless(spikes, true);
    Picture lava = LoadPicture(OnDisk("data/Lava.png"));
    ASSERT_TRUE(lava.Loaded());
    ExpectSeamless(lava, true);
}

TEST(PictureFiles, PlatformTilesAreSolidAndWrapWithoutSeams)
{
    for (const char* path : {"data/RectPlat.png", "data/Bouncing_platform.png"})
    {
        SCOPED_TRACE(path);
        Picture p = LoadPicture(OnDisk(path));
        ASSERT_TRUE(p.Loaded());
        EXPECT_EQ(TransparentShare(p), 0.0) << "a platform with holes";
        ExpectSeamless(p, true);
        ExpectSeamless(p, false);
    }
}

TEST(PictureFiles, FarBackgroundIsOpaqueAndNearLayerHasGaps)
{
    Picture far = LoadPicture(OnDisk("data/LevelBackground2.png"));
    ASSERT_TRUE(far.Loaded());
    EXPECT_EQ(TransparentShare(far), 0.0);
    Picture near = LoadPicture(OnDisk("data/Column.png"));
    ASSERT_TRUE(near.Loaded());
    EXPECT_EQ(near.width, far.width);
    EXPECT_EQ(near.height, far.height);
    double clear = TransparentShare(near);
    EXPECT_GT(clear, 0.4) << "the far background must show through the near layer";
    EXPECT_LT(clear, 0.95) << "the near layer must show something";
}

TEST(PictureFiles, SpritesKeepATransparentBorder)
{
    // Textures wrap when sampled, so a visible pixel on one edge of a sprite would bleed a
    // line of itself along the opposite edge.
    for (const char* path :
         {"data/Player.png", "data/Player_Run.png", "data/Flying Enemy.png",
          "data/Ground Enemy.png", "data/Rock.png", "data/HookPlatforms.png", "data/Icon.png",
          "data/Menus/Settings.png", "data/Menus/Pause.png", "data/Menus/Play.png",
          "data/Menus/Level_1.png", "data/Menus/Minus.png", "data/Menus/Sure_button.png",
          "data/Korvel_VIZ-OSTARA_WEB_WHITE.png"})
    {
        SCOPED_TRACE(path);
        Picture p = LoadPicture(OnDisk(path));
        ASSERT_TRUE(p.Loaded());
        int visible = 0;
        for (int x = 0; x < p.width; x++)
            visible += (p.At(x, 0)[3] > 0) + (p.At(x, p.height - 1)[3] > 0);
        for (int y = 0; y < p.height; y++)
            visible += (p.At(0, y)[3] > 0) + (p.At(p.width - 1, y)[3] > 0);
        EXPECT_EQ(visible, 0);
    }
}

TEST(PictureFiles, WindowIconIsASmallPictureWithTransparency)
{
    Picture icon = LoadPicture(OnDisk("data/Icon.png"));
    ASSERT_TRUE(icon.Loaded());
    EXPECT_EQ(icon.width, 64);
    EXPECT_EQ(icon.height, 64);
    EXPECT_EQ(icon.channelsInFile, 4);
    EXPECT_GT(TransparentShare(icon), 0.05);
    EXPECT_GT(1.0 - TransparentShare(icon), 0.5);
}
