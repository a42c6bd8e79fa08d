// menu_widgets.cpp: menu objects, the pointer, hover feedback, clicks and menu volumes.
#include "game/frontend/menu_widgets.h"

#include "engine/graphics/picture_decoder.h"
#include "engine/graphics/texture.h"
#include "engine/input/input_state.h"
#include "engine/system/window.h"
#include "game/audio/sound_system.h"
#include "game/frontend/menu_focus.h"
#include "game/startup/missing_files.h"
#include "game/scene/camera.h"

#include <cmath>

Sound* ButtonSound = nullptr;
const char* const BUTTON_SOUND_PATH = "data\\Button_VendingMachine2.wav";

namespace
{
constexpr float HOVER_GROWTH = 1.25f;
} // namespace

GameObject* CreateMenuObject(GameObject* object, const char* name, Texture* picture, float x,
                             float y, float w, float h, ObjectKind kind)
{
    return InitGameObject(object, name, x, y, w, h, 0.0f, kind, picture);
}

GameObject* CreateViewPicture(const char* name, Texture* picture, ObjectKind kind)
{
    return CreateMenuObject(new GameObject(), name, picture, 0, 0, WORLD_WIDTH, WORLD_HEIGHT, kind);
}

void ShowObjects(GameObject* const* objects, size_t count, bool visible)
{
    for (size_t i = 0; i < count; ++i)
        if (objects[i]) objects[i]->visible = visible;
}

Vec2 GetMenuPointer()
{
    Camera camera("Camera", WORLD_WIDTH, WORLD_HEIGHT);
    ApplyCamera(&camera);
    return ScreenToWorld(&camera);
}

bool IsPointInButton(const GameObject* object, Vec2 p)
{
    if (!object) return false;
    const float hw = std::fabs(object->scale.x) * 0.5f;
    const float hh = std::fabs(object->scale.y) * 0.5f;
    return p.x >= object->position.x - hw && p.x <= object->position.x + hw &&
           p.y >= object->position.y - hh && p.y <= object->position.y + hh;
}

const GameObject* PointedButton(GameObject* const* buttons, size_t count, Vec2 p)
{
    const GameObject* nearest = nullptr;
    float nearestDistance = 0.0f;
    for (size_t i = 0; i < count; ++i)
    {
        if (!IsPointInButton(buttons[i], p)) continue;
        const Vec2 d = {p.x - buttons[i]->position.x, p.y - buttons[i]->position.y};
        const float distance = d.x * d.x + d.y * d.y;
        if (!nearest || distance < nearestDistance)
        {
            nearest = buttons[i];
            nearestDistance = distance;
        }
    }
    return nearest;
}

bool UpdateButtonHover(const MenuButton& button, const GameObject* pointed, bool grows, bool sounds)
{
    GameObject* object = button.object;
    if (!object) return false;
    SoundChannel*& channel = *button.channel;
    const bool inside = object == pointed;
    if (inside)
    {
        if (!*button.hovered)
        {
            *button.hovered = true;
            if (sounds)
            {
                if (!IsChannelPlaying(channel))
                    channel = PlaySound(ButtonSound, false);
                else
                    SetChannelPaused(channel, false);
            }
        }
        if (grows && object->scale.x == button.normalSize.x)
            object->scale = {object->scale.x * HOVER_GROWTH, object->scale.y * HOVER_GROWTH};
    }
    else
    {
        *button.hovered = false;
        if (sounds && !IsChannelPlaying(channel)) channel = PlaySound(ButtonSound, true);
        if (object->scale.x > button.normalSize.x) object->scale = button.normalSize;
    }
    return inside;
}

bool MenuClickPressed()
{
    return (IsMouseButtonTriggered(0) && !KeysDriveMenus()) || MenuKeyPressesPointed();
}

bool ButtonClicked(const MenuButton& button, const GameObject* pointed, bool grows, bool sounds)
{
    return UpdateButtonHover(button, pointed, grows, sounds) && MenuClickPressed();
}

void StartHoverChannels(SoundChannel** channels, size_t count)
{
    for (size_t i = 0; i < count; ++i) channels[i] = PlaySound(ButtonSound, true);
}

void StopHoverChannels(SoundChannel** channels, size_t count)
{
    for (size_t i = 0; i < count; ++i)
    {
        StopIfWaiting(channels[i]);
        channels[i] = nullptr;
    }
}

void ApplyMenuVolumes(SoundChannel* const* channels, size_t count, SoundChannel* music,
                      bool silenced)
{
    for (size_t i = 0; i < count; ++i)
        SetChannelVolume(channels[i], silenced ? 0.0f : EffectsVolume);
    if (music) SetChannelVolume(music, silenced ? 0.0f : MusicVolume);
}

bool MenuSilenced() { return SoundMuted || WindowUnfocused; }

void LoadPictures(const char* const* paths, Texture** slots, size_t count)
{
    DecodePicturesAhead(paths, count);
    for (size_t i = 0; i < count; ++i)
    {
        slots[i] = LoadTexture(paths[i]);
        if (!slots[i]) ReportMissingFile(paths[i]);
    }
}

void ReleasePictures(Texture** slots, size_t count)
{
    for (size_t i = 0; i < count; ++i)
    {
        ReleaseTexture(slots[i]);
        slots[i] = nullptr;
    }
}

void AcquirePictures(PictureSet& set)
{
    if (set.users++ == 0) LoadPictures(set.paths, set.pictures, set.count);
}

void DecodePicturesAhead(const PictureSet& set)
{
    DecodePicturesAhead(set.paths, set.count);
}

void ReleasePictures(PictureSet& set)
{
    if (set.users > 0 && --set.users == 0) ReleasePictures(set.pictures, set.count);
}
