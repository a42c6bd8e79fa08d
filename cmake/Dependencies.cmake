# Debian packages found through pkg-config; scripts/setup.sh installs them. The Windows game
# finds the same libraries cross-built by scripts/windows.sh, but for OpenAL Soft: it sounds
# through SDL2. The browser build has its own (scripts/web.sh).
if(EMSCRIPTEN)
  include(cmake/WebDependencies.cmake)
  return()
endif()
find_package(PkgConfig REQUIRED)
pkg_check_modules(SDL2 REQUIRED IMPORTED_TARGET sdl2)
pkg_check_modules(GLEW REQUIRED IMPORTED_TARGET glew)
pkg_check_modules(STB REQUIRED IMPORTED_TARGET stb)
pkg_check_modules(SPNG REQUIRED IMPORTED_TARGET spng)
# zlib comes with libspng-dev; its crc32 checks pictures that are not decoded.
pkg_check_modules(ZLIB REQUIRED IMPORTED_TARGET zlib)
pkg_check_modules(IMGUI REQUIRED IMPORTED_TARGET imgui)
if(NOT WIN32)
  pkg_check_modules(OPENAL REQUIRED IMPORTED_TARGET openal)
  # The asset generator encodes the music as Ogg Vorbis.
  pkg_check_modules(VORBISENC REQUIRED IMPORTED_TARGET vorbisenc vorbis ogg)
endif()
find_package(OpenGL REQUIRED)
find_package(Threads REQUIRED)
if(VANTARA_TESTS)
  find_package(GTest REQUIRED)
endif()
