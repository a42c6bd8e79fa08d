// button_labels_test.cpp: every button and label picture carries its words.
//
// Lettering shows as pixels that stand out from the plate around them. The test lays each
// picture over the dark window panel it appears on and counts, in the middle of the
// picture where the label sits, the pixels far from the middle's typical brightness: a
// blank plate, however shaded, has next to none.
#include <algorithm>
#include <cstdlib>
#include <vector>

#include <gtest/gtest.h>

#include "tests/assets/asset_test_support.h"

namespace
{
constexpr int PanelGrey = 45; // about the brightness of the panels behind the menus

struct LabelArea
{
    std::vector<int> brightness; // of the label area, over the panel
    int width = 0, height = 0;
};

LabelArea LabelAreaOf(const Picture& p)
{
    LabelArea area;
    int x0 = p.width * 15 / 100, x1 = p.width * 85 / 100;
    int y0 = p.height * 25 / 100, y1 = p.height * 75 / 100;
    area.width = x1 - x0;
    area.height = y1 - y0;
    for (int y = y0; y < y1; y++)
        for (int x = x0; x < x1; x++)
        {
            const uint8_t* px = p.At(x, y);
            int luma = (px[0] * 299 + px[1] * 587 + px[2] * 114) / 1000;
            area.brightness.push_back((luma * px[3] + PanelGrey * (255 - px[3])) / 255);
        }
    return area;
}

double LetteringShare(const LabelArea& area)
{
    std::vector<int> sorted = area.brightness;
    std::nth_element(sorted.begin(), sorted.begin() + sorted.size() / 2, sorted.end());
    int median = sorted[sorted.size() / 2];
    size_t standOut = 0;
    for (int b : area.brightness) standOut += std::abs(b - median) > 60;
    return double(standOut) / double(area.brightness.size());
}
} // namespace

TEST(ButtonLabels, EveryButtonAndLabelCarriesLettering)
{
    for (const ButtonPicture& b : ButtonsAndLabels())
    {
        SCOPED_TRACE(b.gamePath);
        Picture p = LoadPicture(OnDisk(b.gamePath));
        ASSERT_TRUE(p.Loaded());
        // Even a lone "+" or a minus sign covers a few percent of the label area.
        EXPECT_GT(LetteringShare(LabelAreaOf(p)), 0.02);
    }
}

TEST(ButtonLabels, ButtonsHaveAPlateAndLabelsDoNot)
{
    // A button is a plate you can see the edges of; a label is words on the window alone,
    // so that nobody mistakes it for something to click.
    for (const ButtonPicture& b : ButtonsAndLabels())
    {
        SCOPED_TRACE(b.gamePath);
        Picture p = LoadPicture(OnDisk(b.gamePath));
        ASSERT_TRUE(p.Loaded());
        size_t opaque = 0;
        for (size_t i = 3; i < p.rgba.size(); i += 4) opaque += p.rgba[i] > 200;
        double share = double(opaque) / (double(p.width) * p.height);
        if (b.isButton)
            EXPECT_GT(share, 0.6);
        else
            EXPECT_LT(share, 0.4);
    }
}

TEST(ButtonLabels, EachLevelButtonShowsItsOwnNumber)
{
    std::vector<LabelArea> areas;
    for (int level = 1; level <= 9; level++)
    {
        Picture p = LoadPicture(OnDisk("data/Menus/Level_" + std::to_string(level) + ".png"));
        ASSERT_TRUE(p.Loaded());
        areas.push_back(LabelAreaOf(p));
    }
    for (size_t i = 0; i < areas.size(); i++)
        for (size_t j = i + 1; j < areas.size(); j++)
            EXPECT_NE(areas[i].brightness, areas[j].brightness)
                << "Level_" << i + 1 << " and Level_" << j + 1;
}
