// screen_parts.h: pieces shared by the full-screen pictures (menus, pages, loading, win).
#pragma once

#include <string>

#include "tools/assetgen/canvas.h"
#include "tools/assetgen/text.h"

constexpr int ScreenWidth = 1920;
constexpr int ScreenHeight = 1080;

// The dusk landscape behind the menus: sky, far hills, ruins and mist, without a foreground.
Canvas MenuLandscape(float sunX, unsigned seed);
// A quiet night backdrop for text pages, with a gold frame round the edge.
Canvas PageBackdrop(unsigned seed);
// Title lettering: gold serif capitals with an ink outline and a warm glow.
TextStyle TitleStyle(float size);
// Body lettering in cream, and its muted variant for notes.
TextStyle BodyStyle(float size);
TextStyle NoteStyle(float size);
// A gold rule with a diamond in its middle, centred on x.
void PaintRule(Canvas& canvas, float x, float y, float halfWidth);
// The hint at the foot of a page, e.g. how to turn it.
void PaintFooter(Canvas& canvas, const std::string& text);
