// Picture decoding: the same pixels as stb_image gave, and pictures decoded ahead on the
// workers load exactly as the file on disk would, whatever happened to it meanwhile.
#include "test_images.h"

#include "engine/graphics/image_file.h"
#include "engine/graphics/picture_decoder.h"
#include "engine/graphics/texture.h"
#include "engine/platform/platform_scripted.h"

#include <gtest/gtest.h>
#include <stb_image.h>

#include <chrono>
#include <cstdio>
#include <thread>

namespace
{
std::vector<uint8_t> Pattern(int width, int height, int channels)
{
    std::vector<uint8_t> pixels(static_cast<size_t>(width) * height * channels);
    for (size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<uint8_t>(i * 37 + i / 7);
    return pixels;
}

class PictureDecodingTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ScriptedReset();
        DiscardAllPictures();
        ExpectPicturesDrawn(true);
    }
    void TearDown() override
    {
        ExpectPicturesDrawn(false);
        DiscardAllPictures();
        ReleaseAllTextures();
    }
};

TEST_F(PictureDecodingTest, GreyRgbAndRgbaPicturesGiveStbImagesPixelsInEitherRowOrder)
{
    for (int channels : {1, 3, 4})
    {
        const std::string path =
            WriteTestPng("pattern" + std::to_string(channels) + ".png", 7, 5, channels,
                         Pattern(7, 5, channels));
        int w = 0, h = 0, c = 0;
        stbi_uc* expected = stbi_load(path.c_str(), &w, &h, &c, 4);
        ASSERT_NE(expected, nullptr);
        ImageRGBA top, bottom;
        ASSERT_TRUE(ReadImageFile(path.c_str(), &top, TOP_ROW_FIRST));
        ASSERT_TRUE(ReadImageFile(path.c_str(), &bottom, BOTTOM_ROW_FIRST));
        EXPECT_EQ(top.width, 7);
        EXPECT_EQ(top.height, 5);
        EXPECT_EQ(top.pixels, std::vector<uint8_t>(expected, expected + 7 * 5 * 4)) << channels;
        for (int y = 0; y < 5; ++y)
            EXPECT_TRUE(std::equal(&bottom.pixels[y * 28], &bottom.pixels[y * 28 + 28],
                                   &expected[(4 - y) * 28]))
                << channels << " channels, row " << y;
        stbi_image_free(expected);
    }
}

TEST_F(PictureDecodingTest, APictureDecodedAheadIsTakenOnceAndEachNamingIsDecoded)
{
    const std::string path = WriteSolidPng("ahead.png", 6, 4, 0xFF336699);
    const char* twice[] = {path.c_str(), path.c_str()};
    DecodePicturesAhead(twice, 2);
    DecodePicturesAhead(twice, 1); // already under way: nothing more
    EXPECT_EQ(PicturesAheadPending() + PicturesAheadReady(), 2u);
    Texture* first = LoadTexture(path.c_str());
    Texture* second = LoadTexture(path.c_str());
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(first->Width, 6u);
    EXPECT_EQ(second->Height, 4u);
    EXPECT_EQ(PicturesAheadPending() + PicturesAheadReady(), 0u);
}

TEST_F(PictureDecodingTest, AFileChangedOrRemovedAfterItsDecodeLoadsAsItIsNow)
{
    const std::string changed = WriteSolidPng("changed.png", 2, 2, 0xFFFF0000);
    const std::string removed = WriteSolidPng("removed.png", 2, 2, 0xFF00FF00);
    const std::string damaged = WriteSolidPng("damaged.png", 2, 2, 0xFF0000FF);
    const char* paths[] = {changed.c_str(), removed.c_str(), damaged.c_str()};
    DecodePicturesAhead(paths, 3);
    while (PicturesAheadPending() > 0) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    ASSERT_EQ(PicturesAheadReady(), 3u);

    WriteSolidPng("changed.png", 3, 5, 0xFFFF0000);
    std::remove(removed.c_str());
    std::vector<uint8_t> bytes = ReadTestFile(damaged);
    bytes.resize(bytes.size() / 2);
    WriteTestFile("damaged.png", bytes);

    Texture* now = LoadTexture(changed.c_str());
    ASSERT_NE(now, nullptr);
    EXPECT_EQ(now->Width, 3u);
    EXPECT_EQ(now->Height, 5u);
    EXPECT_EQ(LoadTexture(removed.c_str()), nullptr);
    EXPECT_EQ(LoadTexture(damaged.c_str()), nullptr);
    EXPECT_EQ(LiveTextureCount(), 1);
}

TEST_F(PictureDecodingTest, WhatAStatesLoadDidNotTakeIsLetGoAfterIt)
{
    const std::string guessed = WriteSolidPng("guessed.png", 2, 2, 0xFFFFFFFF);
    const std::string wanted = WriteSolidPng("wanted.png", 2, 2, 0xFFFFFFFF);
    const char* before[] = {guessed.c_str(), wanted.c_str()};
    DecodePicturesAhead(before, 2);
    const uint32_t round = BeginPictureRound();
    DecodePicturesAhead(before + 1, 1); // the new state asks again for one of them
    const std::string next = WriteSolidPng("next.png", 2, 2, 0xFFFFFFFF);
    const char* ahead[] = {next.c_str()};
    DecodePicturesAhead(ahead, 1);
    DiscardPicturesBefore(round);
    while (PicturesAheadPending() > 0) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    EXPECT_EQ(PicturesAheadReady(), 2u) << "the guess no Load took is gone";
    EXPECT_NE(LoadTexture(wanted.c_str()), nullptr);
    EXPECT_NE(LoadTexture(next.c_str()), nullptr);
    EXPECT_EQ(PicturesAheadReady(), 0u);
}
} // namespace
