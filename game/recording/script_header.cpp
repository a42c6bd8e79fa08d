// script_header.cpp: reading and writing a script's header lines.
#include "game/recording/script_header.h"

#include "game/recording/replay_text.h"

#include <cctype>

namespace
{
constexpr uint32_t ASSISTS_SEEN = 1u << 31;

// "assists speed=N forgive=0|1", each field at most once.
bool ParseAssists(const std::vector<std::string>& tokens, ScriptHeader* header, uint32_t* seen,
                  std::string* why)
{
    if (*seen & ASSISTS_SEEN)
    {
        *why = "assists is given twice";
        return false;
    }
    *seen |= ASSISTS_SEEN;
    bool speedGiven = false, forgiveGiven = false;
    for (size_t t = 1; t < tokens.size(); ++t)
    {
        const std::string& field = tokens[t];
        int64_t value = 0;
        if (field.rfind("speed=", 0) == 0 && !speedGiven &&
            ParseWhole(field.substr(6), SLOWEST_SPEED, FULL_SPEED, &value) &&
            IsGameSpeed(static_cast<int>(value)))
        {
            header->assists.speedPercent = static_cast<int>(value);
            speedGiven = true;
        }
        else if (field.rfind("forgive=", 0) == 0 && !forgiveGiven &&
                 ParseWhole(field.substr(8), 0, 1, &value))
        {
            header->assists.hazardsForgive = value == 1;
            forgiveGiven = true;
        }
        else
        {
            *why = "assists: '" + field + "' is not speed=50..100 (in tens) or forgive=0|1, once each";
            return false;
        }
    }
    return true;
}
} // namespace

bool IsHeaderLine(const std::vector<std::string>& tokens)
{
    return !tokens.empty() && std::isalpha(static_cast<unsigned char>(tokens[0][0]));
}

bool ParseHeaderLine(const std::vector<std::string>& tokens, ScriptHeader* header,
                     uint32_t* seen, std::string* why)
{
    if (tokens[0] == "bind")
    {
        if (tokens.size() < 2)
        {
            *why = "bind needs an action";
            return false;
        }
        for (int a = 0; a < ACTION_COUNT; ++a)
        {
            const PlayAction action = static_cast<PlayAction>(a);
            if (tokens[1] != ActionKeyName(action)) continue;
            if (*seen & (1u << a))
            {
                *why = "bind " + tokens[1] + " is given twice";
                return false;
            }
            *seen |= 1u << a;
            std::string names;
            for (size_t t = 2; t < tokens.size(); ++t) names += tokens[t] + " ";
            if (ParseActionBinding(action, names, &header->bindings[action])) return true;
            *why = "bind " + tokens[1] + " '" + names.substr(0, names.size() - 1) +
                   "' is not one or two keys and a pad input";
            return false;
        }
        *why = "bind: unknown action '" + tokens[1] + "'";
        return false;
    }
    if (tokens[0] == "assists") return ParseAssists(tokens, header, seen, why);
    *why = "unknown header line '" + tokens[0] + "'";
    return false;
}

std::string FormatScriptHeader(const ScriptHeader& header)
{
    std::string text;
    const BindingTable& defaults = DefaultBindings();
    for (int a = 0; a < ACTION_COUNT; ++a)
    {
        if (header.bindings[a] == defaults[a]) continue;
        text += std::string("bind ") + ActionKeyName(static_cast<PlayAction>(a)) + " " +
                FormatActionBinding(header.bindings[a]) + "\n";
    }
    if (!(header.assists == Assists()))
        text += "assists speed=" + std::to_string(header.assists.speedPercent) +
                " forgive=" + (header.assists.hazardsForgive ? "1" : "0") + "\n";
    return text;
}

void ApplyScriptHeader(const ScriptHeader& header)
{
    Bindings = header.bindings;
    PlayAssists = header.assists;
}

ScriptHeader CurrentScriptHeader()
{
    ScriptHeader header;
    header.bindings = Bindings;
    header.assists = PlayAssists;
    return header;
}
