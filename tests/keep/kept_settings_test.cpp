// kept_settings_test.cpp: settings.ini read, written and survived when damaged.
#include "engine/input/input_state.h"
#include "engine/platform/platform_scripted.h"
#include "engine/system/window.h"
#include "game/audio/sound_system.h"
#include "game/saves/kept_settings.h"
#include "game/frontend/settings.h"
#include "game/saves/ini_reader.h"
#include "game/saves/kept_file.h"
#include "tests/keep/kept_folder.h"

#include <gtest/gtest.h>

#include <cmath>

namespace
{
struct Case
{
    const char* what;
    std::string text;
    KeptSettings expected;
    int badLine;
};

KeptSettings With(float music, float effects, bool muted, bool fullscreen, uint32_t w, uint32_t h)
{
    return {music, effects, muted, fullscreen, w, h};
}

const KeptSettings DEFAULTS;

TEST(KeptSettings, ReadsWhatItCanAndNamesTheFirstLineItCannot)
{
    const Case cases[] = {
        {"empty", "", DEFAULTS, 0},
        {"all of it",
         "[sound]\nmusic_volume=0.25\neffects_volume = 0.5\nmuted = yes\n[window]\n"
         "fullscreen = off\nwidth = 1280\nheight = 720\n",
         With(0.25f, 0.5f, true, false, 1280, 720), 0},
        {"missing keys take defaults", "[sound]\nmuted = true\n", With(1, 1, true, true, 1920, 1080),
         0},
        {"unknown keys and sections are no damage", "[sound]\nbass = 3\n[extra]\nx = y\n",
         DEFAULTS, 0},
        {"garbage", "\x7f" "ELF\x01\x02\x03 binary junk\n", DEFAULTS, 1},
        {"lines before a NUL byte are read",
         std::string("[sound]\nmusic_volume = 0.5\n\0muted=1\n", 36),
         With(0.5f, 1, false, true, 1920, 1080), 3},
        {"a value cut by a NUL is not read", std::string("[sound]\nmusic_volume = 0.5\0\0", 29),
         DEFAULTS, 2},
        {"comments as the README writes them",
         "[sound]\nmusic_volume = 0.75      # 0 to 1\nmuted = false ; no\n# all\n; of it\n",
         With(0.75f, 1, false, true, 1920, 1080), 0},
        {"a line over the limit is damaged whole, never split",
         "[window]\n# " + std::string(500, '-') + " width = 1280\nheight = 720\n",
         With(1, 1, false, true, 1920, 720), 2},
        {"a line of the limit's length before its CR LF",
         "[window]\r\n#" + std::string(INI_LINE_LIMIT - 1, '-') + "\r\nwidth = 1280\r\n",
         With(1, 1, false, true, 1280, 1080), 0},
        {"a byte-order mark and CR LF", "\xEF\xBB\xBF[sound]\r\nmuted = on\r\n",
         With(1, 1, true, true, 1920, 1080), 0},
        {"a section without its bracket", "[sound\nmuted = on\n", With(1, 1, false, true, 1920, 1080), 1},
        {"NaN", "[sound]\nmusic_volume = nan\n", DEFAULTS, 2},
        {"infinity", "[sound]\neffects_volume = inf\n", DEFAULTS, 2},
        {"above 1", "[sound]\nmusic_volume = 1.05\n", DEFAULTS, 2},
        {"below 0", "[sound]\nmusic_volume = -0.05\n", DEFAULTS, 2},
        {"a word for a number", "[sound]\nmusic_volume = loud\n", DEFAULTS, 2},
        {"trailing junk", "[sound]\nmusic_volume = 0.5x\n", DEFAULTS, 2},
        {"readable values stay", "[sound]\nmusic_volume = 0.3\neffects_volume = 7\n",
         With(0.3f, 1, false, true, 1920, 1080), 3},
        {"a flag that is neither", "[window]\nfullscreen = maybe\n", DEFAULTS, 2},
        {"a size too small", "[window]\nwidth = 100\n", DEFAULTS, 2},
        {"a size too large", "[window]\nheight = 99999999999\n", DEFAULTS, 2},
        {"a negative size", "[window]\nwidth = -1280\n", DEFAULTS, 2},
        {"a line that is no key", "[sound]\nmusic_volume\n", DEFAULTS, 2},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        KeptSettings read;
        EXPECT_EQ(ParseSettings(c.text, &read), c.badLine);
        EXPECT_EQ(read.musicVolume, c.expected.musicVolume);
        EXPECT_EQ(read.effectsVolume, c.expected.effectsVolume);
        EXPECT_EQ(read.muted, c.expected.muted);
        EXPECT_EQ(read.fullscreen, c.expected.fullscreen);
        EXPECT_EQ(read.windowWidth, c.expected.windowWidth);
        EXPECT_EQ(read.windowHeight, c.expected.windowHeight);
    }
}

TEST(KeptSettings, EveryVolumeTheButtonsReachReadsBackExactly)
{
    float volume = 1.0f;
    for (int press = 0; press < 25; ++press)
    {
        volume = std::fmax(0.0f, volume - 0.05f);
        KeptSettings written = With(volume, 1.0f - volume, press % 2, press % 3, 1600, 900);
        KeptSettings read;
        ASSERT_EQ(ParseSettings(FormatSettings(written), &read), 0);
        EXPECT_EQ(read.musicVolume, written.musicVolume);
        EXPECT_EQ(read.effectsVolume, written.effectsVolume);
        EXPECT_EQ(read.muted, written.muted);
        EXPECT_EQ(read.fullscreen, written.fullscreen);
        EXPECT_EQ(read.windowWidth, 1600u);
    }
}

class KeptSettingsFile : public KeptFolderTest
{
  protected:
    void SetUp() override
    {
        KeptFolderTest::SetUp();
        MusicVolume = EffectsVolume = 1.0f;
        SoundMuted = IsFullscreen = false;
    }
    // A start of the game: the file is read and applied, the window "opens" as asked.
    void Start()
    {
        IsFullscreen = LoadKeptSettings();
        RememberedWindow.width = WindowWidth;
        RememberedWindow.height = WindowHeight;
    }
    std::string Path() const { return config + "/vantara/settings.ini"; }
};

TEST_F(KeptSettingsFile, AVolumeChangedInOneRunIsThereInTheNext)
{
    Start();
    EXPECT_EQ(MusicVolume, 1.0f);
    EXPECT_TRUE(IsFullscreen);
    KeepSettingsIfChanged();
    EXPECT_FALSE(FileExists(Path())) << "nothing changed, nothing written";

    MusicVolume = 0.75f;
    SoundMuted = true;
    KeepSettingsIfChanged();
    ASSERT_TRUE(FileExists(Path()));
    EXPECT_FALSE(FileExists(Path() + ".tmp"));

    MusicVolume = 1.0f;
    SoundMuted = false;
    Start();
    EXPECT_EQ(MusicVolume, 0.75f);
    EXPECT_TRUE(SoundMuted);
    EXPECT_TRUE(IsFullscreen);
}

TEST_F(KeptSettingsFile, AWindowSizeComesBackWithTheNextSizeOfTheButton)
{
    Start();
    IsFullscreen = false;
    WindowWidth = 1280;
    WindowHeight = 720;
    KeepSettingsIfChanged();
    WindowWidth = 1920;
    WindowHeight = 1080;
    Start();
    EXPECT_FALSE(IsFullscreen);
    EXPECT_EQ(WindowWidth, 1280u);
    EXPECT_EQ(WindowHeight, 720u);
    EXPECT_EQ(ResolutionIndex, 1) << "after 1280 x 720 the button gives 1920 x 1080";
}

// A window edge dragged for two and a half seconds, then a volume clicked, and clicked again a
// quarter of a second later with the button held a while: frames of 1/60 s on the virtual
// clock, with the settings kept after each, as the game does.
TEST_F(KeptSettingsFile, SettingsOnTheMoveAreWrittenAtMostOnceASecondAndOnRelease)
{
    ScriptedReset();
    ASSERT_TRUE(CreateGameWindow());
    InitInput();
    Start();
    IsFullscreen = false;
    std::vector<double> writes; // when the file on disk changed
    std::string onDisk;
    auto frames = [&](int count) {
        for (int i = 0; i < count; ++i)
        {
            ScriptedAdvanceClock(1.0 / 60.0);
            PlatformPumpMessages();
            UpdateInput();
            KeepSettingsIfChanged();
            const std::string now = ReadFile(Path());
            if (now != onDisk) writes.push_back(ScriptedClockSeconds());
            onDisk = now;
        }
    };
    for (uint32_t width = 1000; width < 1150; ++width)
    {
        WindowWidth = width;
        frames(1);
    }
    ASSERT_EQ(writes.size(), 3u) << "at the start of the drag, a second in and two seconds in";
    EXPECT_GE(writes[2] - writes[1], 1.0);
    frames(1);
    ASSERT_EQ(writes.size(), 4u) << "written as soon as the edge rests";
    EXPECT_NE(onDisk.find("width = 1149"), std::string::npos) << onDisk;

    frames(120);
    ScriptedMouseButton(0, true);
    MusicVolume = 0.95f; // what the click on the settings window's minus does
    frames(3);
    ScriptedMouseButton(0, false);
    frames(12);
    ASSERT_EQ(writes.size(), 5u) << "a lone click is written at once";
    ScriptedMouseButton(0, true);
    MusicVolume = 0.9f;
    frames(15);
    EXPECT_EQ(writes.size(), 5u) << "not while the button is held within the second";
    ScriptedMouseButton(0, false);
    frames(1);
    ASSERT_EQ(writes.size(), 6u) << "written on release";
    EXPECT_LT(writes[5] - writes[4], 1.0);
    EXPECT_NE(onDisk.find("music_volume = 0.9"), std::string::npos) << onDisk;
    DestroyGameWindow();
}

TEST_F(KeptSettingsFile, ADamagedFileGivesDefaultsOneLineAndIsSetAsideNotLost)
{
    const std::string damaged = "[sound]\nmusic_volume = 0.5\neffects_volume = NaN\n";
    WriteFile(Path(), damaged);
    testing::internal::CaptureStderr();
    Start();
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(MusicVolume, 0.5f);
    EXPECT_EQ(EffectsVolume, 1.0f);
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1);
    EXPECT_NE(said.find(Path()), std::string::npos) << said;
    EXPECT_EQ(ReadFile(Path()), damaged) << "not touched before a setting changes";

    EffectsVolume = 0.25f;
    KeepSettingsIfChanged();
    EXPECT_EQ(ReadFile(Path() + ".bad"), damaged);
    EffectsVolume = 1.0f;
    Start();
    EXPECT_EQ(EffectsVolume, 0.25f);
    EXPECT_EQ(MusicVolume, 0.5f);
}

TEST_F(KeptSettingsFile, AHugeOrUnreadableFileIsDamagedToo)
{
    WriteFile(Path(), std::string(KEPT_FILE_LIMIT + 1, '#'));
    testing::internal::CaptureStderr();
    Start();
    EXPECT_NE(testing::internal::GetCapturedStderr().find("cannot be read"), std::string::npos);
    EXPECT_EQ(MusicVolume, 1.0f);

    RemoveFile(Path());
    MakeFolder(Path()); // a folder where the file should be
    testing::internal::CaptureStderr();
    Start();
    EXPECT_NE(testing::internal::GetCapturedStderr().find(Path()), std::string::npos);
}

TEST_F(KeptSettingsFile, AFolderThatCannotBeWrittenIsSaidOnceAndPlayGoesOn)
{
    // A file where the folder should be: no user, root included, can write under it.
    WriteFile(config + "/vantara", "not a folder");
    Start();
    testing::internal::CaptureStderr();
    MusicVolume = 0.5f;
    KeepSettingsIfChanged();
    MusicVolume = 0.25f;
    KeepSettingsIfChanged();
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    EXPECT_EQ(MusicVolume, 0.25f);
}

TEST_F(KeptSettingsFile, NothingIsReadOrWrittenUnlessTheProgramKeepsFiles)
{
    WriteFile(Path(), "[sound]\nmusic_volume = 0.5\n");
    KeepingFiles = false;
    Start();
    EXPECT_EQ(MusicVolume, 1.0f);
    MusicVolume = 0.25f;
    KeepSettingsIfChanged();
    EXPECT_EQ(ReadFile(Path()), "[sound]\nmusic_volume = 0.5\n");
}
} // namespace
