// folder_listing.cpp: the files of a folder, through the standard library on every system.
#include "engine/platform/platform.h"

#include <filesystem>
#include <system_error>

std::vector<std::string> PlatformListFolder(const std::string& folder)
{
    namespace fs = std::filesystem;
    std::vector<std::string> names;
    std::error_code error;
    fs::directory_iterator entries(fs::u8path(folder), error);
    if (error) return names;
    for (const fs::directory_entry& entry : entries)
    {
        std::error_code kind;
        if (entry.is_regular_file(kind)) names.push_back(entry.path().filename().u8string());
    }
    return names;
}
