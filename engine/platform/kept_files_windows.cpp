// kept_files_windows.cpp: where the Windows game keeps its files between runs, and how.
//
// Settings and best times both live in the player's roaming application data,
// %APPDATA%\Vantara\, as a Windows game keeps them. A write goes whole to a temporary file of
// its own beside the kept one (CREATE_NEW: never a file or link someone left at that name; the
// process id and a count: never another writer's), which is flushed to the disk and moved over
// the old file with MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH: the move returns only
// once the folder's new entry is on the disk, which is Windows' way of flushing the folder. A
// kept file that is a symbolic link is written through to the file it points to. Copies of the
// game take turns through LockFileEx on saves.lock, which Windows drops when its holder ends.
// The new file takes its permissions from the folder, as the old one did unless someone
// changed them. Paths are UTF-8 here and wide at every Windows call.
#include "engine/platform/platform.h"

#include "engine/platform/windows_text.h"

#include <algorithm>
#include <cstring>
#include <string>

#include <shlobj.h>
#include <windows.h>

namespace
{
constexpr const char* LOCK_NAME = "saves.lock";
constexpr const char* TEMPORARY_END = ".tmp";
// A virus scanner or a search indexer may hold a file that was just written for a moment; a
// move that meets one is tried again this often, this many milliseconds apart.
constexpr int MOVE_ATTEMPTS = 10;
constexpr DWORD MOVE_RETRY_MS = 20;

HANDLE SavesLock = INVALID_HANDLE_VALUE;
unsigned TemporaryCount = 0;

std::string Reason() { return WindowsErrorText(GetLastError()); }

std::wstring Native(const std::string& path)
{
    std::wstring wide = WideFromUtf8(path);
    std::replace(wide.begin(), wide.end(), L'/', L'\\');
    return wide;
}

std::wstring FolderOf(const std::wstring& path)
{
    const size_t slash = path.rfind(L'\\');
    return slash == std::wstring::npos ? L"." : path.substr(0, slash);
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

// Whether a failed move may succeed a moment later: someone held one of the files.
bool HeldForAMoment(DWORD error)
{
    return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION ||
           error == ERROR_ACCESS_DENIED;
}

// "best_times.ini.4711-0.tmp": the kept file's name, the writer's process id and its count.
bool IsTemporaryOf(const std::string& name, const std::string& kept)
{
    const size_t end = std::strlen(TEMPORARY_END);
    if (name.size() <= kept.size() + 1 + end || name.compare(0, kept.size(), kept) != 0 ||
        name[kept.size()] != '.' || name.compare(name.size() - end, end, TEMPORARY_END) != 0)
        return false;
    const std::string middle = name.substr(kept.size() + 1, name.size() - kept.size() - 1 - end);
    return middle.find_first_not_of("0123456789-") == std::string::npos;
}

// Temporary files of writers that died before their move. Every writer holds the lock while
// its temporary file exists, so while this one holds it, any that is there is left over.
void RemoveLeftovers(const std::wstring& path)
{
    const std::wstring folder = FolderOf(path);
    const std::string kept = Utf8FromWide(path.c_str() + folder.size() + 1);
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileW((path + L".*.tmp").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do
        if (IsTemporaryOf(Utf8FromWide(found.cFileName), kept))
            DeleteFileW((folder + L"\\" + found.cFileName).c_str());
    while (FindNextFileW(search, &found));
    FindClose(search);
}

// A new empty file beside `path`, under a name no other writer uses.
HANDLE CreateTemporary(const std::wstring& path, std::wstring* temporary)
{
    for (int attempt = 0; attempt < 100; ++attempt)
    {
        *temporary = path + L"." + std::to_wstring(GetCurrentProcessId()) + L"-" +
                     std::to_wstring(TemporaryCount++) + WideFromUtf8(TEMPORARY_END);
        const HANDLE file = CreateFileW(temporary->c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) return file;
        const DWORD error = GetLastError();
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) return file;
    }
    SetLastError(ERROR_FILE_EXISTS);
    return INVALID_HANDLE_VALUE;
}

// The path a symbolic link's final target has, as a plain drive or network path.
std::string FinalPath(HANDLE file)
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;)
    {
        const DWORD length = GetFinalPathNameByHandleW(file, path.data(),
                                                       static_cast<DWORD>(path.size()),
                                                       FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
        if (length == 0) return std::string();
        if (length < path.size())
        {
            path.resize(length);
            break;
        }
        path.resize(length); // the size it needs, its terminator included
    }
    if (path.compare(0, 8, L"\\\\?\\UNC\\") == 0) path = L"\\\\" + path.substr(8);
    else if (path.compare(0, 4, L"\\\\?\\") == 0) path = path.substr(4);
    return Utf8FromWide(path.c_str());
}
} // namespace

std::string PlatformKeptFolder(KeptFolder)
{
    const std::string base = ApplicationData();
    return base.empty() ? base : base + "\\Vantara";
}

std::string PlatformKeptFileTarget(const std::string& path)
{
    // Only a link keeps the name the player knows it by out of the way: a plain file's path is
    // left as it is, whatever folders on its way are junctions or mapped drives.
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileW(Native(path).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return path;
    FindClose(search);
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) ||
        found.dwReserved0 != IO_REPARSE_TAG_SYMLINK)
        return path;
    const HANDLE file = CreateFileW(Native(path).c_str(), 0,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) return path; // a link to nothing: replaced as it stands
    const std::string target = FinalPath(file);
    CloseHandle(file);
    return target.empty() ? path : target;
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
    if (tooLarge) *reason = "larger than " + std::to_string(limit) + " bytes";
    else if (failed) *reason = "read error";
    if (tooLarge || failed)
    {
        text->clear();
        return KEPT_UNREADABLE;
    }
    return KEPT_READ;
}

bool PlatformWriteKeptFile(const std::string& path, const std::string& text, std::string* reason)
{
    const std::wstring target = Native(PlatformKeptFileTarget(path));
    if (!MakeFolders(FolderOf(target)))
    {
        *reason = "cannot make its folder: " + Reason();
        return false;
    }
    if (SavesLock != INVALID_HANDLE_VALUE) RemoveLeftovers(target);
    std::wstring temporary;
    const HANDLE file = CreateTemporary(target, &temporary);
    if (file == INVALID_HANDLE_VALUE)
    {
        *reason = Reason();
        return false;
    }
    bool ok = WriteAll(file, text) && FlushFileBuffers(file);
    if (!ok) *reason = Reason();
    CloseHandle(file);
    for (int attempt = 1; ok; ++attempt)
    {
        if (MoveFileExW(temporary.c_str(), target.c_str(),
                        MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            break;
        if (attempt == MOVE_ATTEMPTS || !HeldForAMoment(GetLastError()))
        {
            ok = false;
            *reason = Reason();
            break;
        }
        Sleep(MOVE_RETRY_MS);
    }
    if (!ok) DeleteFileW(temporary.c_str());
    return ok;
}

KeptMoveResult PlatformMoveKeptFile(const std::string& from, const std::string& to,
                                    std::string* reason)
{
    const std::wstring source = Native(from), destination = Native(to);
    for (int attempt = 1;; ++attempt)
    {
        // Without MOVEFILE_REPLACE_EXISTING the move never takes a name that is there.
        if (MoveFileExW(source.c_str(), destination.c_str(), MOVEFILE_WRITE_THROUGH))
            return KEPT_MOVED;
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
            return KEPT_NOTHING_TO_MOVE;
        if (error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS ||
            GetFileAttributesW(destination.c_str()) != INVALID_FILE_ATTRIBUTES)
            return KEPT_NAME_TAKEN;
        if (attempt == MOVE_ATTEMPTS || !HeldForAMoment(error))
        {
            *reason = WindowsErrorText(error);
            return KEPT_MOVE_FAILED;
        }
        Sleep(MOVE_RETRY_MS);
    }
}

bool PlatformRemoveKeptFile(const std::string& path, std::string* reason)
{
    if (DeleteFileW(Native(path).c_str())) return true;
    const DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return true;
    *reason = WindowsErrorText(error);
    return false;
}

bool PlatformLockKeptFiles()
{
    if (SavesLock != INVALID_HANDLE_VALUE) return true;
    const std::string folder = PlatformKeptFolder(KEPT_PROGRESS);
    if (folder.empty() || !MakeFolders(Native(folder))) return false;
    const HANDLE file = CreateFileW(Native(folder + "\\" + LOCK_NAME).c_str(),
                                    GENERIC_READ | GENERIC_WRITE,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    // The first byte, whether or not the file holds one; without LOCKFILE_FAIL_IMMEDIATELY the
    // call waits for the copy that holds it.
    OVERLAPPED at = {};
    if (!LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK, 0, 1, 0, &at))
    {
        CloseHandle(file);
        return false;
    }
    SavesLock = file;
    return true;
}

void PlatformUnlockKeptFiles()
{
    if (SavesLock == INVALID_HANDLE_VALUE) return;
    OVERLAPPED at = {};
    UnlockFileEx(SavesLock, 0, 1, 0, &at);
    CloseHandle(SavesLock);
    SavesLock = INVALID_HANDLE_VALUE;
}
