// script_header.cpp: reading and writing a script's header lines.
#include "game/recording/script_header.h"

#include <cctype>

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
    return text;
}

void ApplyScriptHeader(const ScriptHeader& header) { Bindings = header.bindings; }

ScriptHeader CurrentScriptHeader()
{
    ScriptHeader header;
    header.bindings = Bindings;
    return header;
}
