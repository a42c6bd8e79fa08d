// my_levels.cpp: the level selector's page of the levels a player made or imported.
//
// Six rows a page, each with the level's title, the seal of a proven level and its best
// time; a row starts its level, whose exit comes back here, to its row. Previous and Next
// turn the pages; Return, Escape or the pad's B go back to the selector. A file that cannot
// be read has a row of its own, and the message line under the rows says why while it is
// pointed at.
#include "engine/graphics/mesh.h"
#include "engine/graphics/picture_decoder.h"
#include "engine/input/input_state.h"
#include "engine/system/window.h"
#include "game/audio/sound_system.h"
#include "game/frontend/menu_focus.h"
#include "game/frontend/menu_widgets.h"
#include "game/frontend/screens.h"
#include "game/frontend/text_label.h"
#include "game/frontend/time_label.h"
#include "game/levels/kept_levels.h"
#include "game/levels/level.h"
#include "game/saves/best_times.h"

#include <algorithm>
#include <cstddef>

namespace
{
constexpr const char* PICTURE_PATHS[] = {
    "data/Menus/My Levels Background.png",
    "data/Menus/Return.png",
    "data/Menus/Previous.png",
    "data/Menus/Next.png",
    "data/Menus/Level_Row.png",
    "data/Menus/Proven.png",
    LETTERS_PATH,
    TIME_DIGITS_PATH,
    "data/Menus/Loading_Screen.png",
};
enum Picture
{
    BACKGROUND_PICTURE,
    RETURN_PICTURE,
    PREVIOUS_PICTURE,
    NEXT_PICTURE,
    ROW_PICTURE,
    PROVEN_PICTURE,
    LETTERS_PICTURE,
    DIGITS_PICTURE,
    LOADING_PICTURE,
    PICTURE_COUNT
};

// The buttons, in the order the keys walk them: Return, the page turns, then the rows.
enum Slot
{
    RETURN_BUTTON,
    PREVIOUS_BUTTON,
    NEXT_BUTTON,
    FIRST_ROW,
};
constexpr size_t ROWS = 6;
constexpr size_t BUTTON_COUNT = FIRST_ROW + ROWS;
constexpr size_t CHANNEL_COUNT = BUTTON_COUNT + 1;

constexpr Vec2 BUTTON_SIZE = {200.0f, 100.0f};
constexpr Vec2 RETURN_AT = {700.0f, 200.0f};
constexpr Vec2 PREVIOUS_AT = {590.0f, -320.0f};
constexpr Vec2 NEXT_AT = {810.0f, -320.0f};
constexpr float PAGE_LABEL_Y = -225.0f;
// The rows, on the tray of the background picture.
constexpr float ROW_X = -200.0f, ROW_TOP = 110.0f, ROW_STEP = 85.0f;
constexpr Vec2 ROW_SIZE = {1300.0f, 80.0f};
constexpr float TEXT_HEIGHT = 40.0f;
constexpr float TITLE_LEFT = -800.0f, TITLE_ROOM = 960.0f;
constexpr float TIME_HEIGHT = 34.0f;
constexpr float SEAL_X = 215.0f, SEAL_SIZE = 58.0f;
constexpr float TIME_X = 350.0f;
constexpr float MESSAGE_Y = -435.0f, MESSAGE_HEIGHT = 28.0f, MESSAGE_ROOM = 1800.0f;
// The pointed row stands out a little; the rows are too wide to grow as buttons do.
constexpr Vec2 POINTED_ROW_SIZE = {ROW_SIZE.x * 1.015f, ROW_SIZE.y * 1.12f};
constexpr uint32_t DAMAGED_TINT = 0xFFFF9080u;

Texture* Pictures[PICTURE_COUNT] = {};
SoundChannel* Channels[CHANNEL_COUNT] = {};
bool Hovered[BUTTON_COUNT] = {};
GameObject* Buttons[BUTTON_COUNT] = {};
// The message line of each row of a damaged file, shown while that row is pointed at.
std::vector<GameObject*> RowMessages[ROWS];
GameObject* LoadingScreen = nullptr;
MenuFocus Focus;

std::vector<KeptLevel> Levels;
size_t Page = 0;
// The level last started from here, to come back to its row.
std::string LastPlayedPath;

size_t PageCount()
{
    return std::max<size_t>(1, (Levels.size() + ROWS - 1) / ROWS);
}

// A line of letters, all its objects returned (to show or hide them together).
std::vector<GameObject*> Line(const char* name, const std::string& text, float left, float y,
                              float height, bool centred, uint32_t tint = 0)
{
    const size_t before = ObjectRegistry.size();
    CreateTextLabel(name, text, Pictures[LETTERS_PICTURE], left, y, height, centred);
    std::vector<GameObject*> objects(ObjectRegistry.begin() + static_cast<ptrdiff_t>(before),
                                     ObjectRegistry.end());
    for (GameObject* object : objects)
    {
        object->tintEnabled = tint != 0;
        if (tint) object->tint = tint;
    }
    return objects;
}

void AddButton(Slot slot, const char* name, Picture picture, Vec2 at)
{
    Buttons[slot] = CreateMenuObject(new GameObject(), name, Pictures[picture], at.x, at.y,
                                     BUTTON_SIZE.x, BUTTON_SIZE.y);
}

// Every object of the page, afresh: the page turns by building it again.
void BuildPage()
{
    DestroyAllGameObjects();
    for (GameObject*& button : Buttons) button = nullptr;
    for (std::vector<GameObject*>& message : RowMessages) message.clear();
    std::fill(std::begin(Hovered), std::end(Hovered), false);

    CreateViewPicture("background", Pictures[BACKGROUND_PICTURE], KIND_BACKGROUND);
    AddButton(RETURN_BUTTON, "Menu", RETURN_PICTURE, RETURN_AT);
    if (PageCount() > 1)
    {
        AddButton(PREVIOUS_BUTTON, "Previous", PREVIOUS_PICTURE, PREVIOUS_AT);
        AddButton(NEXT_BUTTON, "Next", NEXT_PICTURE, NEXT_AT);
        const std::string page = std::to_string(Page + 1) + " / " + std::to_string(PageCount());
        Line("page", page, (PREVIOUS_AT.x + NEXT_AT.x) * 0.5f, PAGE_LABEL_Y, TEXT_HEIGHT, true);
    }
    if (Levels.empty())
    {
        Line("message", "No levels yet.", ROW_X, ROW_TOP, TEXT_HEIGHT, true);
        Line("message", "Import one a friend shared with: vantara --import FILE", ROW_X,
             ROW_TOP - ROW_STEP, MESSAGE_HEIGHT, true);
    }
    for (size_t row = 0; row < ROWS; ++row)
    {
        const size_t index = Page * ROWS + row;
        if (index >= Levels.size()) break;
        const KeptLevel& kept = Levels[index];
        const float y = ROW_TOP - ROW_STEP * static_cast<float>(row);
        GameObject* plate = CreateMenuObject(new GameObject(), "row", Pictures[ROW_PICTURE], ROW_X,
                                             y, ROW_SIZE.x, ROW_SIZE.y);
        Buttons[FIRST_ROW + row] = plate;
        if (!kept.readable)
        {
            Line("title", FitText(kept.fileName + ": cannot be played", TITLE_ROOM, TEXT_HEIGHT),
                 TITLE_LEFT, y, TEXT_HEIGHT, false, DAMAGED_TINT);
            RowMessages[row] = Line("message", FitText(kept.error, MESSAGE_ROOM, MESSAGE_HEIGHT),
                                    0.0f, MESSAGE_Y, MESSAGE_HEIGHT, true, DAMAGED_TINT);
            ShowObjects(RowMessages[row].data(), RowMessages[row].size(), false);
            continue;
        }
        Line("title", FitText(kept.level.title, TITLE_ROOM, TEXT_HEIGHT), TITLE_LEFT, y,
             TEXT_HEIGHT, false);
        if (kept.proven)
            CreateMenuObject(new GameObject(), "proven", Pictures[PROVEN_PICTURE], SEAL_X, y,
                             SEAL_SIZE, SEAL_SIZE, KIND_BACKGROUND);
        if (const uint32_t best = MyLevelBestFrames(kept.key))
            CreateTimeLabel("time", "*" + FormatFrames(best), Pictures[DIGITS_PICTURE], TIME_X, y,
                            TIME_HEIGHT);
    }
    LoadingScreen = CreateLoadingScreen(Pictures[LOADING_PICTURE]);
}

void TurnPage(size_t page, Slot focus)
{
    Page = page;
    BuildPage();
    Focus.index = Buttons[focus] ? focus : RETURN_BUTTON;
    // The pointer or the focus is still on the button that turned the page: no second sound.
    Hovered[Focus.index] = true;
}

void Play(const KeptLevel& kept)
{
    PlayedLevelOptions options;
    options.successor = GS_MY_LEVELS;
    options.bestTimeKey = kept.key;
    SetPlayedLevel(kept.level, options);
    LastPlayedPath = kept.path;
    LoadingScreen->visible = true;
    StopAllSounds();
    NextStateId = GS_PLAYED_LEVEL;
}

void MyLevelsLoad()
{
    LoadPictures(PICTURE_PATHS, Pictures, PICTURE_COUNT);
    UnitQuadMesh = CreateUnitQuad();
}

void MyLevelsInit()
{
    DecodeLevelPicturesAhead(GS_MY_LEVELS);
    Levels = ListKeptLevels();
    // Back from a level, its row again; from the selector, the first page.
    size_t focus = Levels.empty() ? RETURN_BUTTON : FIRST_ROW;
    Page = 0;
    for (size_t i = 0; i < Levels.size(); ++i)
        if (PreviousStateId == GS_PLAYED_LEVEL && Levels[i].path == LastPlayedPath)
        {
            Page = i / ROWS;
            focus = FIRST_ROW + i % ROWS;
        }
    BuildPage();
    MenuMusic = LoadSound(MENU_MUSIC_PATH);
    ButtonSound = LoadSound(BUTTON_SOUND_PATH);
    // From the selector the menu music plays on; back from a level it starts again.
    if (PreviousStateId != GS_LEVEL_SELECTOR || RestartRequested) StartMenuMusic();
    RestartRequested = false;
    StartHoverChannels(Channels, CHANNEL_COUNT);
    OpenMenuFocus(Focus, focus);
}

void MyLevelsUpdate()
{
    ApplyMenuVolumes(Channels, CHANNEL_COUNT, MenuMusicChannel, MenuSilenced());
    SystemFrameCheck();
    UpdateSounds();
    const GameObject* pointed = MenuPointed(Focus, Buttons, BUTTON_COUNT);
    if (MenuBackPressed()) NextStateId = GS_LEVEL_SELECTOR;
    // A button held since before (the hook at a level's exit) presses nothing.
    const bool pressed = pointed && MenuClickPressed();

    for (size_t row = 0; row < ROWS; ++row)
    {
        GameObject* plate = Buttons[FIRST_ROW + row];
        if (!plate) continue;
        const bool here = plate == pointed;
        plate->scale = here ? POINTED_ROW_SIZE : ROW_SIZE;
        ShowObjects(RowMessages[row].data(), RowMessages[row].size(), here);
        UpdateButtonHover({plate, ROW_SIZE, &Hovered[FIRST_ROW + row], &Channels[FIRST_ROW + row]},
                          pointed, false);
        const KeptLevel& kept = Levels[Page * ROWS + row];
        if (here && pressed && kept.readable) Play(kept);
    }
    for (size_t slot = RETURN_BUTTON; slot < FIRST_ROW; ++slot)
        if (Buttons[slot])
            UpdateButtonHover({Buttons[slot], BUTTON_SIZE, &Hovered[slot], &Channels[slot]},
                              pointed);
    if (!pressed || NextStateId != CurrentStateId) return;
    if (pointed == Buttons[RETURN_BUTTON]) NextStateId = GS_LEVEL_SELECTOR;
    const size_t pages = PageCount();
    if (pointed == Buttons[PREVIOUS_BUTTON])
        TurnPage((Page + pages - 1) % pages, PREVIOUS_BUTTON);
    else if (pointed == Buttons[NEXT_BUTTON])
        TurnPage((Page + 1) % pages, NEXT_BUTTON);
}

void MyLevelsFree()
{
    DestroyAllGameObjects();
    for (GameObject*& button : Buttons) button = nullptr;
    for (std::vector<GameObject*>& message : RowMessages) message.clear();
    LoadingScreen = nullptr;
    Levels.clear();
}

// Back to the selector the music plays on there.
void MyLevelsUnload()
{
    UnloadMenuScreen(Pictures, PICTURE_COUNT, NextStateId != GS_LEVEL_SELECTOR);
}
} // namespace

void DecodeMyLevelsPicturesAhead()
{
    DecodePicturesAhead(PICTURE_PATHS, CountOf(PICTURE_PATHS));
}

void RegisterMyLevels()
{
    AddGameState(GS_MY_LEVELS, MyLevelsLoad, MyLevelsInit, MyLevelsUpdate, DrawGameObjects,
                 MyLevelsFree, MyLevelsUnload);
}
