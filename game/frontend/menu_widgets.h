// menu_widgets.h: what every screen of the front end is made of.
//
// A menu is plain game objects in a 1920 x 1080 space centred on the letterboxed viewport,
// y up. A button is such an object that its screen tests against the pointer every frame:
// entering it plays the hover sound once and grows it by a quarter; leaving shrinks it back; a
// press of the left button while inside clicks it. A window is a background object with the
// objects on it, shown and hidden together from one flag of its owner.
#pragma once

#include "engine/graphics/math2d.h"
#include "game/scene/count_of.h"
#include "game/scene/game_object.h"

struct Sound;
struct SoundChannel;
struct Texture;

// A button's rest size and hover state, kept by its screen; `channel` is the slot its hover
// sound plays on, which two buttons may share.
struct MenuButton
{
    GameObject* object;
    Vec2 normalSize;
    bool* hovered;
    SoundChannel** channel;
};

// "data\Button_VendingMachine2.wav": the hover sound of every button.
extern Sound* ButtonSound;
extern const char* const BUTTON_SOUND_PATH;

// Registers a menu object: at (x, y), w x h, active, alive and visible, not tiled.
GameObject* CreateMenuObject(GameObject* object, const char* name, Texture* picture, float x,
                             float y, float w, float h, ObjectKind kind = KIND_BUTTON);
// A picture over the whole view, in world units like every screen, so that the letterboxing
// camera fits it to any window or full screen.
GameObject* CreateViewPicture(const char* name, Texture* picture, ObjectKind kind = KIND_BUTTON);
// Shows or hides objects together.
void ShowObjects(GameObject* const* objects, size_t count, bool visible);

// The pointer in menu units, through a 1920 x 1080 letterboxed camera.
Vec2 GetMenuPointer();
// Edges count as inside; the button's current, possibly grown, size counts.
bool IsPointInButton(const GameObject* object, Vec2 p);

// Of a screen's `buttons`, the one the pointer is over: where grown buttons overlap, the one
// whose centre is nearest the pointer, so that one click never presses two. Null for none.
const GameObject* PointedButton(GameObject* const* buttons, size_t count, Vec2 p);

// The hover feedback of a button that is `pointed` at (or not): the sound once per entry
// (ready paused on its channel beforehand), the growth from exactly its rest width and the
// shrink on leaving. `grows` false for the settings icons, `sounds` false where an icon makes
// no sound. Returns whether it is pointed at.
bool UpdateButtonHover(const MenuButton& button, const GameObject* pointed, bool grows = true,
                       bool sounds = true);
// A press of the button the last MenuPointed returned: the left button went down this frame
// while the mouse drives, or Enter or the pad's A on the button drawn focused or hovered
// (menu_focus.h).
bool MenuClickPressed();
// Hover feedback, then whether a click (MenuClickPressed) came this frame on the pointed button.
bool ButtonClicked(const MenuButton& button, const GameObject* pointed, bool grows = true,
                   bool sounds = true);

// Starts each hover channel paused on ButtonSound, so that a first entry only unpauses it.
void StartHoverChannels(SoundChannel** channels, size_t count);
// Stops the prepared hover sounds that are still waiting, when their screen goes.
void StopHoverChannels(SoundChannel** channels, size_t count);
// Silent while `silenced`; otherwise hover channels at the effects volume and the music
// channel (if any) at the music volume.
void ApplyMenuVolumes(SoundChannel* const* channels, size_t count, SoundChannel* music,
                      bool silenced);
// Muted or unfocused: the rule of every screen but the pause menu.
bool MenuSilenced();

// Loads a screen's pictures into `slots`, in order; the first one missing is named once.
// They are decoded side by side on the picture workers (picture_decoder.h).
void LoadPictures(const char* const* paths, Texture** slots, size_t count);
void ReleasePictures(Texture** slots, size_t count);

// Pictures shared by their users: loaded by the first, released by the last. A level holds
// the pause menu's for its whole visit, so that a death does not load them all again.
struct PictureSet
{
    const char* const* paths;
    Texture** pictures;
    size_t count;
    int users;
};
void AcquirePictures(PictureSet& set);
// Starts decoding a set's pictures for the AcquirePictures to come.
void DecodePicturesAhead(const PictureSet& set);
void ReleasePictures(PictureSet& set);
