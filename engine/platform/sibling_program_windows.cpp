// sibling_program_windows.cpp: running a tool installed beside the program, and waiting for it,
// on Windows.
//
// The tool is NAME.exe in the program's folder, started by its full path (never looked for on
// PATH) with its arguments quoted as the C runtime splits them, and without a console window of
// its own. Its input goes through a pipe from a thread of its own while this one reads its
// answer, so that neither side waits for the other with a full pipe; the tool inherits its
// three pipe ends and no other handle of the game's (an open save or lock file among them).
#include "engine/platform/platform.h"

#include "engine/platform/windows_text.h"

#include <algorithm>
#include <thread>

#include <windows.h>

namespace
{
constexpr size_t OUTPUT_LIMIT = 64 * 1024;

// One argument as CommandLineToArgvW and the C runtime read it back: quoted when it has a
// space, a tab or a quote, a quote escaped, and backslashes doubled only before a quote.
void AppendArgument(std::wstring* line, const std::wstring& argument)
{
    if (!line->empty()) line->push_back(L' ');
    if (!argument.empty() && argument.find_first_of(L" \t\n\v\"") == std::wstring::npos)
    {
        line->append(argument);
        return;
    }
    line->push_back(L'"');
    size_t backslashes = 0;
    for (const wchar_t c : argument)
    {
        if (c == L'\\')
        {
            ++backslashes;
            continue;
        }
        line->append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        backslashes = 0;
        line->push_back(c);
    }
    line->append(backslashes * 2, L'\\');
    line->push_back(L'"');
}

struct Handle
{
    HANDLE h = nullptr;
    ~Handle() { Close(); }
    void Close()
    {
        if (h) CloseHandle(h);
        h = nullptr;
    }
};

// A pipe whose ends may be inherited; the caller keeps its own end from the tool.
bool MakePipe(Handle* read, Handle* write)
{
    SECURITY_ATTRIBUTES inheritable = {sizeof inheritable, nullptr, TRUE};
    return CreatePipe(&read->h, &write->h, &inheritable, 0) != 0;
}

bool Failed(std::string* output, const std::string& what)
{
    *output = what + ": " + WindowsErrorText(GetLastError());
    return false;
}
} // namespace

bool PlatformRunSiblingProgram(const char* name, const std::vector<std::string>& arguments,
                               const std::string& input, int* exitCode, std::string* output)
{
    output->clear();
    const std::string folder = PlatformProgramFolder();
    if (folder.empty())
    {
        *output = "the program's own folder is not known";
        return false;
    }
    const std::string path = folder + "\\" + name + ".exe";
    const std::wstring widePath = WideFromUtf8(path);
    std::wstring line;
    AppendArgument(&line, widePath);
    for (const std::string& argument : arguments) AppendArgument(&line, WideFromUtf8(argument));

    Handle inRead, inWrite, outRead, outWrite;
    if (!MakePipe(&inRead, &inWrite) || !MakePipe(&outRead, &outWrite))
        return Failed(output, "no pipe");
    // The game's own ends stay with the game.
    SetHandleInformation(inWrite.h, HANDLE_FLAG_INHERIT, 0);
    SetHandleInformation(outRead.h, HANDLE_FLAG_INHERIT, 0);

    // The tool inherits its two ends and nothing else, where the system can say so.
    SIZE_T listSize = 0;
    InitializeProcThreadAttributeList(nullptr, 1, 0, &listSize);
    std::vector<char> listMemory(listSize);
    auto* list = reinterpret_cast<LPPROC_THREAD_ATTRIBUTE_LIST>(listMemory.data());
    HANDLE inherited[2] = {inRead.h, outWrite.h};
    const bool made = listSize > 0 && InitializeProcThreadAttributeList(list, 1, 0, &listSize);
    const bool listed =
        made && UpdateProcThreadAttribute(list, 0, PROC_THREAD_ATTRIBUTE_HANDLE_LIST, inherited,
                                          sizeof inherited, nullptr, nullptr);
    STARTUPINFOEXW startup = {};
    startup.StartupInfo.cb = sizeof startup;
    startup.StartupInfo.dwFlags = STARTF_USESTDHANDLES;
    startup.StartupInfo.hStdInput = inRead.h;
    startup.StartupInfo.hStdOutput = outWrite.h;
    startup.StartupInfo.hStdError = outWrite.h;
    startup.lpAttributeList = listed ? list : nullptr;
    PROCESS_INFORMATION process = {};
    const BOOL started =
        CreateProcessW(widePath.c_str(), line.data(), nullptr, nullptr, TRUE,
                       CREATE_NO_WINDOW | CREATE_UNICODE_ENVIRONMENT | EXTENDED_STARTUPINFO_PRESENT,
                       nullptr, nullptr, &startup.StartupInfo, &process);
    const DWORD startError = GetLastError();
    if (made) DeleteProcThreadAttributeList(list);
    // Only the tool holds its ends now: its end of the answer closes when it ends.
    inRead.Close();
    outWrite.Close();
    if (!started)
    {
        *output = "cannot start " + path + ": " + WindowsErrorText(startError);
        return false;
    }
    Handle child, thread;
    child.h = process.hProcess;
    thread.h = process.hThread;

    // A tool that stops reading early only ends the feed: the write fails, the thread returns.
    std::thread feed(
        [&inWrite, &input]()
        {
            size_t written = 0;
            while (written < input.size())
            {
                const DWORD chunk =
                    static_cast<DWORD>(std::min<size_t>(input.size() - written, 65536));
                DWORD n = 0;
                if (!WriteFile(inWrite.h, input.data() + written, chunk, &n, nullptr)) break;
                written += n;
            }
            inWrite.Close();
        });
    char buffer[4096];
    DWORD n = 0;
    while (ReadFile(outRead.h, buffer, sizeof buffer, &n, nullptr) && n > 0)
        if (output->size() < OUTPUT_LIMIT)
            output->append(buffer, std::min<size_t>(n, OUTPUT_LIMIT - output->size()));
    feed.join();

    DWORD code = 0;
    if (WaitForSingleObject(child.h, INFINITE) != WAIT_OBJECT_0 ||
        !GetExitCodeProcess(child.h, &code))
        return Failed(output, std::string("lost ") + name);
    *exitCode = static_cast<int>(code);
    return true;
}
