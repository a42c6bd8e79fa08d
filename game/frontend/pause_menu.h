// pause_menu.h: the pause menu that every player carries.
//
// The player owns its pause menu; the level's Update reads `paused` before anything else
// moves, and while it is set nothing in the level is updated (the level is still drawn).
#pragma once

struct PauseMenu
{
    bool paused = false;
};
