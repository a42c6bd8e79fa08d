// palette.h: the colours of Vantara's look, "twilight ruins".
//
// A violet dusk sky over sandstone ruins, lit warm from the low sun; bronze and gold metal;
// teal for everything the hook can use; hot orange for what burns. Every outline is the same
// deep ink. Pictures take their colours from here so that the whole game stays in one key.
#pragma once

#include "tools/assetgen/canvas.h"

namespace Palette
{
constexpr Rgba Ink = Hex(0x1A1226);         // outlines
constexpr Rgba NightTop = Hex(0x140F2B);    // sky at the zenith
constexpr Rgba NightViolet = Hex(0x2B2150); // upper sky
constexpr Rgba DuskPurple = Hex(0x5B3C82);  // middle sky
constexpr Rgba DuskRose = Hex(0xB65A7E);    // low sky
constexpr Rgba SunsetOrange = Hex(0xF39A52);
constexpr Rgba SunGlow = Hex(0xFFD79A);
constexpr Rgba Gold = Hex(0xE8B65A);
constexpr Rgba GoldLight = Hex(0xFFE3A1);
constexpr Rgba GoldDark = Hex(0x9A6A2A);
constexpr Rgba Bronze = Hex(0xB4773E);
constexpr Rgba Cream = Hex(0xFBF0D9); // text
constexpr Rgba Sandstone = Hex(0xC99E78);
constexpr Rgba SandstoneLight = Hex(0xE6C39B);
constexpr Rgba SandstoneDark = Hex(0x8A6650);
constexpr Rgba Mortar = Hex(0x4A3446);
constexpr Rgba PanelTop = Hex(0x4A3572); // button and window faces
constexpr Rgba PanelBottom = Hex(0x2A1D47);
constexpr Rgba PanelDeep = Hex(0x1E1535);
constexpr Rgba Teal = Hex(0x3FD6CB);
constexpr Rgba TealLight = Hex(0xA8FFF4);
constexpr Rgba TealDark = Hex(0x1B7E85);
constexpr Rgba Scarf = Hex(0xF0873A); // the hero's scarf
constexpr Rgba ScarfDark = Hex(0xB4502A);
constexpr Rgba Cloak = Hex(0x2FA8A3);
constexpr Rgba CloakDark = Hex(0x1C6C78);
constexpr Rgba Skin = Hex(0xF2C7A0);
constexpr Rgba SkinShade = Hex(0xCF9778);
constexpr Rgba Tunic = Hex(0x3E2D5C);
constexpr Rgba TunicDark = Hex(0x2A1E42);
constexpr Rgba Steel = Hex(0xC9D1DE);
constexpr Rgba SteelMid = Hex(0x8892A6);
constexpr Rgba SteelDark = Hex(0x444B5E);
constexpr Rgba Iron = Hex(0x2E2B3A);
constexpr Rgba LavaHot = Hex(0xFFE27A);
constexpr Rgba LavaOrange = Hex(0xFF8A2A);
constexpr Rgba LavaRed = Hex(0xD7331F);
constexpr Rgba LavaCrust = Hex(0x5A1A1E);
constexpr Rgba Blood = Hex(0x9E2035);
constexpr Rgba Magenta = Hex(0xD2479A); // the flying enemy and the bounce pads
constexpr Rgba MagentaDark = Hex(0x7E2468);
constexpr Rgba EnemyEye = Hex(0xFFD23F);
} // namespace Palette
