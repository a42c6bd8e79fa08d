// The command line: options with and without an argument, and every way to get one wrong.
#include "game/command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
std::string RecordedFile; // what the test's --record row received

// The game's rows plus one that takes an argument, as a recording option would.
std::vector<CommandLineOption> TestTable()
{
    std::vector<CommandLineOption> table = GameOptions();
    table.push_back({"--record", "FILE", "record the run into FILE",
                     [](LaunchOptions*, const char* file) { RecordedFile = file; }});
    return table;
}

struct Case
{
    std::vector<const char*> words; // after the program's name
    const char* error;              // null: accepted
    bool help, version;
    const char* recorded;
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
        RecordedFile.clear();
        LaunchOptions options;
        std::string error;
        const bool ok =
            ParseCommandLine(TestTable(), int(argv.size()), argv.data(), &options, &error);
        EXPECT_EQ(ok, c.error == nullptr);
        EXPECT_EQ(error, c.error ? c.error : "");
        EXPECT_EQ(options.showHelp, c.help);
        EXPECT_EQ(options.showVersion, c.version);
        EXPECT_EQ(RecordedFile, c.recorded);
    }
}

TEST(CommandLine, HelpListsEveryOptionWithItsArgumentAndHelp)
{
    const std::string usage = UsageLine(TestTable());
    const std::string help = HelpText(TestTable());
    EXPECT_EQ(help.rfind(usage, 0), 0u) << "help opens with the usage line";
    EXPECT_NE(usage.find("[--record FILE]"), std::string::npos) << usage;
    for (const CommandLineOption& option : TestTable())
    {
        const std::string synopsis =
            std::string(option.name) + (option.argument ? std::string(" ") + option.argument : "");
        const size_t line = help.find("\n  " + synopsis + " ");
        ASSERT_NE(line, std::string::npos) << synopsis << " missing from\n" << help;
        const size_t end = help.find('\n', line + 1);
        EXPECT_NE(help.substr(line, end - line).find(option.help), std::string::npos) << synopsis;
    }
}
