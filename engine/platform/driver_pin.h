// driver_pin.h: keeps the OpenGL driver loaded until exit in sanitizer builds.
//
// Mesa unloads its driver before exit, and LeakSanitizer then sees the driver's allocations as
// leaks from an unknown module. Pinning every loaded *_dri.so keeps their frames readable, so
// the suppressions can name them. Call it once a GL context exists; elsewhere it does nothing.
#pragma once

#ifdef VANTARA_SANITIZE
#include <cstring>
#include <dlfcn.h>
#include <link.h>

inline int PinDriverModule(dl_phdr_info* info, size_t, void*)
{
    if (info->dlpi_name && std::strstr(info->dlpi_name, "_dri.so"))
        dlopen(info->dlpi_name, RTLD_NOW | RTLD_NOLOAD | RTLD_NODELETE);
    return 0;
}

inline void PinGraphicsDriver() { dl_iterate_phdr(PinDriverModule, nullptr); }
#else
inline void PinGraphicsDriver() {}
#endif
