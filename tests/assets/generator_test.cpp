// generator_test.cpp: the generator writes the same bytes on every run, keeps the data
// folder small, and says so when it cannot do its job.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <sys/wait.h>

#include <gtest/gtest.h>

#include "tests/assets/asset_test_support.h"

namespace fs = std::filesystem;

namespace
{
// A fresh, empty folder under the system's temporary directory, removed afterwards.
class ScratchFolder
{
  public:
    ScratchFolder()
    {
        std::string pattern = (fs::temp_directory_path() / "vantara-assets-XXXXXX").string();
        path_ = mkdtemp(pattern.data()) ? pattern : std::string();
    }
    ~ScratchFolder()
    {
        std::error_code ignored;
        if (!path_.empty()) fs::remove_all(path_, ignored);
    }
    const std::string& Path() const { return path_; }

  private:
    std::string path_;
};

// Runs the generator with the given arguments; its exit code (or -1 if it did not exit).
int Generate(const std::string& arguments)
{
    std::string command =
        std::string("\"") + VANTARA_ASSETGEN + "\" " + arguments + " >/dev/null 2>&1";
    int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::map<std::string, std::vector<uint8_t>> FilesUnder(const std::string& folder)
{
    std::map<std::string, std::vector<uint8_t>> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (entry.is_regular_file())
            files[fs::relative(entry.path(), folder).string()] = ReadBytes(entry.path().string());
    return files;
}
} // namespace

// The build's data folder is one run (in a build that takes its data from another build, that
// build's generator's run); this run must write the same bytes.
TEST(Generator, TwoRunsWriteTheSameBytes)
{
    ScratchFolder fresh;
    ASSERT_FALSE(fresh.Path().empty());
    ASSERT_EQ(Generate("\"" + fresh.Path() + "/data\""), 0);
    auto a = FilesUnder(fresh.Path() + "/data"), b = FilesUnder(VANTARA_DATA_DIR);
    b.erase(".generated"); // the build's stamp
    // The shipped levels are copied in beside the generator's files by the build.
    for (auto it = b.begin(); it != b.end();)
        it = it->first.rfind("levels/", 0) == 0 ? b.erase(it) : std::next(it);
    ASSERT_FALSE(a.empty());
    ASSERT_EQ(a.size(), b.size());
    for (const auto& [name, bytes] : a)
    {
        SCOPED_TRACE(name);
        ASSERT_TRUE(b.count(name));
        EXPECT_TRUE(bytes == b.at(name)) << "differs between runs";
    }
}

TEST(Generator, DataFolderStaysUnderFortyMegabytes)
{
    uintmax_t total = 0;
    for (const auto& entry : fs::recursive_directory_iterator(VANTARA_DATA_DIR))
        if (entry.is_regular_file()) total += entry.file_size();
    EXPECT_GT(total, 1u << 20);
    EXPECT_LT(total, 40u * 1024 * 1024);
}

TEST(Generator, ReportsFailureWhenItCannotWrite)
{
    // A data folder inside a plain file can never be created: the run must fail, not
    // claim success with nothing written.
    ScratchFolder scratch;
    std::string blocker = scratch.Path() + "/not-a-folder";
    {
        std::ofstream(blocker) << "x";
    }
    EXPECT_NE(Generate("\"" + blocker + "/data\""), 0);
}

TEST(Generator, ReportsFailureWithoutItsFonts)
{
    ScratchFolder scratch;
    EXPECT_NE(
        Generate("\"" + scratch.Path() + "/data\" --fonts \"" + scratch.Path() + "/no-fonts\""), 0);
    EXPECT_FALSE(fs::exists(scratch.Path() + "/data/Menus/Play.png"));
}

TEST(Generator, RejectsAMissingDataFolderArgument)
{
    EXPECT_NE(Generate(""), 0);
    EXPECT_NE(Generate("--verbose"), 0);
}
