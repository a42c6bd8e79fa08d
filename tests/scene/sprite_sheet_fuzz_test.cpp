// The description-file reader against thousands of random and mutated files: it never
// crashes, hangs or reads out of bounds (the sanitizer build checks the last), and every
// sheet it does return is one a sprite can animate safely.
#include "tests/scene/scene_files.h"
#include "tests/scene/scene_test.h"

#include <cmath>
#include <random>

namespace
{
class SheetFuzzTest : public SceneTest
{
  protected:
    // Checks what a returned sheet promises, then plays it for a while.
    void ExpectUsable(SpriteSheet* sheet, const std::string& text)
    {
        ASSERT_GE(sheet->frameCount, 1u) << text;
        ASSERT_LE(sheet->frameCount, MAX_SHEET_CELLS) << text;
        ASSERT_GE(sheet->rows, 1u) << text;
        ASSERT_LE(sheet->rows, MAX_SHEET_CELLS) << text;
        ASSERT_GE(sheet->columns, 1u) << text;
        ASSERT_LE(sheet->columns, MAX_SHEET_CELLS) << text;
        ASSERT_EQ(sheet->frameDurations.size(), sheet->frameCount) << text;
        for (float seconds : sheet->frameDurations)
            ASSERT_TRUE(std::isfinite(seconds) && seconds >= 0.0f) << text;

        Sprite sprite;
        sprite.mesh = UnitQuadMesh;
        SetSheet(&sprite, sheet);
        sprite.playing = true;
        for (int draw = 0; draw < 40; ++draw)
        {
            sprite.Draw(nullptr);
            ASSERT_LT(sprite.frame, sheet->frameCount) << text;
        }
    }
};

std::string RandomBytes(std::mt19937& random, size_t length)
{
    // Mostly characters the format cares about, so that random files get past the header.
    static const char alphabet[] = "0123456789--::\n\n\r .eE+xnaif\t";
    std::string text;
    for (size_t i = 0; i < length; ++i)
    {
        if (random() % 8 == 0)
            text += static_cast<char>(random() % 256);
        else
            text += alphabet[random() % (sizeof alphabet - 1)];
    }
    return text;
}

std::string Mutate(std::mt19937& random, std::string text)
{
    const int edits = 1 + static_cast<int>(random() % 4);
    for (int e = 0; e < edits; ++e)
    {
        const size_t at = text.empty() ? 0 : random() % (text.size() + 1);
        switch (random() % 7)
        {
        case 0: // flip a byte
            if (at < text.size()) text[at] = static_cast<char>(random() % 256);
            break;
        case 1: // insert a few bytes
            text.insert(at, RandomBytes(random, 1 + random() % 6));
            break;
        case 2: // delete a run
            if (at < text.size()) text.erase(at, 1 + random() % 8);
            break;
        case 3: // cut the file short
            text.resize(at);
            break;
        case 4: // a very long run of one character
            text.insert(at, std::string(200 + random() % 400, "9:-x\n"[random() % 5]));
            break;
        case 5: // repeat a piece of the file
            if (at < text.size()) text.insert(at, text.substr(at, 1 + random() % 40));
            break;
        default: // a header number out of range
            text.insert(at, std::to_string(static_cast<int32_t>(random())));
            break;
        }
    }
    return text;
}

TEST_F(SheetFuzzTest, ThousandsOfRandomAndMutatedFilesAreReadSafely)
{
    std::mt19937 random(20240611u);
    const std::string png = WriteScenePng("fuzz.png", 16, 4, 0xFFFFFFFF);
    const std::string valid = SheetText(8, 1, 8, png, "0.1");
    const std::string path = SceneFilePath("fuzz_sheet");
    const int textures = LiveTextureCount();
    int sheetsReturned = 0;

    for (int input = 0; input < 4000; ++input)
    {
        std::string text;
        if (input % 4 == 0)
            text = RandomBytes(random, random() % 400);
        else
            text = Mutate(random, valid);
        WriteSceneFile("fuzz_sheet", text);

        SpriteSheet* sheet = LoadSpriteSheet(path.c_str());
        if (sheet)
        {
            ++sheetsReturned;
            ExpectUsable(sheet, text);
        }
        FreeSpriteSheets();
        ASSERT_EQ(LiveTextureCount(), textures) << text;
        if (HasFatalFailure()) return;
    }
    // The mutations keep enough files intact that the good paths are exercised too.
    EXPECT_GT(sheetsReturned, 500);
}
} // namespace
