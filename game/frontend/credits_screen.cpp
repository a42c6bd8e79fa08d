// credits_screen.cpp: five pages of credits, turned by the right arrow or a click.
//
// The last page leaves on a click or Space pressed while it is shown, back to where the credits
// were opened from: the main menu, or the paused level.
#include "engine/graphics/mesh.h"
#include "engine/graphics/texture.h"
#include "engine/input/input_state.h"
#include "engine/system/window.h"
#include "game/audio/sound_system.h"
#include "game/frontend/menu_focus.h"
#include "game/frontend/menu_widgets.h"
#include "game/frontend/screens.h"
#include "game/startup/missing_files.h"

namespace
{
constexpr const char* PAGES[] = {
    "data/Credits/Credits.png",  "data/Credits/Credits2.png", "data/Credits/Credits3.png",
    "data/Credits/Credits4.png", "data/Credits/Credits5.png",
};
constexpr int LAST_PAGE = 5;

int CreditsPage = 1;
Texture* PagePicture = nullptr;
GameObject* Page = nullptr;

void ShowPage(int page)
{
    ReleaseTexture(PagePicture);
    PagePicture = LoadTexture(PAGES[page - 1]);
    if (!PagePicture) ReportMissingFile(PAGES[page - 1]);
    CreditsPage = page;
}

void CreditsLoad()
{
    ShowPage(1);
    UnitQuadMesh = CreateUnitQuad();
}

void CreditsInit()
{
    Page = CreateMenuObject(new GameObject(), "Credits", PagePicture, 0, 0, 1920, 1080,
                            KIND_CREDITS_PAGE);
}

void CreditsUpdate()
{
    SystemFrameCheck();
    UpdateSounds();
    const bool click = IsMouseButtonTriggered(0) || MenuPressPressed();
    // Leaving is tested first, so the click that shows the last page does not also leave.
    if (CreditsPage == LAST_PAGE && (IsKeyTriggered(KEY_SPACE) || click)) NextStateId = PreviousStateId;
    if (MenuBackPressed()) NextStateId = PreviousStateId;
    const bool turn = IsKeyTriggered(KEY_RIGHT) || IsPadButtonTriggered(PAD_DPAD_RIGHT);
    if ((turn || click) && CreditsPage != LAST_PAGE)
    {
        ShowPage(CreditsPage + 1);
        Page->texture = PagePicture;
    }
}

void CreditsFree()
{
    DestroyAllGameObjects();
    Page = nullptr;
}

void CreditsUnload()
{
    ReleaseMesh(UnitQuadMesh);
    UnitQuadMesh = nullptr;
    ReleaseTexture(PagePicture);
    PagePicture = nullptr;
}
} // namespace

void RegisterCreditsScreen()
{
    AddGameState(GS_CREDITS, CreditsLoad, CreditsInit, CreditsUpdate, DrawGameObjects, CreditsFree,
                 CreditsUnload);
}
