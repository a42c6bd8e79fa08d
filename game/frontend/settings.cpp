// settings.cpp: the settings window's objects, its eight buttons and the window modes.
#include "game/frontend/settings.h"

#include "engine/graphics/texture.h"
#include "engine/system/window.h"
#include "game/audio/sound_system.h"
#include "engine/input/input_state.h"
#include "game/frontend/assists_page.h"
#include "game/frontend/controls_page.h"
#include "game/frontend/menu_focus.h"
#include "game/frontend/time_trial_page.h"
#include "game/scene/camera.h"
#include "game/scene/render_layer.h"

#include <memory>
#include <vector>

int ResolutionIndex = 2;

namespace
{
enum Picture
{
    PANEL,
    MUSIC_LABEL,
    VOLUME_LABEL,
    MINUS,
    PLUS,
    SOUND_LABEL,
    RETURN,
    MUTE,
    FULL_SCREEN,
    WINDOW_SIZE,
    WIDE_PANEL,
    TAB_PLATE,
    BUTTON_PLATE,
    PICTURE_COUNT
};
constexpr const char* PICTURE_PATHS[PICTURE_COUNT] = {
    "data/Menus/Pause.png", "data/Menus/Game_Volume.png", "data/Menus/Volume.png",
    "data/Menus/Minus.png", "data/Menus/Plus.png",        "data/Menus/Sound.png",
    "data/Menus/Return.png", "data/Menus/Mute.png",       "data/Menus/FullScreen.png",
    "data/Menus/Win_Resolution.png", "data/Menus/Settings_Wide.png",
    "data/Menus/Blank_Tab.png", "data/Menus/Blank_Button.png",
};

struct WindowObject
{
    const char* name;
    Picture picture;
    float x, y, w, h;
    int slot; // hover channel of a button, -1 for the panel and labels
};
// In draw order.
constexpr WindowObject OBJECTS[] = {
    {"settings_window", PANEL, 0, 0, 600, 600, -1},
    {"Game_Volume_1", MUSIC_LABEL, -175, 200, 100, 50, -1},
    {"Game_Volume_2", VOLUME_LABEL, -75, 200, 100, 50, -1},
    {"lower_game_volume", MINUS, -175, 150, 100, 50, 0},
    {"higher_volume_volume", PLUS, -75, 150, 100, 50, 1},
    {"Sound_Volume_1", SOUND_LABEL, -175, 75, 100, 50, -1},
    {"Sound_Volume_2", VOLUME_LABEL, -75, 75, 100, 50, -1},
    {"lower_sound_volume", MINUS, -175, 25, 100, 50, 4},
    {"higher_sound_volume", PLUS, -75, 25, 100, 50, 3},
    {"settings_return", RETURN, 150, -200, 100, 50, 2},
    {"Mute", MUTE, 100, 200, 100, 50, 5},
    {"FullScreen", FULL_SCREEN, 100, 75, 100, 50, 6},
    {"Window_Resoltuion", WINDOW_SIZE, 100, 0, 100, 50, 7},
};
constexpr size_t OBJECT_COUNT = CountOf(OBJECTS);
constexpr size_t CHANNEL_COUNT = 8;
constexpr Vec2 BUTTON_SIZE = {100.0f, 50.0f};
constexpr float VOLUME_STEP = 0.05f;
constexpr float CLOSED_TIMER_STEP = 0.08f;
constexpr uint32_t RESOLUTIONS[3][2] = {{1920, 1080}, {1600, 900}, {1280, 720}};

// The window objects and channels of the last Settings built: there is one at a time. The
// pictures are shared by every Settings alive. Hover flags live as long as the program.
GameObject* Objects[OBJECT_COUNT] = {};
SoundChannel* Channels[CHANNEL_COUNT] = {};
Texture* Pictures[PICTURE_COUNT] = {};
bool Hovered[OBJECT_COUNT] = {};
// The buttons in the order the focus knows them, the first one focused on opening.
constexpr size_t FOCUS_ORDER[] = {3, 4, 7, 8, 10, 11, 12, 9};
MenuFocus Focus;

// The pages after the first, made when the window first opens in a screen's visit: their
// tabs over the window, the wider panel, its Return button and the pages themselves. Page 0
// is the window's own objects above.
constexpr int PAGE_COUNT = 4;
constexpr float TAB_Y = 335.0f;
constexpr float FIRST_TAB_X = -225.0f;
constexpr float TAB_SPACING = 150.0f;
constexpr Vec2 TAB_SIZE = {140.0f, 56.0f};
constexpr Vec2 WIDE_PANEL_SIZE = {1100.0f, 600.0f};
constexpr Vec2 WIDE_RETURN_AT = {390.0f, -228.0f};
constexpr Vec2 WIDE_RETURN_SIZE = {140.0f, 46.0f};
constexpr uint32_t OTHER_TAB_TINT = 0xFF9C94B4u;
std::unique_ptr<SettingsPage> Pages[PAGE_COUNT];
PageButton Tabs[PAGE_COUNT];
GameObject* WidePanel = nullptr;
PageButton WideReturn;
bool PagesBuilt = false;
int ShownPage = 0;

PagePictures PicturesForPages()
{
    return {Letters(), Pictures[BUTTON_PLATE], Pictures[MINUS], Pictures[PLUS]};
}

void BuildPages()
{
    Pages[1] = std::make_unique<ControlsPage>();
    Pages[2] = std::make_unique<AssistsPage>();
    Pages[3] = std::make_unique<TimeTrialPage>();
    const PagePictures pictures = PicturesForPages();
    WidePanel = CreateMenuObject(new GameObject(), "settings_page", Pictures[WIDE_PANEL], 0, 0,
                                 WIDE_PANEL_SIZE.x, WIDE_PANEL_SIZE.y);
    AddObject(GetOrCreateLayer("FRA0"), WidePanel);
    WidePanel->visible = false;
    for (int p = 0; p < PAGE_COUNT; ++p)
    {
        const char* title = Pages[p] ? Pages[p]->Title() : "General";
        const float x = FIRST_TAB_X + TAB_SPACING * static_cast<float>(p);
        const std::string name = "settings_tab_" + std::to_string(p + 1);
        Tabs[p] = MakeWordButton(name.c_str(), pictures, title, x, TAB_Y, TAB_SIZE.x, TAB_SIZE.y);
        Tabs[p].object->texture = Pictures[TAB_PLATE];
        if (Pages[p]) Pages[p]->Build(pictures);
    }
    WideReturn = MakePictureButton("settings_page_return", Pictures[RETURN], WIDE_RETURN_AT.x,
                                   WIDE_RETURN_AT.y, WIDE_RETURN_SIZE.x, WIDE_RETURN_SIZE.y);
    PagesBuilt = true;
}

void ForgetPages()
{
    StopPageButtons(Tabs, PAGE_COUNT);
    StopPageButtons(&WideReturn, 1);
    for (std::unique_ptr<SettingsPage>& page : Pages) page.reset();
    for (PageButton& tab : Tabs) tab = PageButton();
    WideReturn = PageButton();
    WidePanel = nullptr;
    PagesBuilt = false;
}

// The buttons the focus knows on the page shown: the page's, then the tabs.
std::vector<GameObject*> FocusableButtons()
{
    std::vector<GameObject*> buttons;
    if (ShownPage == 0)
        for (size_t index : FOCUS_ORDER) buttons.push_back(Objects[index]);
    else
    {
        Pages[ShownPage]->Buttons(&buttons);
        buttons.push_back(WideReturn.object);
    }
    for (const PageButton& tab : Tabs) buttons.push_back(tab.object);
    return buttons;
}

void ShowPages(bool open)
{
    if (!PagesBuilt) return;
    for (int p = 0; p < PAGE_COUNT; ++p)
    {
        Tabs[p].object->visible = open;
        LabelledButton* tab = static_cast<LabelledButton*>(Tabs[p].object);
        tab->tintEnabled = p != ShownPage;
        tab->tint = OTHER_TAB_TINT;
        tab->textTint = p == ShownPage ? TEXT_WHITE : OTHER_TAB_TINT;
        if (Pages[p]) Pages[p]->Show(open && p == ShownPage);
    }
    WidePanel->visible = WideReturn.object->visible = open && ShownPage != 0;
}

// Turns to page `page`, the focus on its tab; opening the window, on its first button.
void TurnTo(int page, bool onTab)
{
    ShownPage = page;
    const std::vector<GameObject*> buttons = FocusableButtons();
    OpenMenuFocus(Focus, onTab ? buttons.size() - PAGE_COUNT + static_cast<size_t>(page) : 0);
    // The keys keep driving where they drove: the new page shows its focus at once.
    Focus.shown = onTab && KeysDriveMenus() ? buttons[Focus.index] : nullptr;
}

float Step(float volume, float step)
{
    const float next = volume + step;
    return next < 0.0f ? 0.0f : (next > 1.0f ? 1.0f : next);
}

void ToggleFullscreen()
{
    if (!IsFullscreen)
    {
        SetFullscreen(true);
        return;
    }
    SetFullscreen(false);
    SetClientSize(RESOLUTIONS[0][0], RESOLUTIONS[0][1]);
    if (ResolutionIndex == 1) ResolutionIndex = 2;
}

void NextWindowSize()
{
    if (IsFullscreen) SetFullscreen(false);
    const uint32_t* size = RESOLUTIONS[ResolutionIndex - 1];
    SetClientSize(size[0], size[1]);
    ResolutionIndex = ResolutionIndex % 3 + 1;
}
} // namespace

PictureSet SettingsPictures = {PICTURE_PATHS, Pictures, PICTURE_COUNT, 0};

Settings::Settings(bool picturesLater) : picturesHeld_(!picturesLater)
{
    if (picturesHeld_)
    {
        AcquirePictures(SettingsPictures);
        AcquirePictures(LetterPictures);
    }
    RenderLayer* frame = GetOrCreateLayer("FRA0");
    CreateCamera("FrameCam", "FRA0")->clearEnabled = false;
    for (size_t i = 0; i < OBJECT_COUNT; ++i)
    {
        const WindowObject& o = OBJECTS[i];
        Objects[i] = CreateMenuObject(new GameObject(), o.name, Pictures[o.picture], o.x, o.y,
                                      o.w, o.h);
        AddObject(frame, Objects[i]);
        Objects[i]->visible = false;
    }
    window = Objects[0];
    lowerMusicButton = Objects[3];
    raiseMusicButton = Objects[4];
    lowerEffectsButton = Objects[7];
    raiseEffectsButton = Objects[8];
    closeButton = Objects[9];
    ButtonSound = LoadSound(BUTTON_SOUND_PATH);
    StartHoverChannels(Channels, CHANNEL_COUNT);
    // The pages of the screen before went with its objects.
    ForgetPages();
}

void Settings::TakePictures()
{
    if (picturesHeld_) return;
    picturesHeld_ = true;
    AcquirePictures(SettingsPictures);
    AcquirePictures(LetterPictures);
    for (size_t i = 0; i < OBJECT_COUNT; ++i) Objects[i]->texture = Pictures[OBJECTS[i].picture];
}

Settings::~Settings()
{
    if (picturesHeld_)
    {
        ReleasePictures(SettingsPictures);
        ReleasePictures(LetterPictures);
    }
    StopHoverChannels(Channels, CHANNEL_COUNT);
    for (GameObject*& object : Objects) object = nullptr;
    ForgetPages();
}

void Settings::Update()
{
    if (!isOpen)
    {
        ShowObjects(Objects, OBJECT_COUNT, false);
        ShowPages(false);
        closedTimer += CLOSED_TIMER_STEP;
        return;
    }
    const bool opening = closedTimer > 0.0f;
    closedTimer = 0.0f;
    if (!PagesBuilt) BuildPages();
    if (opening) TurnTo(0, false); // the first page, focus on its first button
    SettingsPage* page = Pages[ShownPage].get();
    if (page && page->HoldsKeys())
    {
        page->Update(nullptr);
        return;
    }
    auto showPage = [] {
        ShowObjects(Objects, OBJECT_COUNT, ShownPage == 0);
        ShowPages(true);
    };
    showPage();
    ApplyMenuVolumes(Channels, CHANNEL_COUNT, nullptr, MenuSilenced());
    std::vector<GameObject*> focusable = FocusableButtons();
    size_t wanted = 0;
    if (page && page->TakeFocusRequest(&wanted)) OpenMenuFocus(Focus, wanted);
    const GameObject* pointed = MenuPointed(Focus, focusable.data(), focusable.size());
    if (MenuBackPressed())
    {
        if (!(page && page->Back())) isOpen = false;
        return;
    }
    int turnTo = ShownPage;
    for (int p = 0; p < PAGE_COUNT; ++p)
        if (Tabs[p].Clicked(pointed)) turnTo = p;
    turnTo += IsPadButtonTriggered(PAD_RIGHT_SHOULDER) - IsPadButtonTriggered(PAD_LEFT_SHOULDER);
    if (turnTo != ShownPage)
    {
        TurnTo((turnTo + PAGE_COUNT) % PAGE_COUNT, true);
        showPage();
        return;
    }
    if (page)
    {
        if (WideReturn.Clicked(pointed)) isOpen = false;
        page->Update(pointed);
        return;
    }
    auto clicked = [&](size_t index) {
        return ButtonClicked({Objects[index], BUTTON_SIZE, &Hovered[index],
                              &Channels[OBJECTS[index].slot]},
                             pointed);
    };
    if (clicked(3)) MusicVolume = Step(MusicVolume, -VOLUME_STEP);
    if (clicked(4)) MusicVolume = Step(MusicVolume, VOLUME_STEP);
    if (clicked(9)) isOpen = false;
    if (clicked(8)) EffectsVolume = Step(EffectsVolume, VOLUME_STEP);
    if (clicked(7)) EffectsVolume = Step(EffectsVolume, -VOLUME_STEP);
    if (clicked(10)) SoundMuted = !SoundMuted;
    if (clicked(11)) ToggleFullscreen();
    if (clicked(12)) NextWindowSize();
}
