#!/usr/bin/env bash
# Cross-builds the Windows game on Debian 12 and makes its two packages:
#   build-windows/vantara-VERSION-windows-x64.zip        the portable game
#   build-windows/vantara-VERSION-windows-x64-setup.exe  the installer
#
# It installs what it needs (as root, or through sudo), fetches the sources of the game's
# libraries from Debian's archive (adding a deb-src entry for the same archive when apt has
# none) and cross-builds them once into build-windows/deps/; a library is built again only
# when Debian's version of it changes. The game's pictures and sounds are drawn by a build for
# this machine (build-windows/host/). Warnings are errors.
#
#   scripts/windows.sh                    everything
#   scripts/windows.sh --no-pack          the programs only (build-windows/game/vantara.exe, ...)
#   scripts/windows.sh --host-build DIR   takes the data from DIR, a build for this machine
#                                         that already made them (scripts/test.sh passes build/)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
out=$root/build-windows
deps=$out/deps
prefix=$deps/prefix
pack=1
host=$out/host
while [ $# -gt 0 ]; do
  case $1 in
  --no-pack) pack=0 ;;
  --host-build) host=$(cd "$2" && pwd); shift ;;
  *) echo "usage: scripts/windows.sh [--no-pack] [--host-build DIR]" >&2; exit 2 ;;
  esac
  shift
done
jobs=$(nproc)
triple=x86_64-w64-mingw32
XCC=$triple-gcc-posix XCXX=$triple-g++-posix XAR=$triple-gcc-ar-posix
started=$SECONDS
mkdir -p "$deps/src" "$prefix/lib/pkgconfig" "$prefix/include"

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO=sudo
export DEBIAN_FRONTEND=noninteractive
apt_get() { $SUDO apt-get -o DPkg::Lock::Timeout=900 "$@"; }

# --- what the cross build needs -------------------------------------------------------------
scripts/setup.sh # the build for this machine, which draws the data
PACKAGES=(g++-mingw-w64-x86-64-posix dpkg-dev nsis icoutils wine64)
missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "windows: installing ${missing[*]}"
  apt_get update -qq
  apt_get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# apt-get source needs a deb-src entry; this one names the same archive as the deb entries.
has_deb_src() {
  grep -qsE '^[[:space:]]*deb-src[[:space:]]' /etc/apt/sources.list \
    /etc/apt/sources.list.d/*.list ||
    grep -qsiE '^Types:.*deb-src' /etc/apt/sources.list.d/*.sources
}
if ! has_deb_src; then
  echo "windows: adding the sources of apt's Debian archive (deb-src)"
  list=$(mktemp)
  for f in /etc/apt/sources.list.d/*.sources; do
    [ -e "$f" ] || continue
    # Each stanza that lists binary packages from a Debian archive gets its deb-src twin.
    awk 'BEGIN { RS = ""; ORS = "\n\n" }
         /(^|\n)Types:[^\n]*deb/ && /(^|\n)URIs:[^\n]*debian/ && !/(^|\n)Enabled: *no/ {
           sub(/(^|\n)Types:[^\n]*/, "\nTypes: deb-src"); sub(/^\n/, ""); print }' "$f" >>"$list"
  done
  if [ -s "$list" ]; then
    $SUDO install -m 644 "$list" /etc/apt/sources.list.d/vantara-deb-src.sources
  else
    grep -hsE '^[[:space:]]*deb[[:space:]].*debian' /etc/apt/sources.list \
      /etc/apt/sources.list.d/*.list | sed -E 's/^[[:space:]]*deb[[:space:]]/deb-src /' >"$list"
    $SUDO install -m 644 "$list" /etc/apt/sources.list.d/vantara-deb-src.list
  fi
  rm -f "$list"
  apt_get update -qq
fi

# --- the libraries, from Debian's sources ---------------------------------------------------
# source_versions PACKAGE: the versions of PACKAGE's source that apt knows, newest first.
source_versions() {
  apt-cache showsrc --only-source "$1" 2>/dev/null | awk '/^Version:/ { print $2 }' | sort -Vru
}

# fetch PACKAGE VERSION: unpacks Debian's source (its patches applied) into a fresh folder and
# prints the folder; fails when the archive does not have that version (a security update
# listed by apt may be missing from a mirror of sources).
fetch() {
  local into=$deps/src/$1
  rm -rf "$into"
  mkdir -p "$into"
  (cd "$into" && apt-get source -qq "$1=$2" >/dev/null 2>&1) || return 1
  find "$into" -mindepth 1 -maxdepth 1 -type d | head -n 1
}

# pc NAME VERSION CFLAGS LIBS: a pkg-config file for a library built here.
pc() {
  cat >"$prefix/lib/pkgconfig/$1.pc" <<EOF
prefix=$prefix
includedir=\${prefix}/include
libdir=\${prefix}/lib
Name: $1
Description: $1, cross-built for Windows from Debian's source
Version: $2
Cflags: $3
Libs: -L\${libdir} $4
EOF
}

# licence NAME TITLE FILE: the library's licence as its source gives it, which the packages'
# COPYRIGHT.txt carries (the program has the library built in).
licence() {
  mkdir -p "$prefix/share/licenses"
  { printf '%s\n\n' "$2"; cat "$3"; } >"$prefix/share/licenses/$1.txt"
}

# static_lib NAME OBJECTS...: the static library lib/libNAME.a.
static_lib() {
  local name=$1
  shift
  rm -f "$prefix/lib/lib$name.a"
  $XAR rcs "$prefix/lib/lib$name.a" "$@"
}

# compile FLAGS -- SOURCES...: compiles each source into the current folder, as many at a time
# as there are cores, optimised and without debug information, through ccache when there is
# one (a library built again, or the same sources in another checkout, then costs little); an
# object is named for its source and the source's folder (SDL has files of one name in several
# folders).
cache=$(command -v ccache || true)
compile() {
  local flags=() s o
  while [ "$1" != -- ]; do flags+=("$1"); shift; done
  shift
  for s in "$@"; do
    o=$(basename "$(dirname "$s")")
    o=${o#.}_$(basename "${s%.*}").o
    case $s in
    *.cpp) echo "$cache $XCXX -std=c++17 -O2 -w ${flags[*]} -c $s -o $o" ;;
    *) echo "$cache $XCC -O2 -w ${flags[*]} -c $s -o $o" ;;
    esac
  done | xargs -P "$jobs" -I{} sh -c '{}'
}

build_zlib() { # $1 source folder, $2 version
  local obj=$deps/obj/zlib
  rm -rf "$obj" && mkdir -p "$obj" && cd "$obj"
  compile -DNO_FSEEKO -- "$1"/{adler32,compress,crc32,deflate,gzclose,gzlib,gzread,gzwrite}.c \
    "$1"/{infback,inffast,inflate,inftrees,trees,uncompr,zutil}.c
  static_lib z ./*.o
  cp "$1/zlib.h" "$1/zconf.h" "$prefix/include/"
  pc zlib "$2" "-I\${includedir}" "-lz"
  licence zlib "zlib $2" "$1/LICENSE"
}

build_libspng() {
  local obj=$deps/obj/spng
  rm -rf "$obj" && mkdir -p "$obj" && cd "$obj"
  compile -DSPNG_STATIC -I"$prefix/include" -- "$1/spng/spng.c"
  static_lib spng ./*.o
  cp "$1/spng/spng.h" "$prefix/include/"
  pc spng "$2" "-I\${includedir} -DSPNG_STATIC" "-lspng -lz"
  licence libspng "libspng $2" "$1/LICENSE"
}

build_glew() {
  local obj=$deps/obj/glew
  rm -rf "$obj" && mkdir -p "$obj" && cd "$obj"
  compile -DGLEW_STATIC -DGLEW_NO_GLU -I"$1/include" -- "$1/src/glew.c"
  static_lib glew32 ./*.o
  mkdir -p "$prefix/include/GL"
  cp "$1"/include/GL/{glew,wglew}.h "$prefix/include/GL/"
  pc glew "$2" "-I\${includedir} -DGLEW_STATIC -DGLEW_NO_GLU" "-lglew32 -lopengl32"
  licence glew "GLEW $2" "$1/LICENSE.txt"
}

# stb is headers plus the implementations the game calls: pictures read and written, and the
# music decoded (stb_vorbis.c, which Debian installs as the header stb_vorbis.h).
build_libstb() {
  local obj=$deps/obj/stb
  rm -rf "$obj" && mkdir -p "$obj" && cd "$obj"
  printf '%s\n' '#define STB_IMAGE_IMPLEMENTATION' '#include "stb_image.h"' \
    '#define STB_IMAGE_WRITE_IMPLEMENTATION' '#include "stb_image_write.h"' \
    '#include "stb_vorbis.c"' >stb.c
  compile -I"$1" -- stb.c
  static_lib stb ./*.o
  mkdir -p "$prefix/include/stb"
  cp "$1"/stb_image.h "$1"/stb_image_write.h "$prefix/include/stb/"
  cp "$1"/stb_vorbis.c "$prefix/include/stb/stb_vorbis.h"
  pc stb "$2" "-I\${includedir}/stb" "-lstb"
  licence libstb "stb_image, stb_image_write and stb_vorbis ($2)" "$1/LICENSE"
}

# Dear ImGui's core and its OpenGL 3 renderer, which the debug overlay uses.
build_imgui() {
  local obj=$deps/obj/imgui
  rm -rf "$obj" && mkdir -p "$obj" && cd "$obj"
  compile -I"$1" -- "$1"/{imgui,imgui_draw,imgui_tables,imgui_widgets}.cpp \
    "$1/backends/imgui_impl_opengl3.cpp"
  static_lib imgui ./*.o
  mkdir -p "$prefix/include/imgui/backends"
  cp "$1"/{imgui,imconfig,imgui_internal,imstb_rectpack,imstb_textedit,imstb_truetype}.h \
    "$prefix/include/imgui/"
  cp "$1"/backends/imgui_impl_opengl3*.h "$prefix/include/imgui/backends/"
  pc imgui "$2" "-I\${includedir}/imgui" "-limgui -lopengl32"
  licence imgui "Dear ImGui $2" "$1/LICENSE.txt"
}

# SDL2 with what the game uses (scripts/windows/SDL_config.h says what): its sources compiled
# as the other libraries are, with SDL's own compiler flags. Its CMake build would first spend
# longer on its checks than on the compiling, and build every subsystem.
build_libsdl2() {
  local obj=$deps/obj/sdl2 src=$1/src
  rm -rf "$obj" && mkdir -p "$obj/config" && cd "$obj"
  cp "$root/scripts/windows/SDL_config.h" config/
  compile -DNDEBUG -DUSING_GENERATED_CONFIG_H -I"$obj/config" -I"$1/include" \
    -idirafter "$src/video/khronos" -fno-strict-aliasing -mmmx -m3dnow -msse -msse2 -msse3 -- \
    "$src"/*.c "$src"/atomic/*.c "$src"/cpuinfo/*.c "$src"/dynapi/*.c "$src"/events/*.c \
    "$src"/file/*.c "$src"/stdlib/SDL_{crc16,crc32,getenv,iconv,malloc,qsort,stdlib,string}.c \
    "$src"/stdlib/SDL_strtokr.c "$src"/timer/SDL_timer.c "$src"/timer/windows/*.c \
    "$src"/thread/SDL_thread.c "$src"/thread/generic/SDL_syscond.c "$src"/thread/windows/*.c \
    "$src"/loadso/windows/*.c "$src"/core/windows/SDL_{immdevice,windows,xinput}.c \
    "$src"/audio/*.c "$src"/audio/wasapi/SDL_wasapi{,_win32}.c "$src"/audio/directsound/*.c \
    "$src"/joystick/{SDL_gamecontroller,SDL_joystick,controller_type}.c \
    "$src"/joystick/windows/SDL_{dinputjoystick,windowsjoystick,xinputjoystick}.c \
    "$src"/video/SDL_{RLEaccel,blit,blit_0,blit_1,blit_A,blit_N,blit_auto,blit_copy}.c \
    "$src"/video/SDL_{blit_slow,bmp,clipboard,fillrect,pixels,rect,shape,stretch,surface}.c \
    "$src"/video/SDL_{video,yuv}.c "$src"/video/yuv2rgb/yuv_rgb.c \
    "$src"/video/windows/SDL_windows{clipboard,events,framebuffer,keyboard,messagebox}.c \
    "$src"/video/windows/SDL_windows{modes,mouse,opengl,shape,video,window}.c \
    "$src"/render/SDL_{render,yuv_sw}.c "$src"/render/direct3d*/SDL_render_d3d*.c \
    "$src"/haptic/SDL_haptic.c "$src"/haptic/dummy/*.c "$src"/sensor/SDL_sensor.c \
    "$src"/sensor/dummy/*.c "$src"/hidapi/SDL_hidapi.c "$src"/power/SDL_power.c \
    "$src"/locale/SDL_locale.c "$src"/locale/dummy/*.c "$src"/misc/SDL_url.c \
    "$src"/misc/dummy/*.c "$src"/filesystem/dummy/*.c
  static_lib SDL2 ./*.o
  rm -rf "$prefix/include/SDL2"
  mkdir -p "$prefix/include/SDL2"
  cp "$1"/include/*.h "$prefix/include/SDL2/"
  rm "$prefix"/include/SDL2/SDL_test*.h
  cp config/SDL_config.h "$prefix/include/SDL2/"
  pc sdl2 "$2" "-I\${includedir} -I\${includedir}/SDL2" "-lSDL2 -lm -luser32 -lgdi32 -lwinmm \
-limm32 -lole32 -loleaut32 -lversion -luuid -ladvapi32 -lsetupapi -lshell32 -ldinput8"
  licence libsdl2 "SDL2 $2" "$1/LICENSE.txt"
}

# dep PACKAGE: builds the newest source of PACKAGE that the archive has, unless that version
# is the one already built (with its licence).
dep() {
  local package=$1 version folder t upstream
  for version in $(source_versions "$package"); do
    [ "$(cat "$deps/$package.version" 2>/dev/null)" != "$version" ] ||
      [ ! -e "$prefix/share/licenses/$package.txt" ] || return 0
    folder=$(fetch "$package" "$version") || continue
    t=$SECONDS
    echo "windows: building $package $version"
    upstream=${version#*:}
    "build_$package" "$folder" "${upstream%%[-+]*}"
    cd "$root"
    echo "$version" >"$deps/$package.version"
    echo "windows: $package built in $((SECONDS - t)) s"
    return 0
  done
  echo "windows: the archive has no source of $package" >&2
  exit 1
}

t=$SECONDS
for package in zlib libspng glew libstb imgui libsdl2; do dep "$package"; done
# MinGW-w64's runtime, linked into the programs, as Debian gives its copyright.
licence mingw-w64 "MinGW-w64 runtime $(dpkg-query -W -f='${Version}' mingw-w64-x86-64-dev)" \
  /usr/share/doc/mingw-w64-x86-64-dev/copyright
echo "windows: libraries ready in $((SECONDS - t)) s"

# --- the game's data, drawn on this machine ----------------------------------------------
t=$SECONDS
if [ ! -e "$host/CMakeCache.txt" ]; then
  cmake -S . -B "$host" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTARA_TESTS=OFF >/dev/null
fi
cmake --build "$host" -j"$jobs" --target vantara_assets
echo "windows: data drawn in $((SECONDS - t)) s"

# --- the game ----------------------------------------------------------------------------
t=$SECONDS
launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi
# The Linux build's optimisation (RelWithDebInfo's -O2), without the debug information that
# the packages strip anyway: a fifth less to compile.
cmake -S . -B "$out/game" -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
  -DCMAKE_C_FLAGS_RELEASE="-O2 -DNDEBUG" -DVANTARA_WERROR=ON -DVANTARA_TESTS=OFF \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/MinGW-w64.cmake" -DVANTARA_WINDOWS_DEPS="$prefix" \
  -DVANTARA_HOST_BUILD="$host" "${launcher[@]}" >/dev/null
cmake --build "$out/game" -j"$jobs" --target vantara vantara-replay
echo "windows: game built in $((SECONDS - t)) s"

if [ $pack -eq 1 ]; then
  t=$SECONDS
  cmake --build "$out/game" --target windows_packages
  echo "windows: packages made in $((SECONDS - t)) s"
  mv "$out"/game/vantara-*-windows-x64* "$out/"
fi
echo "windows: done in $((SECONDS - started)) s"
