// Sprites and sprite sheets: reading the description file (good and bad), frame selection,
// the animation timer, and animation through cameras.
#include "tests/scene/scene_files.h"
#include "tests/scene/scene_test.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace
{
class SpriteTest : public SceneTest
{
  protected:
    void SetUp() override
    {
        SceneTest::SetUp();
        png = WriteScenePng("run.png", 64, 8, 0xFFFFFFFF);
    }
    SpriteSheet* LoadText(const std::string& text)
    {
        return LoadSpriteSheet(WriteSceneFile("sheet" + std::to_string(++files), text).c_str());
    }
    Sprite* MakeSprite(SpriteSheet* sheet, const char* name = "player")
    {
        auto* sprite = new Sprite();
        InitGameObject(sprite, name, 0, 0, 100, 80, 0, KIND_PLAYER, nullptr);
        SetSheet(sprite, sheet);
        sprite->playing = true;
        return sprite;
    }
    // Draws until the frame changes; returns how many draws that took (0 if it never did).
    static int DrawsUntilTheFrameChanges(Sprite* sprite, int limit = 1000)
    {
        const uint32_t start = sprite->frame;
        for (int draws = 1; draws <= limit; ++draws)
        {
            sprite->Draw(nullptr);
            if (sprite->frame != start) return draws;
        }
        return 0;
    }

    std::string png;
    int files = 0;
};

TEST_F(SpriteTest, TheRunSheetExampleReadsAsEightFramesOfATenth)
{
    SpriteSheet* sheet = LoadText(SheetText(8, 1, 8, png, "0.1"));
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(sheet->frameCount, 8u);
    EXPECT_EQ(sheet->rows, 1u);
    EXPECT_EQ(sheet->columns, 8u);
    ASSERT_EQ(sheet->frameDurations.size(), 8u);
    for (float seconds : sheet->frameDurations) EXPECT_FLOAT_EQ(seconds, 0.1f);
    ASSERT_NE(sheet->texture, nullptr);
    EXPECT_EQ(sheet->texture->Width, 64u);
    EXPECT_EQ(SpriteSheetList, (std::vector<SpriteSheet*>{sheet}));

    Sprite* sprite = MakeSprite(sheet);
    EXPECT_EQ(sprite->texture, sheet->texture);
    SetFrame(sprite, 5);
    const Matrix3& t = sprite->frameTransform;
    EXPECT_FLOAT_EQ(t.m[0], 0.125f);
    EXPECT_FLOAT_EQ(t.m[4], 1.0f);
    EXPECT_FLOAT_EQ(t.m[2], 0.625f);
    EXPECT_FLOAT_EQ(t.m[5], 0.0f);
}

TEST_F(SpriteTest, FramesOfSeveralRowsCountFromTheBottomLeftCell)
{
    Sprite* sprite = MakeSprite(LoadText(SheetText(6, 2, 3, png, "0.1")));
    SetFrame(sprite, 4); // second cell of the upper row
    const Matrix3& t = sprite->frameTransform;
    EXPECT_FLOAT_EQ(t.m[0], 1.0f / 3.0f);
    EXPECT_FLOAT_EQ(t.m[4], 0.5f);
    EXPECT_FLOAT_EQ(t.m[2], 1.0f / 3.0f);
    EXPECT_FLOAT_EQ(t.m[5], 0.5f);
}

TEST_F(SpriteTest, TheDurationIsTheTextAfterTheLastColon)
{
    const std::string text = "5\n1\n5\n" + png +
                             "\nRun1:3:0.25\n0.2\nRun3:   0.3 seconds\nRun4: fast\n"
                             "Run5 has no colon\n";
    SpriteSheet* sheet = LoadText(text);
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(sheet->frameDurations, (std::vector<float>{0.25f, 0.2f, 0.3f, 0.0f, 0.0f}));
}

TEST_F(SpriteTest, WindowsLineEndingsReadLikeUnixOnes)
{
    std::string text = SheetText(3, 1, 3, png, "0.05");
    std::string crlf;
    for (char c : text) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    SpriteSheet* sheet = LoadText(crlf);
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(sheet->frameCount, 3u);
    EXPECT_NE(sheet->texture, nullptr) << "no CR left at the end of the picture's path";
    EXPECT_EQ(sheet->frameDurations, (std::vector<float>{0.05f, 0.05f, 0.05f}));
}

TEST_F(SpriteTest, MissingFrameLinesAndUnusableDurationsLastNoTime)
{
    SpriteSheet* sheet = LoadText("6\n1\n6\n" + png + "\nA:0.1\nB:nan\nC:-0.5\nD:inf\nE:1e60");
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(sheet->frameDurations, (std::vector<float>{0.1f, 0, 0, 0, 0, 0}));
}

TEST_F(SpriteTest, AtSixtyFramesASecondAndSpeedPointSixFiveEveryFrameStaysTenDraws)
{
    Sprite* sprite = MakeSprite(LoadText(SheetText(8, 1, 8, png, "0.1")));
    sprite->animationSpeed = 0.65f;
    FrameTime = 1.0 / 60.0;
    std::vector<uint32_t> shown;
    for (int i = 0; i < 8 * 2; ++i)
    {
        EXPECT_EQ(DrawsUntilTheFrameChanges(sprite), 10) << "frame " << sprite->frame;
        shown.push_back(sprite->frame);
    }
    EXPECT_EQ(shown, (std::vector<uint32_t>{1, 2, 3, 4, 5, 6, 7, 0, 1, 2, 3, 4, 5, 6, 7, 0}))
        << "after the last frame comes the first";
}

TEST_F(SpriteTest, OnlyAPlayingSpriteWithASheetAnimates)
{
    Sprite* sprite = MakeSprite(LoadText(SheetText(2, 1, 2, png, "0.01")));
    sprite->playing = false;
    EXPECT_EQ(DrawsUntilTheFrameChanges(sprite, 20), 0);

    Sprite* bare = MakeSprite(nullptr);
    Animate(bare);
    EXPECT_EQ(bare->frame, 0u);
    EXPECT_FLOAT_EQ(bare->frameTimer, 0.0f);
}

TEST_F(SpriteTest, ASpriteThatDoesNotLoopStopsOnItsLastFrame)
{
    Sprite* sprite = MakeSprite(LoadText(SheetText(3, 1, 3, png, "0.01")));
    sprite->looping = false;
    for (int i = 0; i < 10; ++i) sprite->Draw(nullptr);
    EXPECT_EQ(sprite->frame, 2u);
    EXPECT_FALSE(sprite->playing);
}

TEST_F(SpriteTest, AFrameOfNoTimeIsReplacedAtTheNextDraw)
{
    Sprite* sprite = MakeSprite(LoadText("3\n1\n3\n" + png + "\nA:0.01\nB:\nC:0.5\n"));
    sprite->Draw(nullptr);
    EXPECT_EQ(sprite->frame, 1u);
    sprite->Draw(nullptr);
    EXPECT_EQ(sprite->frame, 2u);
}

TEST_F(SpriteTest, SetFrameRefusesFramesTheSheetDoesNotHave)
{
    Sprite* sprite = MakeSprite(LoadText(SheetText(8, 1, 8, png, "0.1")));
    SetFrame(sprite, 3);
    sprite->frameTimer = 0.05f;
    const Matrix3 before = sprite->frameTransform;
    for (uint32_t f : {8u, 9u, 0xFFFFFFFFu})
    {
        SetFrame(sprite, f);
        EXPECT_EQ(sprite->frame, 3u) << f;
        EXPECT_FLOAT_EQ(sprite->frameTimer, 0.05f);
        EXPECT_EQ(std::memcmp(&before, &sprite->frameTransform, sizeof before), 0);
    }
    SetFrame(sprite, 7);
    EXPECT_EQ(sprite->frame, 7u);
    EXPECT_FLOAT_EQ(sprite->frameTimer, 0.0f) << "a new frame starts its time afresh";
}

TEST_F(SpriteTest, SetSheetShowsFrameZeroOfTheNewSheetAndANullSheetDetaches)
{
    SpriteSheet* run = LoadText(SheetText(8, 1, 8, png, "0.1"));
    SpriteSheet* idle =
        LoadText(SheetText(2, 1, 2, WriteScenePng("idle.png", 8, 4, 0xFF0000FF), "0.2"));
    Sprite* sprite = MakeSprite(run);
    SetFrame(sprite, 6);
    SetSheet(sprite, idle);
    EXPECT_EQ(sprite->frame, 0u);
    EXPECT_EQ(sprite->texture, idle->texture);
    EXPECT_FLOAT_EQ(sprite->frameTransform.m[0], 0.5f);

    SetSheet(sprite, nullptr);
    EXPECT_EQ(sprite->sheet, nullptr);
    EXPECT_EQ(sprite->texture, idle->texture);
    SetSheet(nullptr, run); // nothing to do, nothing to crash
}

TEST_F(SpriteTest, TheSpriteDrawsItsCellAndLeavesIdentityBehind)
{
    Sprite* sprite = MakeSprite(LoadText(SheetText(8, 1, 8, png, "0.1")));
    SetFrame(sprite, 2);
    sprite->Draw(nullptr);
    EXPECT_EQ(BoundTexture, sprite->texture);
    const TextureScaleOffset t = CurrentTextureScaleOffset();
    EXPECT_FLOAT_EQ(t.sx, 1.0f);
    EXPECT_FLOAT_EQ(t.ox, 0.0f);
}

TEST_F(SpriteTest, ASpriteDrawnThroughTwoCamerasAdvancesTwicePerFrame)
{
    Sprite* sprite = MakeSprite(LoadText(SheetText(8, 1, 8, png, "0.01")));
    RenderLayer* main = GetOrCreateLayer("Main");
    AddObject(main, sprite);
    CreateCamera("MainCam", "Main");
    DrawLayers();
    EXPECT_EQ(sprite->frame, 1u);
    CreateCamera("FrameCam", "Main");
    DrawLayers();
    EXPECT_EQ(sprite->frame, 3u);
}

// ---- what a modder's file may hold ----

TEST_F(SpriteTest, FilesThatCannotBeUsedGiveNoSheetAndKeepNothing)
{
    const int textures = LiveTextureCount();
    EXPECT_EQ(LoadSpriteSheet(nullptr), nullptr);
    EXPECT_EQ(LoadSpriteSheet(SceneFilePath("no_such_sheet").c_str()), nullptr);
    const std::pair<const char*, std::string> bad[] = {
        {"empty", ""},
        {"no rows", "8\n0\n8\n" + png + "\n"},
        {"no columns", "8\n1\n0\n" + png + "\n"},
        {"no frames", "0\n1\n8\n" + png + "\n"},
        {"negative frames", "-8\n1\n8\n" + png + "\n"},
        {"negative columns", "8\n1\n-8\n" + png + "\n"},
        {"absurd frames", "4097\n1\n8\n" + png + "\n"},
        {"absurd rows", "8\n100000\n8\n" + png + "\n"},
        {"letters", "eight\n1\n8\n" + png + "\n"},
        {"two blanks", "8  1 8\n" + png + "\n"},
        {"leading blank", " 8\n1\n8\n" + png + "\n"},
        {"header cut short", "8\n1\n"},
        {"huge number", "99999999999999999999\n1\n8\n" + png + "\n"},
    };
    for (const auto& [what, text] : bad) EXPECT_EQ(LoadText(text), nullptr) << what;
    EXPECT_TRUE(SpriteSheetList.empty());
    EXPECT_EQ(LiveTextureCount(), textures) << "no picture is loaded for an unusable sheet";
}

TEST_F(SpriteTest, ASheetWhosePictureIsMissingIsKeptWithoutATexture)
{
    SpriteSheet* sheet = LoadText(SheetText(4, 1, 4, SceneFilePath("missing.png"), "0.1"));
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(sheet->texture, nullptr);
    EXPECT_EQ(sheet->frameDurations.size(), 4u);

    SpriteSheet* pathless = LoadText("2\n1\n2");
    ASSERT_NE(pathless, nullptr) << "a header alone is a sheet without picture or durations";
    EXPECT_EQ(pathless->texture, nullptr);
    EXPECT_EQ(pathless->frameDurations, (std::vector<float>{0, 0}));
    EXPECT_EQ(SpriteSheetList.size(), 2u);
}

TEST_F(SpriteTest, OverlongLinesAreCutAndTheRestOfTheFileStillReads)
{
    const std::string label(1000, 'x');
    const std::string path(400, 'p');
    SpriteSheet* sheet = LoadText("3\n1\n3\n" + path + "\n" + label + ":0.5\n0." +
                                  std::string(600, '1') + "\nC:0.75\n");
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(sheet->texture, nullptr);
    ASSERT_EQ(sheet->frameDurations.size(), 3u);
    EXPECT_FLOAT_EQ(sheet->frameDurations[0], 0.5f);
    EXPECT_NEAR(sheet->frameDurations[1], 0.1111111f, 1e-6);
    EXPECT_FLOAT_EQ(sheet->frameDurations[2], 0.75f) << "the cut line did not spill over";
}

// ReadIntToken straight from a stream holding `text`.
std::vector<std::pair<bool, int>> ReadTokens(const std::string& text, int count)
{
    FILE* stream = std::tmpfile();
    std::fwrite(text.data(), 1, text.size(), stream);
    std::rewind(stream);
    std::vector<std::pair<bool, int>> results;
    for (int i = 0; i < count; ++i)
    {
        int value = -77;
        const bool ok = ReadIntToken(stream, &value);
        results.push_back({ok, value});
    }
    std::fclose(stream);
    return results;
}

using Reads = std::vector<std::pair<bool, int>>;

TEST(ReadIntTokenTest, ReadsAsAtoiAndConsumesOneEndCharacter)
{
    EXPECT_EQ(ReadTokens("12-3 - 7", 4), (Reads{{true, 12}, {true, 0}, {true, 7}, {true, 0}}))
        << "the token at the end of the file ends there, and after it the value is 0";
    EXPECT_EQ(ReadTokens(" 5\n", 2), (Reads{{false, -77}, {true, 5}}))
        << "a failed read consumes its character and leaves the value alone";
    EXPECT_EQ(ReadTokens("", 1), (Reads{{false, -77}}));
    int value = 3;
    EXPECT_FALSE(ReadIntToken(nullptr, &value));
    EXPECT_EQ(value, 3);
}

TEST(ReadIntTokenTest, LongNumbersAreCutToTwelveCharactersAndClampedToInt)
{
    EXPECT_EQ(ReadTokens("0000000000001234 8\n", 2), (Reads{{true, 0}, {true, 8}}));
    EXPECT_EQ(ReadTokens("123456789012345 -123456789012345 ", 2),
              (Reads{{true, INT32_MAX}, {true, INT32_MIN}}));
}
} // namespace
