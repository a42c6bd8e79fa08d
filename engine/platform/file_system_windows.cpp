// file_system_windows.cpp: the one place where the Windows game opens files.
//
// Paths inside the game are UTF-8, with '\' and '/' alike; they are opened through the wide
// calls, so a folder named in any script (the player's user name, where the game was unpacked)
// works. The paths are relative to the folder that holds data/, which PlatformEnterDataFolder
// makes the working directory.
#include "engine/platform/platform.h"

#include "engine/platform/windows_text.h"

#include <cstdio>
#include <string>

#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>

FILE* PlatformOpenFile(const char* path, const char* mode)
{
    if (!path || !mode) return nullptr;
    return _wfopen(WideFromUtf8(path).c_str(), WideFromUtf8(mode).c_str());
}

size_t PlatformFileSizeHint(FILE* file)
{
    struct _stat64 info;
    if (!file || _fstat64(_fileno(file), &info) != 0 || (info.st_mode & _S_IFMT) != _S_IFREG)
        return 0;
    return static_cast<size_t>(info.st_size);
}

void PlatformSetBinaryStream(FILE* file)
{
    if (file) _setmode(_fileno(file), _O_BINARY);
}

namespace
{
bool HasDataFolder(const std::wstring& folder)
{
    const DWORD attributes = GetFileAttributesW((folder + L"\\data").c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::wstring ExecutableFolder()
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;)
    {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return std::wstring();
        if (length < path.size())
        {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2); // a long path: ask again with room for it
    }
    const size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}
} // namespace

std::string PlatformProgramFolder() { return Utf8FromWide(ExecutableFolder().c_str()); }

bool PlatformEnterDataFolder(const char* installedFolder)
{
    const std::wstring beside = ExecutableFolder();
    if (!beside.empty())
    {
        if (HasDataFolder(beside)) return SetCurrentDirectoryW(beside.c_str()) != 0;
        if (installedFolder)
        {
            const std::wstring installed = beside + L"\\" + WideFromUtf8(installedFolder);
            if (HasDataFolder(installed)) return SetCurrentDirectoryW(installed.c_str()) != 0;
        }
    }
    return HasDataFolder(L".");
}
