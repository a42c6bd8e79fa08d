// script_header.h: what a script says before its first frame line.
//
//     bind jump J W PAD_A        an action's bindings (bindings.h), when not the game's own
//     assists speed=50 forgive=1 the assists on (assists.h): game speed in percent, hazards
//                                forgive (0 or 1)
//
// A script without a header plays as the runner always has: the game's own controls and no
// assist. A recording carries the player's, so that it plays back exactly wherever it is
// played.
#pragma once

#include "game/controls/bindings.h"
#include "game/gameplay/assists.h"

#include <string>
#include <vector>

struct ScriptHeader
{
    BindingTable bindings = DefaultBindings();
    Assists assists = Assists();
};

// Whether a line's first word opens a header line rather than a frame's.
bool IsHeaderLine(const std::vector<std::string>& tokens);
// Reads one header line into `header`; false with the reason in `why`. `seen` remembers what
// earlier lines gave, so that nothing is given twice.
bool ParseHeaderLine(const std::vector<std::string>& tokens, ScriptHeader* header,
                     uint32_t* seen, std::string* why);
// The header's lines, each ending in a line feed; none for what is as the game has it.
std::string FormatScriptHeader(const ScriptHeader& header);
// Plays the header: the bindings and the assists.
void ApplyScriptHeader(const ScriptHeader& header);
// The header of what the game plays with now.
ScriptHeader CurrentScriptHeader();
