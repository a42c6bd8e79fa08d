// kept_folder.h: a fresh XDG config and data folder for each test of the kept files.
#pragma once

#include "game/saves/kept_file.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

class KeptFolderTest : public testing::Test
{
  protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/vantara-kept-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        root = pattern;
        config = root + "/config";
        data = root + "/data";
        setenv("XDG_CONFIG_HOME", config.c_str(), 1);
        setenv("XDG_DATA_HOME", data.c_str(), 1);
        KeepingFiles = true;
    }
    void TearDown() override
    {
        KeepingFiles = false;
        std::system(("rm -rf '" + root + "'").c_str());
    }
    static bool FileExists(const std::string& path)
    {
        struct stat info;
        return stat(path.c_str(), &info) == 0;
    }
    static void MakeFolder(const std::string& path)
    {
        std::system(("mkdir -p '" + path + "'").c_str());
    }
    static void WriteFile(const std::string& path, const std::string& text)
    {
        MakeFolder(path.substr(0, path.rfind('/')));
        std::ofstream(path, std::ios::binary) << text;
    }
    static std::string ReadFile(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
    static void RemoveFile(const std::string& path) { unlink(path.c_str()); }

    std::string root, config, data;
};
