// emblem.h: the Vantara emblem, a gold-rimmed dusk disc with a V of rope meeting at a teal
// grapple gem. It is the window icon, the team's splash mark and the seal on the pages.
#pragma once

#include "tools/assetgen/canvas.h"

void PaintEmblem(Canvas& canvas, Vec centre, float radius);
