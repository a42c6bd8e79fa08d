// art.h: every picture the game reads, one producer each.
//
// Sizes are chosen for how the game draws them: the picture's aspect ratio matches the size
// of the object that shows it, pixel counts give about two pixels per world unit for sprites
// and one per unit for full-screen pictures, and tiles wrap seamlessly.
#pragma once

#include <string>

#include "tools/assetgen/canvas.h"

// Level scenery and hazards (art_level.cpp, art_hazards.cpp).
Canvas FarBackground(); // far layer, 3240 x 1080 world units
Canvas NearColumns();   // near layer of columns with transparent gaps, 3240 x 1080
Canvas PlatformTile();  // stone platform tile, repeats every 32 units
Canvas BouncePadTile(); // bouncing platform tile, repeats every 32 units
Canvas GrapplePoint();  // the hook ring of grapple points
Canvas SpikeStrip();    // spikes: repeats twice across any object
Canvas LavaStrip();     // lava: repeats like the spikes; also the hook tip
Canvas RopePicture();   // the rope strip, along its height
Canvas RockPicture();   // the falling boulder
Canvas FramePicture();  // a bronze frame

// Characters (art_characters.cpp).
Canvas PlayerStill();    // the hero standing, one cell of the run sheet's size
Canvas PlayerRunSheet(); // eight run frames in one row
Canvas FlyingEnemy();    // faces right
Canvas GroundEnemy();    // faces left
Canvas EnemySheet();     // the flying enemy's wing beat, four frames in one row

// Front-end widgets (art_ui.cpp).
Canvas MenuButton(const std::string& label, int width, int height);
Canvas TextLabel(const std::string& label, int width, int height);
// One row of equal cells, one character of `cells` each ('*' is the star of a finished level).
Canvas TimeDigits(const std::string& cells, int cellWidth, int cellHeight);
// Every printable ASCII character from ' ' to '~', one equal cell each in one row, in the
// lettering of the labels: the sheet the game writes level titles and messages with.
Canvas LetterSheet(int cellWidth, int cellHeight);
// A button's plate with no words on it: the game writes on it with the letter sheet.
Canvas BlankButton(int width, int height);
// The mark of a proven level: a gold seal with a tick.
Canvas ProvenSeal(int size);
Canvas WindowPanel();
// The settings window's wider pages (controls, assists, time trial), in the same dress.
Canvas WideWindowPanel();
Canvas SettingsGear();
Canvas GameIcon(int size); // the emblem on a transparent square: window and desktop icons
Canvas TeamMark();        // first splash: our own mark
Canvas AudioCredit();     // second splash: the audio library, in plain text
Canvas AudioCreditLine(); // the line under the second splash

// Full screens (art_screens.cpp, art_pages.cpp).
Canvas MainMenuBackground();
Canvas LevelSelectorBackground();
Canvas MyLevelsBackground();
Canvas LoadingScreen();
Canvas CreditsPage(int page); // 1 to 5
Canvas ControlsPage();
Canvas WinScreen();

// The contact sheet for review: every picture, labelled with its path.
struct ContactEntry
{
    std::string path;
    Canvas thumbnail;
    int width, height; // of the full picture
};
Canvas ContactSheet(const std::vector<ContactEntry>& entries);
Canvas Thumbnail(const Canvas& picture, int maxWidth, int maxHeight);
