// kept_files_windows.cpp: where the Windows game keeps its files between runs, and how.
//
// Settings and best times both live in the player's roaming application data,
// %APPDATA%\Vantara\, as a Windows game keeps them. A write goes whole to a new temporary file
// beside the kept one (created exclusively, under a name no other copy of the game uses),
// which is flushed to the disk and then moved over the old file with
// MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH: a crash or a full disk leaves the old
// file or the new one, never half a file. Paths are UTF-8 here and wide at every Windows call.
#include "engine/platform/platform.h"

#include "engine/platform/windows_text.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <string>

#include <shlobj.h>
#include <windows.h>

namespace
{
std::string LastError()
{
    return WindowsErrorText(GetLastError());
}

std::wstring Native(const std::string& path)
{
    std::wstring wide = WideFromUtf8(path);
    for (wchar_t& c : wide)
        if (c == L'/') c = L'\\';
    return wide;
}

// The roaming application-data folder, as the shell knows it, else as %APPDATA% says.
std::string ApplicationData()
{
    wchar_t* known = nullptr;
    std::string folder;
    if (SHGetKnownFolderPath(FOLDERID_RoamingAppData, KF_FLAG_CREATE, nullptr, &known) == S_OK)
        folder = Utf8FromWide(known);
    CoTaskMemFree(known);
    if (folder.empty())
        if (const wchar_t* variable = _wgetenv(L"APPDATA")) folder = Utf8FromWide(variable);
    return folder;
}

// Makes every missing folder of `folder`, like mkdir -p.
bool MakeFolders(const std::wstring& folder)
{
    const int result = SHCreateDirectoryExW(nullptr, folder.c_str(), nullptr);
    return result == ERROR_SUCCESS || result == ERROR_ALREADY_EXISTS || result == ERROR_FILE_EXISTS;
}

bool WriteAll(HANDLE file, const std::string& text)
{
    size_t done = 0;
    while (done < text.size())
    {
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(text.size() - done, 1u << 30));
        DWORD written = 0;
        if (!WriteFile(file, text.data() + done, chunk, &written, nullptr) || written == 0)
            return false;
        done += written;
    }
    return true;
}

// A temporary name beside `path` that no other writer uses: this process's id and a count.
std::wstring TemporaryName(const std::wstring& path)
{
    static std::atomic<unsigned> count{0};
    return path + L"." + std::to_wstring(GetCurrentProcessId()) + L"-" +
           std::to_wstring(count.fetch_add(1)) + L".tmp";
}
} // namespace

std::string PlatformKeptFolder(KeptFolder)
{
    const std::string base = ApplicationData();
    return base.empty() ? base : base + "\\Vantara";
}

KeptReadResult PlatformReadKeptFile(const std::string& path, size_t limit, std::string* text,
                                    std::string* reason)
{
    text->clear();
    const HANDLE file = CreateFileW(Native(path).c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
    {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return KEPT_MISSING;
        *reason = WindowsErrorText(error);
        return KEPT_UNREADABLE;
    }
    char buffer[4096];
    DWORD got = 0;
    bool tooLarge = false, failed = false;
    for (;;)
    {
        if (!ReadFile(file, buffer, sizeof buffer, &got, nullptr))
        {
            failed = true;
            break;
        }
        if (got == 0) break;
        if (text->size() + got > limit)
        {
            tooLarge = true;
            break;
        }
        text->append(buffer, got);
    }
    CloseHandle(file);
    if (tooLarge)
        *reason = "larger than " + std::to_string(limit) + " bytes";
    else if (failed)
        *reason = "read error";
    if (tooLarge || failed)
    {
        text->clear();
        return KEPT_UNREADABLE;
    }
    return KEPT_READ;
}

bool PlatformWriteKeptFile(const std::string& path, const std::string& text, std::string* reason)
{
    const std::wstring target = Native(path);
    const size_t slash = target.rfind(L'\\');
    if (slash != std::wstring::npos && slash > 0 && !MakeFolders(target.substr(0, slash)))
    {
        *reason = "cannot make its folder: " + LastError();
        return false;
    }
    const std::wstring temporary = TemporaryName(target);
    const HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
    {
        *reason = LastError();
        return false;
    }
    bool ok = WriteAll(file, text) && FlushFileBuffers(file);
    if (!ok) *reason = LastError();
    CloseHandle(file);
    if (ok && !MoveFileExW(temporary.c_str(), target.c_str(),
                           MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    {
        ok = false;
        *reason = LastError();
    }
    if (!ok) DeleteFileW(temporary.c_str());
    return ok;
}

bool PlatformRenameFile(const std::string& from, const std::string& to)
{
    if (MoveFileExW(Native(from).c_str(), Native(to).c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}
