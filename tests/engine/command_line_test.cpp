// The command line: options with and without an argument, and every way to get one wrong.
#include "game/startup/command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
struct Case
{
    std::vector<const char*> words; // after the program's name
    const char* error;              // null: accepted
    bool help, version;
    const char* recorded;
    bool frameStats = false;
};

const Case Cases[] = {
    {{}, nullptr, false, false, ""},
    {{"--help"}, nullptr, true, false, ""},
    {{"--version", "--help"}, nullptr, true, true, ""},
    {{"--record", "run.txt"}, nullptr, false, false, "run.txt"},
    {{"--record=run.txt", "--version"}, nullptr, false, true, "run.txt"},
    {{"--record", "--help"}, nullptr, false, false, "--help"}, // a file may be named anything
    {{"--record="}, nullptr, false, false, ""},
    {{"--bogus"}, "unknown option '--bogus'", false, false, ""},
    {{"--bogus=1"}, "unknown option '--bogus'", false, false, ""},
    {{"-h"}, "unknown option '-h'", false, false, ""},
    {{"level1"}, "unexpected argument 'level1'", false, false, ""},
    {{"level1", "--help"}, "unexpected argument 'level1'", false, false, ""},
    {{"--version=2"}, "option '--version' takes no argument", false, false, ""},
    {{"--record"}, "option '--record' needs FILE", false, false, ""},
    {{"--frame-stats", "--play", "run.txt"}, nullptr, false, false, "", true},
};
} // namespace

TEST(CommandLine, ReadsEachCaseOfTheTable)
{
    for (const Case& c : Cases)
    {
        std::vector<const char*> argv = {"vantara"};
        argv.insert(argv.end(), c.words.begin(), c.words.end());
        std::string trace;
        for (const char* word : argv) trace += std::string(word) + " ";
        SCOPED_TRACE(trace);
        LaunchOptions options;
        std::string error;
        const bool ok =
            ParseCommandLine(GameOptions(), int(argv.size()), argv.data(), &options, &error);
        EXPECT_EQ(ok, c.error == nullptr);
        EXPECT_EQ(error, c.error ? c.error : "");
        EXPECT_EQ(options.showHelp, c.help);
        EXPECT_EQ(options.showVersion, c.version);
        EXPECT_STREQ(options.recordPath ? options.recordPath : "", c.recorded);
        EXPECT_EQ(options.frameStats, c.frameStats);
    }
}

TEST(CommandLine, HelpListsEveryOptionWithItsArgumentAndHelp)
{
    const std::string usage = UsageLine(GameOptions());
    const std::string help = HelpText(GameOptions());
    EXPECT_EQ(help.rfind(usage, 0), 0u) << "help opens with the usage line";
    EXPECT_NE(usage.find("[--record FILE]"), std::string::npos) << usage;
    for (const CommandLineOption& option : GameOptions())
    {
        const std::string synopsis =
            std::string(option.name) + (option.argument ? std::string(" ") + option.argument : "");
        const size_t line = help.find("\n  " + synopsis + " ");
        ASSERT_NE(line, std::string::npos) << synopsis << " missing from\n" << help;
        const size_t end = help.find('\n', line + 1);
        EXPECT_NE(help.substr(line, end - line).find(option.help), std::string::npos) << synopsis;
    }
}
