// Loading pictures on the headless renderer: what loads, what is refused, what is counted.
#include "test_images.h"

#include "engine/graphics/image_file.h"
#include "engine/graphics/mesh.h"
#include "engine/graphics/render_device.h"
#include "engine/graphics/texture.h"
#include "engine/platform/platform_scripted.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace
{
class TextureLoadingTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ScriptedReset();
        ReleaseAllTextures();
    }
    void TearDown() override { ReleaseAllTextures(); }
};

TEST_F(TextureLoadingTest, APngLoadsWithItsSizeAndPathAndIsCounted)
{
    std::string path = WriteSolidPng("solid.png", 5, 3, 0xFF112233);
    Texture* t = LoadTexture(path.c_str());
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->Width, 5u);
    EXPECT_EQ(t->Height, 3u);
    EXPECT_EQ(std::string(t->Path), path);
    EXPECT_EQ(LiveTextureCount(), 1);
    Texture* again = LoadTexture(path.c_str());
    EXPECT_NE(again, t) << "nothing is shared";
    EXPECT_EQ(LiveTextureCount(), 2);
    ReleaseTexture(t);
    ReleaseTexture(nullptr);
    EXPECT_EQ(LiveTextureCount(), 1);
}

TEST_F(TextureLoadingTest, BackslashesInAPathWork)
{
    WriteSolidPng("slashes.png", 2, 2, 0xFFFFFFFF);
    std::string path = TestFilePath("slashes.png");
    for (char& c : path)
        if (c == '/') c = '\\';
    // An absolute path of backslashes still names the file once they become slashes.
    EXPECT_NE(LoadTexture(path.c_str()), nullptr);
}

TEST_F(TextureLoadingTest, BadFilesGiveNullAndLeaveNothingBehind)
{
    std::string good = WriteSolidPng("good.png", 16, 16, 0xFF00FF00);
    std::vector<uint8_t> bytes = ReadTestFile(good);
    ASSERT_GT(bytes.size(), 40u);
    std::vector<uint8_t> half(bytes.begin(), bytes.begin() + bytes.size() / 2);
    const std::string paths[] = {
        TestFilePath("missing.png"),
        WriteTestFile("truncated.png", half),
        WriteTestFile("text.png", {'n', 'o', 't', ' ', 'a', ' ', 'p', 'n', 'g'}),
        WriteTestFile("empty.png", {}),
        TestFilePath(""), // a folder
    };
    for (const std::string& path : paths) EXPECT_EQ(LoadTexture(path.c_str()), nullptr) << path;
    EXPECT_EQ(LoadTexture(nullptr), nullptr);
    EXPECT_EQ(LiveTextureCount(), 0);
}

// With nothing drawn a PNG is not inflated, only checked; a damaged file must still load, or
// fail, exactly as decoding it would decide.
TEST_F(TextureLoadingTest, DamagedPicturesLoadHeadlessExactlyWhenADecodeWould)
{
    std::vector<uint8_t> pattern(24 * 18 * 4);
    for (size_t i = 0; i < pattern.size(); ++i) pattern[i] = static_cast<uint8_t>(i * 29 + i / 5);
    const std::vector<uint8_t> good = ReadTestFile(WriteTestPng("pattern.png", 24, 18, 4, pattern));
    constexpr size_t IDAT_DATA = 41; // signature, IHDR chunk, IDAT length and type
    ASSERT_GT(good.size(), IDAT_DATA + 40);
    const size_t crcOfIdat = good.size() - 12 - 4;
    struct Damage
    {
        const char* what;
        size_t at; // byte cut at or flipped
        bool cut;
    };
    const Damage cases[] = {
        {"cut in the signature", 5, true},         {"cut in IHDR", 20, true},
        {"cut after IHDR", 33, true},               {"cut in the pixels", IDAT_DATA + 20, true},
        {"cut before IEND", good.size() - 12, true}, {"last byte cut", good.size() - 1, true},
        {"flipped signature", 1, false},           {"flipped size", 18, false},
        {"flipped colour type", 25, false},         {"flipped zlib header", IDAT_DATA, false},
        {"flipped pixels", IDAT_DATA + 9, false},   {"flipped pixels", IDAT_DATA + 30, false},
        {"flipped IDAT checksum", crcOfIdat, false}, {"flipped IEND", good.size() - 6, false},
    };
    for (const Damage& damage : cases)
    {
        std::vector<uint8_t> bytes = good;
        if (damage.cut)
            bytes.resize(damage.at);
        else
            bytes[damage.at] ^= 0x10;
        ImageRGBA decoded;
        const bool decodes = DecodeImage(bytes, &decoded, BOTTOM_ROW_FIRST);
        Texture* t = LoadTexture(WriteTestFile("damaged.png", bytes).c_str());
        ASSERT_EQ(t != nullptr, decodes) << damage.what << " at " << damage.at;
        if (t)
        {
            EXPECT_EQ(t->Width, uint32_t(decoded.width)) << damage.what;
            EXPECT_EQ(t->Height, uint32_t(decoded.height)) << damage.what;
        }
        ReleaseTexture(t);
    }
    std::vector<uint8_t> trailing = good;
    trailing.push_back(0);
    EXPECT_NE(LoadTexture(WriteTestFile("trailing.png", trailing).c_str()), nullptr)
        << "a byte after the end is ignored, as the decoder ignores it";
}

// A PNG signature and a header chunk that declares the given size, followed by nothing.
std::vector<uint8_t> PngHeaderOnly(uint32_t width, uint32_t height)
{
    std::vector<uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13,
                                'I',  'H', 'D', 'R'};
    for (uint32_t v : {width, height})
        for (int shift = 24; shift >= 0; shift -= 8) png.push_back((v >> shift) & 0xFF);
    for (uint8_t b : {8, 6, 0, 0, 0}) png.push_back(b); // 8-bit RGBA, no interlace
    for (int i = 0; i < 4; ++i) png.push_back(0);       // CRC (stb_image does not check it)
    return png;
}

TEST_F(TextureLoadingTest, AHostileHeaderIsRefusedBeforeAnythingIsAllocated)
{
    for (auto size : {std::pair<uint32_t, uint32_t>{100000, 100000}, {16385, 4},
                      {12000, 12000}, {0x7FFFFFFF, 1}})
    {
        std::string path = WriteTestFile("huge.png", PngHeaderOnly(size.first, size.second));
        EXPECT_EQ(LoadTexture(path.c_str()), nullptr) << size.first << " x " << size.second;
    }
    std::string path = WriteTestFile("declared.png", PngHeaderOnly(4000, 4000));
    EXPECT_EQ(LoadTexture(path.c_str()), nullptr) << "a sane size with no pixel data";
    EXPECT_EQ(LiveTextureCount(), 0);
}

TEST_F(TextureLoadingTest, PathsOf256CharactersAreRefusedAnd255AreTried)
{
    char cwd[4096];
    ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
    WriteSolidPng("probe.png", 1, 1, 0xFFFFFFFF);
    ASSERT_EQ(chdir(TestFilePath("").c_str()), 0);
    std::string name255 = std::string(251, 'a') + ".png";
    std::string name254 = std::string(250, 'b') + ".png";
    WriteSolidPng(name255, 2, 2, 0xFFFFFFFF);
    WriteSolidPng(name254, 2, 2, 0xFFFFFFFF);
    std::string path256 = "./" + name254;
    ASSERT_EQ(name255.size(), 255u);
    ASSERT_EQ(path256.size(), 256u);
    EXPECT_NE(LoadTexture(name255.c_str()), nullptr);
    EXPECT_EQ(LoadTexture(path256.c_str()), nullptr) << "the file exists, the path is too long";
    EXPECT_EQ(chdir(cwd), 0);
}

TEST_F(TextureLoadingTest, ExitReportsForgottenResourcesInTheExactWordsAndReleasesThem)
{
    std::string path = WriteSolidPng("leak.png", 2, 2, 0xFFFFFFFF);
    ASSERT_NE(LoadTexture(path.c_str()), nullptr);
    ASSERT_NE(CreateUnitQuad(), nullptr);
    ShutdownGraphics();
    ASSERT_EQ(ScriptedMessageBoxes().size(), 1u);
    EXPECT_EQ(ScriptedMessageBoxes()[0].caption, "ERROR");
    EXPECT_EQ(ScriptedMessageBoxes()[0].text,
              "NOT ALL RESOURCES HAVE BEEN RELEASED!\n"
              "\t\t\t\t\t\t  Remaining Textures = 1\n"
              "\t\t\t\t\t\t  Remaining Triangle Meshes = 1\n"
              "\t\t\t\t\t\t  Remaining Fonts = 0\n"
              "\t\t\t\t\t\t  Remaining Render Textures = 0\n");
    EXPECT_EQ(LiveTextureCount(), 0);
    EXPECT_EQ(LiveMeshCount(), 0);

    ShutdownGraphics();
    EXPECT_EQ(ScriptedMessageBoxes().size(), 1u) << "nothing left, nothing said";
}
} // namespace
