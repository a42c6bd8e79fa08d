// command_line.cpp: the option table and the one loop that reads it.
#include "game/startup/command_line.h"

#include <algorithm>

const std::vector<CommandLineOption>& GameOptions()
{
    static const std::vector<CommandLineOption> options = {
        {"--help", nullptr, "show this help and exit",
         [](LaunchOptions* o, const char*) { o->showHelp = true; }},
        {"--version", nullptr, "show the version and exit",
         [](LaunchOptions* o, const char*) { o->showVersion = true; }},
        {"--frame-stats", nullptr, "on exit, print the start-up timeline, pacing and frame costs",
         [](LaunchOptions* o, const char*) { o->frameStats = true; }},
        {"--record", "FILE", "write the session into FILE as a replay script",
         [](LaunchOptions* o, const char* file) { o->recordPath = file; }},
        {"--play", "FILE", "play a recording back; any key stops it",
         [](LaunchOptions* o, const char* file) { o->playPath = file; }},
        {"--import", "FILE", "check a shared level's proof, keep it among My levels, and exit",
         [](LaunchOptions* o, const char* file) { o->importPath = file; }},
    };
    return options;
}

namespace
{
const CommandLineOption* FindOption(const std::vector<CommandLineOption>& table,
                                    const std::string& name)
{
    for (const CommandLineOption& option : table)
        if (name == option.name) return &option;
    return nullptr;
}

// "--record FILE" or "--help".
std::string Synopsis(const CommandLineOption& option)
{
    std::string text = option.name;
    if (option.argument) text += std::string(" ") + option.argument;
    return text;
}
} // namespace

bool ParseCommandLine(const std::vector<CommandLineOption>& table, int argc,
                      const char* const* argv, LaunchOptions* options, std::string* error)
{
    for (int i = 1; i < argc; i++)
    {
        const std::string word = argv[i];
        const size_t equals = word.find('=');
        const bool joined = word.rfind("--", 0) == 0 && equals != std::string::npos;
        const std::string name = joined ? word.substr(0, equals) : word;
        const CommandLineOption* option = FindOption(table, name);
        if (!option)
        {
            *error = word.rfind("-", 0) == 0 ? "unknown option '" + name + "'"
                                             : "unexpected argument '" + word + "'";
            return false;
        }
        if (!option->argument)
        {
            if (joined)
            {
                *error = "option '" + name + "' takes no argument";
                return false;
            }
            option->apply(options, nullptr);
            continue;
        }
        if (joined)
        {
            option->apply(options, argv[i] + equals + 1);
            continue;
        }
        if (i + 1 >= argc)
        {
            *error = "option '" + name + "' needs " + option->argument;
            return false;
        }
        option->apply(options, argv[++i]);
    }
    return true;
}

std::string UsageLine(const std::vector<CommandLineOption>& table)
{
    std::string line = "usage: vantara";
    for (const CommandLineOption& option : table) line += " [" + Synopsis(option) + "]";
    return line + "\n";
}

std::string HelpText(const std::vector<CommandLineOption>& table)
{
    size_t width = 0;
    for (const CommandLineOption& option : table) width = std::max(width, Synopsis(option).size());
    std::string text = UsageLine(table) +
                       "\nVantara, a platformer with a grappling hook. Without options it starts "
                       "the game.\n\noptions:\n";
    for (const CommandLineOption& option : table)
    {
        const std::string synopsis = Synopsis(option);
        text +=
            "  " + synopsis + std::string(width - synopsis.size() + 2, ' ') + option.help + "\n";
    }
    return text;
}
