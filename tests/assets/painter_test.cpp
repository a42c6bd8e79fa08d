// painter_test.cpp: the generator's picture primitives: anti-aliased shapes, premultiplied
// blending, wrapping tiles, resampling, the PNG writer's edge bleeding and dithering, and the
// periodic noise that keeps tiles seamless.
#include <cmath>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>
#include <stb_image.h>

#include "tools/assetgen/canvas.h"
#include "tools/assetgen/geometry.h"
#include "tools/assetgen/noise.h"
#include "tools/assetgen/png_writer.h"

namespace fs = std::filesystem;

TEST(Canvas, ShapeEdgesAreAntiAliasedByCoverage)
{
    // A box whose right edge runs through the centres of column 10: that column is half
    // covered, the one before fully, the one after not at all.
    Canvas c(20, 4);
    c.Fill(RoundBox({5.25f, 2}, 5.25f, 10, 0), Hex(0xFFFFFF), c.Bounds());
    EXPECT_FLOAT_EQ(c.At(9, 1).a, 1.0f);
    EXPECT_NEAR(c.At(10, 1).a, 0.5f, 1e-4f);
    EXPECT_FLOAT_EQ(c.At(11, 1).a, 0.0f);
}

TEST(Canvas, TranslucentPaintBlendsOverWhatIsBeneath)
{
    Canvas c(1, 1, Hex(0x0000FF));
    c.Blend(0, 0, Hex(0xFF0000, 0.5f), 1.0f);
    Rgba p = c.At(0, 0);
    EXPECT_NEAR(p.r, 0.5f, 1e-5f);
    EXPECT_NEAR(p.b, 0.5f, 1e-5f);
    EXPECT_FLOAT_EQ(p.a, 1.0f);
    // Over nothing, the colour stays itself and only the coverage is partial.
    Canvas empty(1, 1);
    empty.Blend(0, 0, Hex(0xFF0000), 0.25f);
    EXPECT_NEAR(empty.At(0, 0).r, 1.0f, 1e-5f);
    EXPECT_NEAR(empty.At(0, 0).a, 0.25f, 1e-5f);
}

TEST(Canvas, WrapModeCarriesShapesAcrossTheEdges)
{
    Canvas tile(32, 32), clipped(32, 32);
    tile.SetWrap(true);
    Shape dot = Circle({31, 16}, 4);
    tile.Fill(dot, Hex(0xFFFFFF), BoxAround({31, 16}, 6, 6));
    clipped.Fill(dot, Hex(0xFFFFFF), BoxAround({31, 16}, 6, 6));
    EXPECT_FLOAT_EQ(tile.At(1, 16).a, 1.0f);    // came back in on the left
    EXPECT_FLOAT_EQ(clipped.At(1, 16).a, 0.0f); // fell off the right
    EXPECT_FLOAT_EQ(tile.At(30, 16).a, 1.0f);
}

TEST(Canvas, ShrinkingAveragesAndGrowingInterpolates)
{
    Canvas checker(8, 8);
    for (int y = 0; y < 8; y++)
        for (int x = 0; x < 8; x++) checker.Put(x, y, (x + y) % 2 ? Hex(0xFFFFFF) : Hex(0x000000));
    Canvas small = checker.Resized(2, 2);
    for (int y = 0; y < 2; y++)
        for (int x = 0; x < 2; x++) EXPECT_NEAR(small.At(x, y).r, 0.5f, 1e-4f);

    Canvas pair(2, 1);
    pair.Put(0, 0, Hex(0x000000));
    pair.Put(1, 0, Hex(0xFFFFFF));
    Canvas wide = pair.Resized(8, 1);
    for (int x = 1; x < 8; x++) EXPECT_GE(wide.At(x, 0).r, wide.At(x - 1, 0).r);
    EXPECT_LT(wide.At(0, 0).r, 0.05f);
    EXPECT_GT(wide.At(7, 0).r, 0.95f);
}

TEST(Canvas, BlurSpreadsAPointWithoutLosingIt)
{
    Canvas c(41, 41);
    c.Put(20, 20, Hex(0xFFFFFF));
    c.Blur(6);
    float total = 0;
    for (const Rgba& p : c.Premultiplied()) total += p.a;
    EXPECT_NEAR(total, 1.0f, 1e-3f);
    EXPECT_LT(c.At(20, 20).a, 0.2f);
    EXPECT_GT(c.At(22, 20).a, 0.0f);
    EXPECT_NEAR(c.At(22, 20).a, c.At(20, 22).a, 1e-6f);
}

TEST(Shapes, DistancesAreSignedAndCombine)
{
    Shape circle = Circle({0, 0}, 10);
    EXPECT_NEAR(circle({0, 0}), -10.0f, 1e-5f);
    EXPECT_NEAR(circle({13, 0}), 3.0f, 1e-5f);
    // A concave L: its notch is outside although it lies within the bounding box.
    Shape ell = Polygon({{0, 0}, {10, 0}, {10, 4}, {4, 4}, {4, 10}, {0, 10}});
    EXPECT_LT(ell({2, 8}), 0.0f);
    EXPECT_GT(ell({8, 8}), 0.0f);
    EXPECT_NEAR(ell({8, 8}), 4.0f, 1e-4f);
    Shape ring = Cut(circle, Circle({0, 0}, 5));
    EXPECT_GT(ring({0, 0}), 0.0f);
    EXPECT_LT(ring({7, 0}), 0.0f);
    EXPECT_LT(Grow(circle, 4)({13, 0}), 0.0f);
    EXPECT_LT(Union(circle, Circle({30, 0}, 2))({30, 1}), 0.0f);
}

TEST(Shapes, TurningAndMovingPlaceTheShape)
{
    Shape bar = RoundBox({0, 0}, 10, 2, 0);
    Shape upright = Turned(bar, {0, 0}, PI / 2);
    EXPECT_LT(upright({0, 9}), 0.0f);
    EXPECT_GT(upright({9, 0}), 0.0f);
    Shape right = Circle({5, 0}, 1);
    EXPECT_GT(right({-5, 0}), 0.0f);
    EXPECT_LT(Moved(right, {0, 3})({5, 3}), 0.0f);
}

TEST(PngWriter, RoundTripsThroughTheGamesDecoder)
{
    std::string dir = (fs::temp_directory_path() / "vantara-png-test").string();
    fs::create_directories(dir);
    Canvas opaque(4, 2, Hex(0x336699));
    ASSERT_TRUE(WritePng(dir + "/opaque.png", opaque));
    int w, h, n;
    unsigned char* px = stbi_load((dir + "/opaque.png").c_str(), &w, &h, &n, 4);
    ASSERT_NE(px, nullptr);
    EXPECT_EQ(w, 4);
    EXPECT_EQ(h, 2);
    EXPECT_EQ(n, 3); // no alpha channel wasted on an opaque picture
    EXPECT_NEAR(px[0], 0x33, 1);
    EXPECT_EQ(px[3], 255);
    stbi_image_free(px);

    // A red dot on nothing: the invisible pixels around it take its colour, so that a
    // filtered edge fades to transparent red rather than to grey or black.
    Canvas sprite(5, 5);
    sprite.Put(2, 2, Hex(0xFF0000));
    ASSERT_TRUE(WritePng(dir + "/sprite.png", sprite));
    px = stbi_load((dir + "/sprite.png").c_str(), &w, &h, &n, 4);
    ASSERT_NE(px, nullptr);
    EXPECT_EQ(n, 4);
    const unsigned char* neighbour = px + (2 * 5 + 3) * 4;
    EXPECT_EQ(neighbour[3], 0);
    EXPECT_EQ(neighbour[0], 255);
    EXPECT_EQ(neighbour[1], 0);
    stbi_image_free(px);
    fs::remove_all(dir);
}

TEST(PngWriter, DitheringKeepsInBetweenShades)
{
    // A shade halfway between two 8-bit levels must come out as a mix of both, averaging to
    // the shade: rounding everything one way is what makes skies band.
    std::string file = (fs::temp_directory_path() / "vantara-dither-test.png").string();
    Canvas flat(16, 16, Rgba{100.5f / 255.0f, 100.5f / 255.0f, 100.5f / 255.0f, 1.0f});
    ASSERT_TRUE(WritePng(file, flat));
    int w, h, n;
    unsigned char* px = stbi_load(file.c_str(), &w, &h, &n, 4);
    ASSERT_NE(px, nullptr);
    double sum = 0;
    int low = 0, high = 0;
    for (int i = 0; i < w * h; i++)
    {
        sum += px[i * 4];
        low += px[i * 4] == 100;
        high += px[i * 4] == 101;
    }
    stbi_image_free(px);
    fs::remove(file);
    EXPECT_EQ(low + high, w * h);
    EXPECT_NEAR(sum / (w * h), 100.5, 0.1);
}

TEST(PngWriter, FailsForAnUnwritablePath)
{
    Canvas c(2, 2);
    EXPECT_FALSE(WritePng("/nonexistent-folder/for/sure/picture.png", c));
}

TEST(Noise, PeriodicNoiseRepeatsExactlyAndStaysInRange)
{
    for (float x = 0; x < 8; x += 0.37f)
        for (float y = 0; y < 8; y += 0.53f)
        {
            EXPECT_NEAR(ValueNoise(x, y, 5, 8, 4), ValueNoise(x + 8, y + 4, 5, 8, 4), 1e-5f);
            float f = Fbm(x, y, 9, 4, 8, 8);
            EXPECT_NEAR(f, Fbm(x + 8, y, 9, 4, 8, 8), 1e-5f);
            EXPECT_GE(f, 0.0f);
            EXPECT_LE(f, 1.0f);
        }
    // Without a period it does not repeat there.
    EXPECT_NE(ValueNoise(0.5f, 0.5f, 5), ValueNoise(8.5f, 0.5f, 5));
}

TEST(Noise, GeneratorsAreRepeatableAndSeedDependent)
{
    Rng a(42), b(42), c(43);
    bool differs = false;
    for (int i = 0; i < 100; i++)
    {
        float x = a.Next();
        EXPECT_EQ(x, b.Next());
        EXPECT_GE(x, 0.0f);
        EXPECT_LT(x, 1.0f);
        differs = differs || x != c.Next();
        int k = a.Below(7);
        b.Below(7);
        EXPECT_GE(k, 0);
        EXPECT_LT(k, 7);
    }
    EXPECT_TRUE(differs);
    EXPECT_NE(Hash(1, 2, 3), Hash(1, 3, 2));
}
