// object_kind.h: what a game object is, and so how the player reacts when it touches it.
//
// The kind is a plain signed number on every GameObject. The gaps in the numbering are kinds
// the game does not use; the contact reactions themselves live with the player.
#pragma once

#include <cstdint>

using ObjectKind = int32_t;

constexpr ObjectKind KIND_PLAYER = 0;
constexpr ObjectKind KIND_ENEMY = 1;
constexpr ObjectKind KIND_ROCK = 3;
constexpr ObjectKind KIND_SPIKES = 4;
constexpr ObjectKind KIND_PLATFORM = 5;
constexpr ObjectKind KIND_BACKGROUND = 6;
constexpr ObjectKind KIND_HOOK_TIP = 7;
constexpr ObjectKind KIND_GRAPPLE_POINT = 8;
constexpr ObjectKind KIND_VANISHING = 9;
constexpr ObjectKind KIND_BUTTON = 11;
constexpr ObjectKind KIND_EXIT = 12;
constexpr ObjectKind KIND_BACKGROUND_NEAR = 13;
constexpr ObjectKind KIND_SOLID = 14;
constexpr ObjectKind KIND_LAVA = 15;
constexpr ObjectKind KIND_CREDITS_PAGE = 22;
constexpr ObjectKind KIND_CONTROLS_PAGE = 23;
