// replay_json.cpp: writing registry and frame lines.
#include "tools/replay/replay_json.h"

#include "engine/system/window.h"
#include "game/frontend/pause_menu.h"
#include "game/frontend/screens.h"
#include "game/frontend/settings.h"
#include "game/gameplay/enemy.h"
#include "game/gameplay/grappling_hook.h"
#include "game/gameplay/player.h"
#include "game/gameplay/rock.h"
#include "game/scene/render_layer.h"

#include <cinttypes>
#include <cmath>

namespace
{
void Append(std::string& line, const char* text) { line += text; }

void AppendFloat(std::string& line, float value)
{
    if (!std::isfinite(value))
    {
        line += "null";
        return;
    }
    char text[32];
    std::snprintf(text, sizeof text, "%.9g", static_cast<double>(value));
    line += text;
}

void AppendInt(std::string& line, int64_t value)
{
    char text[24];
    std::snprintf(text, sizeof text, "%" PRId64, value);
    line += text;
}

void AppendBool(std::string& line, bool value) { line += value ? "true" : "false"; }

void AppendString(std::string& line, const std::string& text)
{
    line += '"';
    for (unsigned char c : text)
    {
        if (c == '"' || c == '\\')
        {
            line += '\\';
            line += static_cast<char>(c);
        }
        else if (c < 0x20)
        {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            line += escaped;
        }
        else
            line += static_cast<char>(c);
    }
    line += '"';
}

void AppendObject(std::string& line, const GameObject* object)
{
    Append(line, "{\"name\": ");
    AppendString(line, object->name);
    Append(line, ", \"kind\": ");
    AppendInt(line, object->kind);
    Append(line, ", \"x\": ");
    AppendFloat(line, object->position.x);
    Append(line, ", \"y\": ");
    AppendFloat(line, object->position.y);
    Append(line, ", \"w\": ");
    AppendFloat(line, object->scale.x);
    Append(line, ", \"h\": ");
    AppendFloat(line, object->scale.y);
    Append(line, ", \"layer\": ");
    if (object->layer)
        AppendString(line, object->layer->name);
    else
        Append(line, "null");
    Append(line, ", \"visible\": ");
    AppendBool(line, object->visible);
    if (const Enemy* enemy = dynamic_cast<const Enemy*>(object))
    {
        Append(line, ", \"left\": ");
        AppendInt(line, enemy->patrolLeft);
        Append(line, ", \"right\": ");
        AppendInt(line, enemy->patrolRight);
        Append(line, ", \"stunnable\": ");
        AppendBool(line, enemy->stunnable);
    }
    if (const Rock* rock = dynamic_cast<const Rock*>(object))
    {
        Append(line, ", \"reset\": ");
        AppendInt(line, rock->resetHeight);
    }
    line += '}';
}

// A player field, or null without a player.
template <typename T, typename Append>
void Field(std::string& line, const char* name, bool present, T value, Append append)
{
    line += ", \"";
    line += name;
    line += "\": ";
    if (present)
        append(line, value);
    else
        line += "null";
}
} // namespace

void JsonReplayWriter::OnInit(uint64_t nextFrame)
{
    line_ = "{\"frame\": ";
    AppendInt(line_, static_cast<int64_t>(nextFrame));
    Append(line_, ", \"registry\": [");
    for (size_t i = 0; i < ObjectRegistry.size(); ++i)
    {
        if (i) Append(line_, ", ");
        AppendObject(line_, ObjectRegistry[i]);
    }
    Append(line_, "]}\n");
    std::fwrite(line_.data(), 1, line_.size(), out_);
}

void JsonReplayWriter::OnFrame(uint64_t frame, const Player* player, ReplayEvent event)
{
    const bool p = player != nullptr;
    const Vec2 tip = HookTip ? HookTip->position : HOOK_PARK_POSITION;
    line_ = "{\"frame\": ";
    AppendInt(line_, static_cast<int64_t>(frame));
    Append(line_, ", \"state\": ");
    AppendInt(line_, CurrentStateId);
    Append(line_, ", \"next\": ");
    AppendInt(line_, NextStateId);
    Field(line_, "x", p, p ? player->position.x : 0.0f, AppendFloat);
    Field(line_, "y", p, p ? player->position.y : 0.0f, AppendFloat);
    Field(line_, "vx", p, p ? player->velocity.x : 0.0f, AppendFloat);
    Field(line_, "vy", p, p ? player->velocity.y : 0.0f, AppendFloat);
    Field(line_, "grounded", p, Grounded, AppendBool);
    Field(line_, "slamming", p, Slamming, AppendBool);
    Field(line_, "hooked", p, p && player->hooked, AppendBool);
    Field(line_, "latched", p, HookLatched, AppendBool);
    Field(line_, "onPoint", p, HookOnPoint, AppendBool);
    Field(line_, "tipX", p, tip.x, AppendFloat);
    Field(line_, "tipY", p, tip.y, AppendFloat);
    Field(line_, "paused", p, p && player->pauseMenu.paused, AppendBool);
    FrontEndWindows windows = {false, false};
    if (CurrentStateId == GS_MAIN_MENU)
        windows = MainMenuWindows();
    else if (p)
        windows = {player->pauseMenu.settings && player->pauseMenu.settings->isOpen,
                   PauseConfirmOpen};
    Append(line_, ", \"settingsOpen\": ");
    AppendBool(line_, windows.settingsOpen);
    Append(line_, ", \"confirmOpen\": ");
    AppendBool(line_, windows.confirmOpen);
    Append(line_, ", \"windowW\": ");
    AppendInt(line_, WindowWidth);
    Append(line_, ", \"windowH\": ");
    AppendInt(line_, WindowHeight);
    Append(line_, ", \"fullscreen\": ");
    AppendBool(line_, IsFullscreen);
    Append(line_, ", \"event\": ");
    if (const char* name = FrameEventName(event))
        AppendString(line_, name);
    else
        Append(line_, "null");
    Append(line_, "}\n");
    std::fwrite(line_.data(), 1, line_.size(), out_);
}
