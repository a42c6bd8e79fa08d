// instance_lock_windows.cpp: keeps a second copy of the Windows game from starting.
//
// A named mutex, "Local\NAME" (one per signed-in user, as a game expects: another user of the
// same machine may play at the same time). Windows drops it when the process ends, however it
// ends, so a crash never blocks the next start.
#include "engine/platform/platform.h"

#include "engine/platform/windows_text.h"

#include <string>

#include <windows.h>

static HANDLE Mutex = nullptr;

bool PlatformAcquireInstanceLock(const char* name)
{
    if (Mutex) return true;
    const std::wstring wide = L"Local\\" + WideFromUtf8(name);
    HANDLE mutex = CreateMutexW(nullptr, TRUE, wide.c_str());
    if (!mutex) return true; // no mutex to be had: better to run than to refuse
    if (GetLastError() == ERROR_ALREADY_EXISTS)
    {
        // The mutex was there already: it is ours only if nobody holds it (its holder ended
        // while some other handle kept it alive).
        const DWORD wait = WaitForSingleObject(mutex, 0);
        if (wait != WAIT_OBJECT_0 && wait != WAIT_ABANDONED)
        {
            CloseHandle(mutex);
            return false;
        }
    }
    Mutex = mutex;
    return true;
}

void PlatformReleaseInstanceLock()
{
    if (!Mutex) return;
    ReleaseMutex(Mutex);
    CloseHandle(Mutex);
    Mutex = nullptr;
}
