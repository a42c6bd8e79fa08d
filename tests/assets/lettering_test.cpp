// lettering_test.cpp: text layout and drawing with the DejaVu fonts.
#include <string>

#include <gtest/gtest.h>

#include "tools/assetgen/text.h"

namespace
{
class Lettering : public ::testing::Test
{
  protected:
    static void SetUpTestSuite() { ASSERT_TRUE(LoadFonts("/usr/share/fonts/truetype/dejavu")); }
};

struct Ink
{
    int count = 0;
    float left = 1e9f, right = -1e9f, top = 1e9f, bottom = -1e9f, centreX = 0;
};

Ink InkOf(const Canvas& c, float threshold = 0.5f)
{
    Ink ink;
    for (int y = 0; y < c.Height(); y++)
        for (int x = 0; x < c.Width(); x++)
            if (c.At(x, y).a > threshold)
            {
                ink.count++;
                ink.left = std::min(ink.left, float(x));
                ink.right = std::max(ink.right, float(x));
                ink.top = std::min(ink.top, float(y));
                ink.bottom = std::max(ink.bottom, float(y));
                ink.centreX += x;
            }
    if (ink.count) ink.centreX /= ink.count;
    return ink;
}
} // namespace

TEST_F(Lettering, WidthsGrowWithTextAndSize)
{
    TextStyle style;
    style.size = 40;
    EXPECT_GT(TextWidth("WWW", style), TextWidth("iii", style));
    EXPECT_GT(TextWidth("Level Select", style), TextWidth("Level", style));
    TextStyle bigger = style;
    bigger.size = 80;
    EXPECT_NEAR(TextWidth("Play", bigger), 2 * TextWidth("Play", style), 1.0f);
    EXPECT_FLOAT_EQ(TextWidth("", style), 0.0f);
}

TEST_F(Lettering, FittingSizeShrinksOnlyWhatDoesNotFit)
{
    TextStyle style;
    style.size = 60;
    float room = TextWidth("Window size", style) * 0.5f;
    float size = FittingSize("Window size", style, room);
    EXPECT_LT(size, 60.0f);
    TextStyle fitted = style;
    fitted.size = size;
    EXPECT_LE(TextWidth("Window size", fitted), room + 0.5f);
    EXPECT_FLOAT_EQ(FittingSize("No", style, 1000), 60.0f);
}

TEST_F(Lettering, CentredTextSitsOnItsBaselineAroundItsCentre)
{
    Canvas c(400, 120);
    TextStyle style;
    style.size = 60;
    style.align = Align::Centre;
    DrawText(c, "Menu", 200, 80, style);
    Ink ink = InkOf(c);
    ASSERT_GT(ink.count, 200);
    EXPECT_NEAR(ink.centreX, 200, 12);
    EXPECT_LE(ink.bottom, 81); // no descenders in "Menu"
    EXPECT_NEAR(80 - ink.top, CapHeight(style), 3);
    EXPECT_NEAR(ink.right - ink.left, TextWidth("Menu", style), 12);
}

TEST_F(Lettering, OutlineAndShadowSurroundTheLetters)
{
    Canvas plain(300, 100), framed(300, 100);
    TextStyle style;
    style.size = 50;
    DrawText(plain, "Yes", 20, 70, style);
    style.outline = Hex(0xFF0000);
    style.outlineWidth = 3;
    style.shadow = Hex(0x000000, 0.8f);
    style.shadowOffset = {0, 5};
    DrawText(framed, "Yes", 20, 70, style);
    Ink a = InkOf(plain), b = InkOf(framed);
    EXPECT_GT(b.count, a.count * 13 / 10);
    EXPECT_GT(b.bottom, a.bottom + 4);
    // The fill still shows in white inside the red outline.
    int white = 0, red = 0;
    for (int y = 0; y < 100; y++)
        for (int x = 0; x < 300; x++)
        {
            Rgba p = framed.At(x, y);
            white += p.a > 0.9f && p.g > 0.9f;
            red += p.a > 0.9f && p.r > 0.9f && p.g < 0.1f;
        }
    EXPECT_GT(white, a.count / 2);
    EXPECT_GT(red, 100);
}

TEST_F(Lettering, ArrowsEllipsesAndBrokenBytesAllShowSomething)
{
    TextStyle style;
    style.size = 50;
    for (std::string text :
         {std::string("\u2192"), std::string("Loading\u2026"), std::string("\u2212"),
          std::string("a\xff"
                      "b")})
    {
        SCOPED_TRACE(text);
        Canvas c(300, 80);
        DrawText(c, text, 10, 60, style);
        EXPECT_GT(InkOf(c).count, 20);
    }
    // A malformed byte stands in for a character, rather than swallowing its neighbours.
    EXPECT_GT(TextWidth("a\xff"
                        "b",
                        style),
              TextWidth("ab", style));
}

TEST(LetteringFonts, MissingFontsAreReportedNotIgnored)
{
    EXPECT_FALSE(LoadFonts("/nonexistent/fonts"));
}
