# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 (g++-mingw-w64-x86-64-posix: the
# posix thread model, which std::thread needs). scripts/windows.sh passes this file to CMake.
# Libraries are looked up only in the cross-built dependencies under VANTARA_WINDOWS_DEPS, never
# in the build machine's own folders.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triple}-g++-posix)
set(CMAKE_RC_COMPILER ${triple}-windres)
set(CMAKE_STRIP ${triple}-strip CACHE FILEPATH "")
set(CMAKE_AR ${triple}-gcc-ar-posix CACHE FILEPATH "")
set(CMAKE_RANLIB ${triple}-gcc-ranlib-posix CACHE FILEPATH "")

# The dependencies' prefix travels to try_compile and to the dependencies' own builds.
if(DEFINED ENV{VANTARA_WINDOWS_DEPS} AND NOT VANTARA_WINDOWS_DEPS)
  set(VANTARA_WINDOWS_DEPS $ENV{VANTARA_WINDOWS_DEPS})
endif()
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES VANTARA_WINDOWS_DEPS)

set(CMAKE_FIND_ROOT_PATH /usr/${triple} ${VANTARA_WINDOWS_DEPS})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

if(VANTARA_WINDOWS_DEPS)
  set(ENV{PKG_CONFIG_LIBDIR} ${VANTARA_WINDOWS_DEPS}/lib/pkgconfig)
  set(ENV{PKG_CONFIG_SYSROOT_DIR} "")
  set(ENV{PKG_CONFIG_PATH} "")
endif()

# The C and C++ runtimes go into the programs, so a player needs no MinGW DLL beside them.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
