// music_test.cpp: which music plays where, heard through the loopback device.
//
// The three pieces of music are replaced by coded stand-ins: on every sixtieth of a second
// (one game frame of the mix) each plays a pure tone whose pitch names the piece and the
// frame of the piece. The mix of a frame is taken apart by those pitches, so a test hears
// which music plays, how many copies of it, and where each copy stands: going on from where
// it was, or from its beginning.
#include "engine/platform/audio.h"
#include "game/audio/sound_system.h"
#include "game/gameplay/player.h"
#include "game/levels/level.h"
#include "tests/audio/wav_files.h"
#include "tests/frontend/frontend_harness.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

namespace
{
namespace fs = std::filesystem;

constexpr int RATE = 48000;
constexpr int FRAME = RATE / 60; // samples of one game frame; tone k completes k cycles in it
constexpr int PIECE_FRAMES = 50; // a stand-in is this many frames long, then loops
constexpr double PI = 3.14159265358979323846;

enum Music
{
    MENU,
    TUTORIAL,
    LEVELS,
    MUSIC_COUNT,
    SILENCE = MUSIC_COUNT
};
const char* const NAMES[] = {"menu", "tutorial", "levels", "silence"};
const char* const FILES[] = {"Adagio.ogg", "Tutorial.ogg", "SubTrain_v1.ogg"};
// The tone of frame f of piece m is FIRST_TONE[m] + f; the three ranges do not meet.
constexpr int FIRST_TONE[] = {20, 80, 140};

std::vector<uint8_t> CodedPiece(Music music)
{
    std::vector<uint8_t> bytes;
    for (int f = 0; f < PIECE_FRAMES; ++f)
        for (int n = 0; n < FRAME; ++n)
        {
            const double value = 0.5 * std::sin(2.0 * PI * (FIRST_TONE[music] + f) * n / FRAME);
            const auto sample = static_cast<uint16_t>(std::lround(value * 32767));
            bytes.push_back(static_cast<uint8_t>(sample));
            bytes.push_back(static_cast<uint8_t>(sample >> 8));
        }
    WavFormat format;
    format.sampleRate = RATE;
    return WavBytes(format, bytes);
}

// Strength of tone k in one frame of the mix (both channels summed).
double ToneStrength(const std::vector<float>& mix, int k)
{
    static const std::vector<double> cosines = [] {
        std::vector<double> table(FRAME);
        for (int n = 0; n < FRAME; ++n) table[n] = std::cos(2.0 * PI * n / FRAME);
        return table;
    }();
    double re = 0.0, im = 0.0;
    for (int n = 0, phase = 0; n < FRAME; ++n, phase = (phase + k) % FRAME)
    {
        const double s = mix[2 * n] + mix[2 * n + 1];
        re += s * cosines[phase];
        im += s * cosines[(phase + FRAME - FRAME / 4) % FRAME]; // the sine, a quarter behind
    }
    return std::sqrt(re * re + im * im);
}

// What a frame of the mix holds.
struct Heard
{
    int copies[MUSIC_COUNT] = {};
    int position[MUSIC_COUNT] = {-1, -1, -1}; // frame of the piece, with one copy playing
    float peak = 0.0f;
    GameStateId state = 0;
    bool paused = false;
    Vec2 player = {};
};

double OneCopy = 0.0; // the strength of one copy at full volume

class Listener : public ReplayObserver
{
  public:
    std::vector<Heard> frames;

    void OnInit(uint64_t) override {}
    void BeforeFrame(uint64_t frame) override
    {
        if (frame == 0) EffectsVolume = 0.0f; // the buttons' sounds would blur the tones
    }
    void OnFrame(uint64_t, const Player* player, ReplayEvent) override
    {
        PlatformAudioRenderLoopback(mix_.data(), FRAME);
        Heard heard;
        for (int m = 0; m < MUSIC_COUNT; ++m)
            for (int f = 0; f < PIECE_FRAMES; ++f)
            {
                const int copies =
                    static_cast<int>(std::lround(ToneStrength(mix_, FIRST_TONE[m] + f) / OneCopy));
                if (copies == 0) continue;
                heard.copies[m] += copies;
                heard.position[m] = f;
            }
        for (int m = 0; m < MUSIC_COUNT; ++m)
            if (heard.copies[m] != 1) heard.position[m] = -1;
        for (float s : mix_) heard.peak = std::max(heard.peak, std::fabs(s));
        heard.state = CurrentStateId;
        heard.paused = player && player->pauseMenu.paused;
        if (player) heard.player = player->position;
        frames.push_back(heard);
    }

  private:
    std::vector<float> mix_ = std::vector<float>(2 * FRAME);
};

// The game's data folder with the coded music in place of the real one.
class CodedMusicFolder
{
  public:
    CodedMusicFolder()
    {
        const fs::path real = fs::absolute("data");
        fs::create_directory(folder_.Path("data"));
        for (const fs::directory_entry& entry : fs::directory_iterator(real))
        {
            const std::string name = entry.path().filename();
            fs::create_symlink(entry.path(), folder_.Path("data/" + name));
        }
        for (int m = 0; m < MUSIC_COUNT; ++m)
        {
            const std::string file = "data/" + std::string(FILES[m]);
            fs::remove(folder_.Path(file));
            folder_.Write(file, CodedPiece(static_cast<Music>(m)));
        }
        previous_ = fs::current_path();
        fs::current_path(folder_.Path(""));
    }
    ~CodedMusicFolder() { fs::current_path(previous_); }

  private:
    TempDir folder_;
    fs::path previous_;
};

// What a run must hear from frame `first` to frame `last`: silence, or `copies` copies of one
// music and nothing else. With one copy, `from` says where it stands on `first`: FRESH (the
// beginning of the piece), ANYWHERE, or a frame number: going on from what that frame played.
// Within the span a single copy moves on by one frame of the piece each frame.
constexpr int FRESH = -1;
constexpr int ANYWHERE = -2;
struct Hears
{
    int first, last;
    Music music;
    int from;
    int copies;
};
Hears Silence(int first, int last) { return {first, last, SILENCE, ANYWHERE, 0}; }
Hears Plays(Music music, int first, int last, int from)
{
    return {first, last, music, from, 1};
}

// Where and how the run stands on a frame: its state, paused or not, and with `atStart` the
// player at the level's start (else anywhere).
struct Stands
{
    int frame;
    GameStateId state;
    bool paused;
    bool atStart;
};

struct MusicCase
{
    const char* name;
    GameStateId start;
    std::string script;
    int frames;
    std::vector<Hears> hears;
    std::vector<Stands> stands;
};

// The pause menu's buttons, and the main menu's How to play.
constexpr float CREDITS_X = -110, CREDITS_Y = 50, HOW_TO_PLAY_X = 110, HOW_TO_PLAY_Y = 50;
constexpr float MENU_HOW_TO_PLAY_X = 425, MENU_HOW_TO_PLAY_Y = 50;

// Escape on 30, the pause menu's Credits on 40, through the five pages from 50 to 90, back in
// the level paused from 91, Escape on 100 to go on.
std::string ThroughCredits(int first)
{
    std::string script = first > 0 ? Press(first, "R") : "";
    script += Press(30, "ESC") + Click(40, CREDITS_X, CREDITS_Y);
    for (int page = 0; page < 5; ++page) script += Click(50 + 10 * page, 0, 0);
    return script + Press(100, "ESC");
}
// The same through How to play: Space on 60 comes back, paused from 61, Escape on 70.
std::string ThroughHowToPlay(int first)
{
    std::string script = first > 0 ? Press(first, "R") : "";
    return script + Press(30, "ESC") + Click(40, HOW_TO_PLAY_X, HOW_TO_PLAY_Y) +
           Press(60, "SPACE") + Press(70, "ESC");
}

void Check(const MusicCase& c, const std::vector<Heard>& heard)
{
    for (const Hears& h : c.hears)
        for (int f = h.first; f <= h.last; ++f)
        {
            SCOPED_TRACE("frame " + std::to_string(f) + ", expecting " + NAMES[h.music]);
            const Heard& now = heard.at(static_cast<size_t>(f));
            for (int m = 0; m < MUSIC_COUNT; ++m)
                EXPECT_EQ(now.copies[m], m == h.music ? h.copies : 0) << "copies of " << NAMES[m];
            if (h.music == SILENCE)
            {
                EXPECT_LT(now.peak, 1e-3f) << "nothing at all is heard";
                continue;
            }
            const int at = now.position[h.music];
            if (f > h.first)
            {
                EXPECT_EQ(at, (heard[f - 1].position[h.music] + 1) % PIECE_FRAMES) << "moves on";
            }
            else if (h.from == FRESH)
            {
                EXPECT_EQ(at, 0) << "from its beginning";
            }
            else if (h.from >= 0)
            {
                EXPECT_EQ(at, (heard.at(h.from).position[h.music] + 1) % PIECE_FRAMES)
                    << "going on from what frame " << h.from << " played";
            }
        }
    for (const Stands& s : c.stands)
    {
        SCOPED_TRACE("frame " + std::to_string(s.frame));
        const Heard& now = heard.at(static_cast<size_t>(s.frame));
        EXPECT_EQ(now.state, s.state);
        EXPECT_EQ(now.paused, s.paused);
        if (s.atStart)
        {
            LevelFile level;
            std::string error;
            ASSERT_TRUE(ReadShippedLevel(*FindLevel(s.state), &level, &error)) << error;
            EXPECT_EQ(now.player.x, level.startX) << "at the start";
        }
    }
}

class MusicHeard : public ::testing::Test
{
  protected:
    static void SetUpTestSuite()
    {
        // One copy's strength, heard from the sound system alone.
        PlatformAudioUseLoopback(RATE);
        ASSERT_TRUE(InitSoundSystem());
        CodedMusicFolder folder;
        PlaySound(LoadSound("data/Tutorial.ogg"), false);
        std::vector<float> mix(2 * FRAME);
        PlatformAudioRenderLoopback(mix.data(), FRAME);
        OneCopy = ToneStrength(mix, FIRST_TONE[TUTORIAL]);
        ShutdownSoundSystem();
        PlatformAudioUseLoopback(0);
        ASSERT_GT(OneCopy, 1.0);
    }

    static std::vector<Heard> Listen(const MusicCase& c)
    {
        CodedMusicFolder folder;
        PlatformAudioUseLoopback(RATE);
        EXPECT_TRUE(InitSoundSystem());
        ReplaySetup setup;
        setup.state = c.start;
        setup.frames = c.frames;
        std::string error;
        EXPECT_TRUE(ParseScript(c.script, c.name, &setup.script, &error)) << error;
        Listener listener;
        RunReplay(setup, &listener);
        ShutdownSoundSystem();
        PlatformAudioUseLoopback(0);
        return listener.frames;
    }

    static void Hear(const std::vector<MusicCase>& cases)
    {
        for (const MusicCase& c : cases)
        {
            SCOPED_TRACE(c.name);
            Check(c, Listen(c));
        }
    }
};

// Escape on 30, the pause menu's How to play on 40: the controls from 41.
const std::string PauseControls = Press(30, "ESC") + Click(40, HOW_TO_PLAY_X, HOW_TO_PLAY_Y);
// The main menu shown (two logos skipped), its How to play clicked on 10: the controls from 11.
const std::string MenuControls = Press(1, "SPACE") + Press(3, "SPACE") +
                                 Click(10, MENU_HOW_TO_PLAY_X, MENU_HOW_TO_PLAY_Y);
} // namespace

// A level entered on its own starts its music on R (heard from frame 2); Tutorial 1 at once.

TEST_F(MusicHeard, PauseMenuScreensPauseTheLevelMusicAndItGoesOnFromThereAfter)
{
    Hear({
        {"Level 9, Credits", 15, ThroughCredits(1), 110,
         {Silence(0, 1), Plays(LEVELS, 2, 29, FRESH), Silence(30, 99), Plays(LEVELS, 100, 109, 29)},
         {{91, 15, true, false}}},
        {"Level 9, How to play", 15, ThroughHowToPlay(1), 80,
         {Plays(LEVELS, 2, 29, FRESH), Silence(30, 69), Plays(LEVELS, 70, 79, 29)},
         {{61, 15, true, false}}},
        {"Tutorial 4, Credits", 6, ThroughCredits(1), 110,
         {Silence(0, 1), Plays(TUTORIAL, 2, 29, FRESH), Silence(30, 99),
          Plays(TUTORIAL, 100, 109, 29)},
         {}},
        {"Tutorial 4, How to play", 6, ThroughHowToPlay(1), 80,
         {Plays(TUTORIAL, 2, 29, FRESH), Silence(30, 69), Plays(TUTORIAL, 70, 79, 29)}, {}},
        {"Tutorial 1, Credits", 3, ThroughCredits(0), 110,
         {Plays(TUTORIAL, 0, 29, FRESH), Silence(30, 99), Plays(TUTORIAL, 100, 109, 29)}, {}},
        {"Tutorial 1, How to play", 3, ThroughHowToPlay(0), 80,
         {Plays(TUTORIAL, 0, 29, FRESH), Silence(30, 69), Plays(TUTORIAL, 70, 79, 29)}, {}},
        {"Level 2, How to play", 8, ThroughHowToPlay(1), 80,
         {Plays(LEVELS, 2, 29, FRESH), Silence(30, 69), Plays(LEVELS, 70, 79, 29)}, {}},
    });
}

TEST_F(MusicHeard, TheArrowsBetweenTutorialStagesKeepOneCopyThatAPauseSilences)
{
    Hear({
        {"Tutorial 1 to 2 and back", 3,
         Press(20, "RIGHT") + Press(40, "LEFT") + Press(80, "ESC") + Press(100, "ESC"), 110,
         {Plays(TUTORIAL, 0, 79, FRESH), Silence(80, 99), Plays(TUTORIAL, 100, 109, 79)},
         {{21, 4, false, false}, {41, 3, false, false}}},
    });
}

TEST_F(MusicHeard, AKJumpStartsTheLevelAfreshRunningWithItsOwnMusicOnly)
{
    Hear({
        {"menu, How to play, K+1", 1, MenuControls + Press(20, "K+1") + Press(40, "ESC"), 50,
         {Plays(MENU, 0, 20, FRESH), Plays(LEVELS, 21, 39, FRESH), Silence(40, 49)},
         {{21, 7, false, true}}},
        {"Level 2 paused, How to play, K+5", 8,
         Press(1, "R") + "5 D 0 0 0\n25 - 0 0 0\n" + PauseControls + Press(50, "K+5"), 70,
         {Plays(LEVELS, 2, 29, FRESH), Silence(30, 50), Plays(LEVELS, 51, 69, FRESH)},
         {{51, 11, false, true}}},
        {"Tutorial 1 paused, How to play, K+1", 3, PauseControls + Press(50, "K+1"), 70,
         {Plays(TUTORIAL, 0, 29, FRESH), Silence(30, 50), Plays(LEVELS, 51, 69, FRESH)},
         {{51, 7, false, true}}},
        {"Level 2, K+3: the levels' music runs on", 8, Press(1, "R") + Press(20, "K+3"), 40,
         {Plays(LEVELS, 2, 39, FRESH)}, {{21, 9, false, true}}},
        {"Tutorial 3, K+1", 5, Press(1, "R") + Press(20, "K+1"), 40,
         {Plays(TUTORIAL, 2, 20, FRESH), Plays(LEVELS, 21, 39, FRESH)}, {{21, 7, false, true}}},
        {"win screen, K+1", GS_WIN_SCREEN, Press(10, "K+1"), 30,
         {Silence(0, 10), Plays(LEVELS, 11, 29, FRESH)}, {{11, 7, false, true}}},
        // K with 0 opens the selector over the menu music alone, one copy going on.
        {"menu, How to play, K+0", 1, MenuControls + Press(20, "K+0"), 40,
         {Plays(MENU, 0, 39, FRESH)}, {{21, GS_LEVEL_SELECTOR, false, false}}},
        {"menu, How to play, Space", 1, MenuControls + Press(20, "SPACE"), 40,
         {Plays(MENU, 0, 39, FRESH)}, {{21, GS_MAIN_MENU, false, false}}},
        {"Tutorial 1, K+0", 3, Press(20, "K+0"), 40,
         {Plays(TUTORIAL, 0, 20, FRESH), Plays(MENU, 21, 39, FRESH)}, {}},
    });
}

// Where R does not start the music again the level stays silent, and nothing else sounds
// through the music's old slot when the pause ends.
TEST_F(MusicHeard, RestartStartsTheMusicAgainOnlyWhereTheLevelAllowsIt)
{
    Hear({
        {"Level 2, R", 8, Press(1, "R") + Press(20, "R"), 30,
         {Plays(LEVELS, 2, 19, FRESH), Silence(20, 20), Plays(LEVELS, 21, 29, FRESH)}, {}},
        {"Level 2 back to Level 1, R", 8,
         Press(1, "R") + Press(10, "LEFT") + Press(20, "R") + Press(30, "ESC") + Press(40, "ESC"),
         60, {Plays(LEVELS, 2, 19, FRESH), Silence(20, 59)}, {{11, 7, false, false}}},
    });
}
