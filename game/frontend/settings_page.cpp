// settings_page.cpp: the buttons and words the settings window's pages are made of.
#include "game/frontend/settings_page.h"

#include "game/audio/sound_system.h"
#include "game/frontend/menu_widgets.h"
#include "game/scene/render_layer.h"

namespace
{
SoundChannel* HoverChannel = nullptr; // every page button's, ready paused

GameObject* OnWindow(GameObject* object)
{
    AddObject(GetOrCreateLayer("FRA0"), object);
    object->visible = false;
    return object;
}

PageButton Prepared(GameObject* object, float w, float h)
{
    PageButton button;
    button.object = OnWindow(object);
    button.size = {w, h};
    return button;
}
} // namespace

bool PageButton::Clicked(const GameObject* pointed)
{
    SetChannelVolume(HoverChannel, MenuSilenced() ? 0.0f : EffectsVolume);
    return ButtonClicked({object, size, &hovered, &HoverChannel}, pointed);
}

PageButton MakeWordButton(const char* name, const PagePictures& pictures, const std::string& text,
                          float x, float y, float w, float h)
{
    return Prepared(CreateLabelledButton(name, pictures.plate, pictures.letters, text, x, y, w, h),
                    w, h);
}

PageButton MakePictureButton(const char* name, Texture* picture, float x, float y, float w, float h)
{
    return Prepared(CreateMenuObject(new GameObject(), name, picture, x, y, w, h), w, h);
}

TextLine* MakePageText(const char* name, const PagePictures& pictures, const std::string& text,
                       float x, float y, float height, TextAlign align)
{
    TextLine* line = CreateTextLine(name, pictures.letters, text, x, y, height, align);
    OnWindow(line);
    return line;
}

void StopPageButtons(PageButton*, size_t) { StopHoverChannels(&HoverChannel, 1); }
