// settings_page.h: a page of the settings window after its first.
//
// The window opens on its first page, the volumes, mute and window modes; a row of tabs over
// it turns to the others, each on a wider panel with the window's Return button. A page makes
// its objects the first time the window opens in a screen's visit (nothing of it exists
// before), in layer "FRA0" over the window, and shows and hides them with its tab. Its
// buttons join the window's focus with the tabs, so that the arrows, Enter and Escape (the
// D-pad, A and B) work on every page as they do on the first; LB and RB turn the pages.
#pragma once

#include "engine/graphics/math2d.h"
#include "game/frontend/text_line.h"

#include <string>
#include <vector>

struct SoundChannel;
struct Texture;

// What the window lends its pages to make their objects with.
struct PagePictures
{
    Texture* letters;
    Texture* plate; // a blank button plate, about 4.5 by 1
    Texture* minus;
    Texture* plus;
};

// A button of a page: hover, sound and click as every menu button has them. The buttons of
// all pages share one hover sound: only one is pointed at or focused at a time, and a page of
// thirty buttons must not hold thirty of the game's sound channels.
struct PageButton
{
    GameObject* object = nullptr;
    Vec2 size = {0.0f, 0.0f};
    bool hovered = false;

    // Hover feedback, and whether it was clicked this frame (menu_widgets.h).
    bool Clicked(const GameObject* pointed);
};

// Registers a button with words on the plate, hidden, in layer "FRA0".
PageButton MakeWordButton(const char* name, const PagePictures& pictures, const std::string& text,
                          float x, float y, float w, float h);
// The same with a picture of its own (the - and + of a value).
PageButton MakePictureButton(const char* name, Texture* picture, float x, float y, float w,
                             float h);
// A line of words of a page, hidden, in layer "FRA0".
TextLine* MakePageText(const char* name, const PagePictures& pictures, const std::string& text,
                       float x, float y, float height, TextAlign align = TEXT_LEFT);
// Stops the pages' hover sound while it waits (the pages are going; the buttons are a page's).
void StopPageButtons(PageButton* buttons, size_t count);

class SettingsPage
{
  public:
    virtual ~SettingsPage() = default;

    // The tab's words.
    virtual const char* Title() const = 0;
    // Makes the page's objects, hidden.
    virtual void Build(const PagePictures& pictures) = 0;
    virtual void Show(bool shown) = 0;
    // The buttons the focus moves over now, the first focused when the page is turned to.
    virtual void Buttons(std::vector<GameObject*>* buttons) = 0;
    // While true the page reads the keys itself (a key being chosen): the tabs and the focus
    // stand still, and Escape and B are the page's.
    virtual bool HoldsKeys() const { return false; }
    // Once, after the page changed its buttons: the index in Buttons() the focus goes to.
    virtual bool TakeFocusRequest(size_t*) { return false; }
    // Escape or B while the page is shown: true when the page took it (it closed a question
    // of its own); otherwise the window closes.
    virtual bool Back() { return false; }
    // The frame's work while shown: hover and clicks of the button `pointed` at.
    virtual void Update(const GameObject* pointed) = 0;
};
