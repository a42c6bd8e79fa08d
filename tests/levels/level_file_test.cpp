// level_file_test.cpp: level files read strictly and written back byte for byte; what is no
// level is refused with its file and line, and thousands of damaged files never harm the game.
#include "engine/platform/platform_scripted.h"
#include "game/levels/content_hash.h"
#include "game/levels/level.h"
#include "tools/replay/replay_runner.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace
{
std::string ShippedText(const LevelDefinition& level)
{
    FILE* file = std::fopen(level.file, "rb");
    std::string text;
    if (!file) return text;
    char buffer[4096];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) text.append(buffer, got);
    std::fclose(file);
    return text;
}

// A small level that has every kind of line.
const char* const SMALL = "# a comment before the format line\n"
                          "vantara-level 1\n"
                          "title A small level\n"
                          "background ruins\n"
                          "music levels\n"
                          "exits hidden\n"
                          "start -800 -350\n"
                          "solid 0 -500 1920 100 Floor\n"
                          "enemy 0 -440 -80 80 Enemy left=-500 right=500 stunnable=yes\n"
                          "rock 450 650 150 150 Rock reset=650  # falls for ever\n"
                          "exit 960 350 90 350 Complete\n"
                          "layer frame\n"
                          "platform -740 -500 600 100 FloorPlat picture=bounce-pad\n";

std::string Replace(std::string text, const std::string& from, const std::string& to)
{
    const size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}
} // namespace

TEST(LevelFile, EveryShippedLevelReadsAndWritesBackByteForByte)
{
    for (size_t i = 0; i < LevelCount; ++i)
    {
        const LevelDefinition& shipped = LevelCatalogue[i];
        SCOPED_TRACE(shipped.file);
        const std::string text = ShippedText(shipped);
        LevelFile level;
        std::string error;
        ASSERT_TRUE(ReadLevelFile(text, shipped.file, &level, &error)) << error;
        EXPECT_EQ(WriteLevelFile(level), text);
        EXPECT_TRUE(CheckLevel(level, &error)) << error;
        // Comments change neither the content nor the key it is known by.
        LevelFile bare = level;
        bare.objects.front().comments = {};
        bare.epilogue = {"# another ending"};
        EXPECT_EQ(LevelContentHash(bare), LevelContentHash(level));
        EXPECT_EQ(LevelKey(level).size(), 16u);
    }
    LevelFile small;
    std::string error;
    ASSERT_TRUE(ReadLevelFile(SMALL, "small.level", &small, &error)) << error;
    EXPECT_EQ(WriteLevelFile(small), SMALL);
    ASSERT_EQ(small.objects.size(), 5u);
    EXPECT_EQ(small.objects[1].w, -80.0f);
    EXPECT_TRUE(small.objects[1].stunnable);
    EXPECT_EQ(small.objects[1].picture, PICTURE_GROUND_ENEMY);
    EXPECT_EQ(small.objects[2].reset, 650);
    EXPECT_FALSE(small.objects[3].inFrame);
    EXPECT_TRUE(small.objects[4].inFrame);
    EXPECT_EQ(small.objects[4].picture, PICTURE_BOUNCE_PAD);
}

TEST(LevelFile, AnEditedModelWritesWhatReadsBackAsTheSameModel)
{
    // What an editor does: new objects of every kind, odd numbers, a moved start.
    LevelFile level;
    level.title = "Made here";
    level.startX = 0.1f;
    level.startY = -1234.5678f;
    for (int type = 0; type < OBJECT_TYPE_COUNT; ++type)
        level.objects.push_back(NewLevelObject(static_cast<LevelObjectType>(type),
                                               1.0f / 3.0f * static_cast<float>(type), -7e-7f));
    level.objects.back().inFrame = true;
    std::string problem;
    ASSERT_TRUE(CheckLevel(level, &problem)) << problem;
    const std::string text = WriteLevelFile(level);
    LevelFile read;
    ASSERT_TRUE(ReadLevelFile(text, "made.level", &read, &problem)) << problem << "\n" << text;
    EXPECT_EQ(WriteLevelFile(read), text);
    EXPECT_EQ(LevelContentHash(read), LevelContentHash(level));
    for (size_t i = 0; i < level.objects.size(); ++i)
    {
        EXPECT_EQ(read.objects[i].x, level.objects[i].x);
        EXPECT_EQ(read.objects[i].y, level.objects[i].y);
    }
    EXPECT_EQ(read.startY, -1234.5678f);
    level.objects.pop_back();
    level.objects.erase(level.objects.begin() + OBJECT_EXIT);
    EXPECT_FALSE(CheckLevel(level, &problem));
    EXPECT_EQ(problem, "no exit: a level needs at least one");
}

TEST(LevelFile, WhatIsNoLevelIsRefusedWithItsFileAndLine)
{
    std::string crowded = SMALL;
    for (size_t i = 0; i < LEVEL_OBJECT_LIMIT; ++i) crowded += "spikes 0 0 40 40 Spikes\n";
    struct Case
    {
        std::string text, error;
    } cases[] = {
        {"", "f:1: not a level file: it needs the line 'vantara-level 1' first"},
        {"\x89PNG\r\n", "f:1: a character that is not ASCII outside a comment"},
        {Replace(SMALL, "Floor", "Fl\x01oor"), "f:8: a control character (byte 1)"},
        {Replace(SMALL, "vantara-level 1", "vantara-level 2"),
         "f:2: format version 2 is newer than this game reads (1): a newer Vantara made it"},
        {Replace(SMALL, "exit 960 350 90 350", "exit 960 350 90"),
         "f:11: expected: exit X Y W H NAME [FIELD=VALUE ...]"},
        {Replace(SMALL, "exit 960", "exits 960"), "f:11: 'exits' must come before the objects"},
        {Replace(SMALL, "solid 0", "spikez 0"), "f:8: unknown kind 'spikez'"},
        {Replace(SMALL, "start -800 -350\n", ""),
         "f:12: no start line: a level needs one 'start X Y'"},
        {Replace(SMALL, "exit 960 350 90 350 Complete\n", ""),
         "f:12: no exit: a level needs at least one"},
        {Replace(SMALL, "exits hidden\n", "exits hidden\nstart 0 0\n"),
         "f:8: a second 'start' line; a level has one"},
        {std::string(SMALL) + "title Again\n", "f:14: 'title' must come before the objects"},
        {Replace(SMALL, "1920 100", "1920 0"), "f:8: the size must be 1 to 20000"},
        {Replace(SMALL, "1920 100", "-1920 100"), "f:8: the size must be 1 to 20000"},
        {Replace(SMALL, "solid 0 -500", "solid 0 -50000"),
         "f:8: the position lies outside -10000 to 10000"},
        {Replace(SMALL, "start -800", "start nan"), "f:7: X 'nan' is not a decimal number"},
        {Replace(SMALL, "start -800", "start inf"), "f:7: X 'inf' is not a decimal number"},
        {Replace(SMALL, "start -800", "start 1e39"), "f:7: X '1e39' is not a decimal number"},
        {Replace(SMALL, "left=-500", "left=600"), "f:9: left= lies right of right="},
        {Replace(SMALL, " left=-500", ""), "f:9: an enemy needs left= and right="},
        {Replace(SMALL, "reset=650", "reset=6.5"),
         "f:10: reset= must be a whole number from -10000 to 10000"},
        {Replace(SMALL, "Floor", "Floor picture=gold"), "f:8: unknown picture 'gold'"},
        {Replace(SMALL, "Floor", "Floor reset=3"), "f:8: reset= is for rocks only"},
        {Replace(SMALL, "Floor", "player"), "f:8: only the player is named player"},
        {Replace(SMALL, "Floor", "Fl\"oor"),
         "f:8: the name 'Fl\"oor' may hold only letters, digits, _ . and -"},
        {Replace(SMALL, "Floor", "Floor\xc3\xa9"),
         "f:8: a character that is not ASCII outside a comment"},
        {Replace(SMALL, "Floor", std::string(300, 'F')), "f:8: a line longer than 256 bytes"},
        {std::string(SMALL) + "layer frame\n", "f:14: a second 'layer frame'"},
        {crowded, "f:5009: more than 5000 objects"},
        {std::string(SMALL) + "proof 12\n",
         "f:14: expected: proof HASH (the level's 64 hexadecimal digits)"},
        {std::string(SMALL) + "proof " + std::string(64, 'a') + "\n",
         "f:14: the proof has no lines"},
        {std::string(SMALL) + "proof " + std::string(64, 'a') + "\n0 JUMP 0 0 0\n",
         "f:15: unknown key 'JUMP'"},
    };
    for (const Case& c : cases)
    {
        LevelFile level;
        std::string error;
        EXPECT_FALSE(ReadLevelFile(c.text, "f", &level, &error)) << c.error;
        EXPECT_EQ(error, c.error);
    }
}

TEST(LevelFile, ContentHashIsSha256)
{
    EXPECT_EQ(Sha256Hex(""), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
    EXPECT_EQ(Sha256Hex("abc"), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    EXPECT_EQ(Sha256Hex("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq"),
              "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1");
    EXPECT_EQ(Sha256Hex(std::string(1000000, 'a')),
              "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0");
}

// Damaged copies of every shipped level (bytes flipped, dropped or added, lines dropped,
// doubled or swapped, numbers made huge, tiny or no numbers at all), from a fixed seed: each
// is refused with a line of its file, or read into a level that writes back to what it reads
// as, and every 40th level read is built and played for a few frames.
TEST(LevelFile, ThousandsOfDamagedFilesAreRefusedOrPlayedWithoutHarm)
{
    std::mt19937 random(2024);
    const char* const NUMBERS[] = {"nan",       "-inf",  "1e38",     "-0",    "99999999",
                                   "0.0000001", "10000", "-10000.5", "20000", "3.4e38",
                                   "1e-45",     "007",   "-",        "."};
    const char* const WORDS[] = {"exit",          "enemy", "rock",  "layer frame",
                                 "start 1 1",     "proof", "left=", "picture=lava",
                                 "stunnable=yes", "#",     "\t",    "\r"};
    size_t accepted = 0, played = 0, cases = 0;
    for (int round = 0; round < 400; ++round)
        for (size_t i = 0; i < LevelCount; ++i)
        {
            std::string text = ShippedText(LevelCatalogue[i]);
            for (int change = 0, changes = 1 + static_cast<int>(random() % 3); change < changes;
                 ++change)
            {
                const size_t at = random() % text.size();
                const size_t lineStart =
                    text.rfind('\n', at) == std::string::npos ? 0 : text.rfind('\n', at) + 1;
                const size_t lineEnd = std::min(text.find('\n', at), text.size());
                switch (random() % 8)
                {
                case 0:
                    text[at] = static_cast<char>(random());
                    break;
                case 1:
                    text.erase(at, 1 + random() % 8);
                    break;
                case 2:
                    text.insert(at, 1, static_cast<char>(random()));
                    break;
                case 3:
                    text.erase(lineStart, lineEnd - lineStart);
                    break;
                case 4:
                    text.insert(lineStart, text.substr(lineStart, lineEnd - lineStart + 1));
                    break;
                case 5:
                    text.insert(at, NUMBERS[random() % std::size(NUMBERS)]);
                    break;
                case 6:
                    text.insert(at, std::string(" ") + WORDS[random() % std::size(WORDS)] + " ");
                    break;
                case 7:
                    text.resize(at);
                    break;
                }
                if (text.empty()) text = "x";
            }
            ++cases;
            LevelFile level;
            std::string error;
            if (!ReadLevelFile(text, "damaged.level", &level, &error))
            {
                EXPECT_EQ(error.rfind("damaged.level:", 0), 0u) << error;
                continue;
            }
            ++accepted;
            std::string problem;
            EXPECT_TRUE(CheckLevel(level, &problem)) << problem;
            const std::string written = WriteLevelFile(level);
            LevelFile again;
            ASSERT_TRUE(ReadLevelFile(written, "written.level", &again, &error)) << error;
            EXPECT_EQ(WriteLevelFile(again), written);
            if (accepted % 40 != 0) continue;
            ReplaySetup setup;
            setup.useLevel = true;
            setup.level = level;
            setup.frames = 30;
            setup.script = {{0, {}}};
            setup.script[0].input.keys = uint64_t{1} << REPLAY_D;
            class Watch : public ReplayObserver
            {
              public:
                void OnInit(uint64_t) override {}
                void OnFrame(uint64_t, const Player*, ReplayEvent) override { ++frames; }
                int frames = 0;
            } watch;
            RunReplay(setup, &watch);
            EXPECT_GT(watch.frames, 0);
            ++played;
        }
    EXPECT_EQ(cases, 400 * LevelCount);
    // The mix both refuses and accepts plenty: neither side of the reader goes untested.
    EXPECT_GT(accepted, cases / 10);
    EXPECT_LT(accepted, cases * 9 / 10);
    EXPECT_GT(played, 20u);
}

TEST(LevelFile, ABrokenShippedLevelIsSaidOnScreenAndTheSelectorComesBack)
{
    // The data folder as built, but for Level_1's file, which has lost its exit.
    namespace fs = std::filesystem;
    char pattern[] = "/tmp/vantara-levels-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    const fs::path root = pattern, home = fs::current_path();
    fs::create_directories(root / "data" / "levels");
    for (const fs::directory_entry& entry : fs::directory_iterator("data"))
        if (entry.path().filename() != "levels")
            fs::create_symlink(fs::absolute(entry.path()), root / "data" / entry.path().filename());
    for (size_t i = 0; i < LevelCount; ++i)
    {
        std::string text = ShippedText(LevelCatalogue[i]);
        if (LevelCatalogue[i].id == 7) text = Replace(text, "exit 960 350 90 350 Floatingplat\n", "");
        std::ofstream(root / LevelCatalogue[i].file) << text;
    }
    fs::current_path(root);
    class States : public ReplayObserver
    {
      public:
        void OnInit(uint64_t) override {}
        void OnFrame(uint64_t, const Player*, ReplayEvent) override
        {
            if (seen.empty() || seen.back() != CurrentStateId) seen.push_back(CurrentStateId);
        }
        std::vector<GameStateId> seen;
    } states;
    ReplaySetup setup;
    setup.state = GS_LEVEL_SELECTOR;
    std::string error;
    ASSERT_TRUE(ParseScript("0 - -800 -50 0\n2 - -800 -50 1\n3 - -800 -50 0\n20 - 0 0 0\n", "click",
                            &setup.script, &error));
    testing::internal::CaptureStderr();
    RunReplay(setup, &states);
    const std::string said = testing::internal::GetCapturedStderr();
    fs::current_path(home);
    fs::remove_all(root);

    EXPECT_EQ(states.seen, (std::vector<GameStateId>{GS_LEVEL_SELECTOR, 7, GS_LEVEL_SELECTOR}));
    const std::string why = "data/levels/level_1.level:34: no exit: a level needs at least one";
    EXPECT_NE(said.find(why), std::string::npos) << said;
    ASSERT_FALSE(ScriptedMessageBoxes().empty());
    EXPECT_NE(ScriptedMessageBoxes().back().text.find(why), std::string::npos);
}
