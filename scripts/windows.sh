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
  grep -qsE '^[[:space:]]*deb-src[[:space:]]' /etc/apt/sources.list /etc/apt/sources.list.d/*.list ||
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

# static_lib NAME OBJECTS...: the static library lib/libNAME.a.
static_lib() {
  local name=$1
  shift
  rm -f "$prefix/lib/lib$name.a"
  $XAR rcs "$prefix/lib/lib$name.a" "$@"
}

# compile FLAGS -- SOURCES...: compiles each source into the current folder, two at a time.
compile() {
  local flags=() s
  while [ "$1" != -- ]; do flags+=("$1"); shift; done
  shift
  for s in "$@"; do
    case $s in
    *.cpp) echo "$XCXX -std=c++17 -O2 -w ${flags[*]} -c $s -o $(basename "${s%.*}").o" ;;
    *) echo "$XCC -O2 -w ${flags[*]} -c $s -o $(basename "${s%.*}").o" ;;
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
}

build_libspng() {
  local obj=$deps/obj/spng
  rm -rf "$obj" && mkdir -p "$obj" && cd "$obj"
  compile -DSPNG_STATIC -I"$prefix/include" -- "$1/spng/spng.c"
  static_lib spng ./*.o
  cp "$1/spng/spng.h" "$prefix/include/"
  pc spng "$2" "-I\${includedir} -DSPNG_STATIC" "-lspng -lz"
}

build_glew() {
  local obj=$deps/obj/glew
  rm -rf "$obj" && mkdir -p "$obj" && cd "$obj"
  compile -DGLEW_STATIC -DGLEW_NO_GLU -I"$1/include" -- "$1/src/glew.c"
  static_lib glew32 ./*.o
  mkdir -p "$prefix/include/GL"
  cp "$1"/include/GL/{glew,wglew}.h "$prefix/include/GL/"
  pc glew "$2" "-I\${includedir} -DGLEW_STATIC -DGLEW_NO_GLU" "-lglew32 -lopengl32"
}

# stb is headers plus the implementations the game calls: pictures read and written.
build_libstb() {
  local obj=$deps/obj/stb
  rm -rf "$obj" && mkdir -p "$obj" && cd "$obj"
  printf '%s\n' '#define STB_IMAGE_IMPLEMENTATION' '#include "stb_image.h"' \
    '#define STB_IMAGE_WRITE_IMPLEMENTATION' '#include "stb_image_write.h"' >stb.c
  compile -I"$1" -- stb.c
  static_lib stb ./*.o
  mkdir -p "$prefix/include/stb"
  cp "$1"/stb_image.h "$1"/stb_image_write.h "$prefix/include/stb/"
  pc stb "$2" "-I\${includedir}/stb" "-lstb"
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
}

# SDL2 with what the game uses: the window and OpenGL, events, game controllers, audio, the
# timer and threads. No renderer, no Vulkan or GLES, no HID drivers, no sensors.
build_libsdl2() {
  local obj=$deps/obj/sdl2
  rm -rf "$obj"
  cmake -S "$1" -B "$obj" -G "Unix Makefiles" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/MinGW-w64.cmake" -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DSDL_SHARED=OFF -DSDL_STATIC=ON -DSDL_TEST=OFF -DSDL2_DISABLE_SDL2MAIN=ON \
    -DSDL_RENDER=OFF -DSDL_HAPTIC=OFF -DSDL_SENSOR=OFF -DSDL_POWER=OFF -DSDL_LOCALE=OFF \
    -DSDL_MISC=OFF -DSDL_FILESYSTEM=OFF -DSDL_HIDAPI=OFF -DSDL_VULKAN=OFF -DSDL_OPENGLES=OFF \
    -DSDL_RENDER_D3D=OFF -DSDL_DISKAUDIO=OFF -DSDL_OFFSCREEN=OFF -DSDL_VIRTUAL_JOYSTICK=OFF \
    -DSDL_WERROR=OFF >"$deps/sdl2-configure.log"
  cmake --build "$obj" -j"$jobs" >"$deps/sdl2-build.log"
  cmake --install "$obj" >/dev/null
  # A static SDL2 needs its Windows libraries on every link, not only on static ones; the game
  # has its own main, and each program says itself whether it is windowed (-mwindows).
  sed -i -E -e '/^Libs:/{N;s/\nLibs.private:/ /}' -e '/^Libs:/s/ -lmingw32 -mwindows -lSDL2//2' \
    -e '/^Libs:/s/ -lmingw32 -mwindows//' "$prefix/lib/pkgconfig/sdl2.pc"
}

# dep PACKAGE: builds the newest source of PACKAGE that the archive has, unless that version
# is the one already built.
dep() {
  local package=$1 version folder t upstream
  for version in $(source_versions "$package"); do
    [ "$(cat "$deps/$package.version" 2>/dev/null)" != "$version" ] || return 0
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
cmake -S . -B "$out/game" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTARA_WERROR=ON \
  -DVANTARA_TESTS=OFF -DCMAKE_TOOLCHAIN_FILE="$root/cmake/MinGW-w64.cmake" \
  -DVANTARA_WINDOWS_DEPS="$prefix" -DVANTARA_HOST_BUILD="$host" "${launcher[@]}" >/dev/null
cmake --build "$out/game" -j"$jobs" --target vantara vantara-replay
echo "windows: game built in $((SECONDS - t)) s"

if [ $pack -eq 1 ]; then
  t=$SECONDS
  cmake --build "$out/game" --target windows_packages
  echo "windows: packages made in $((SECONDS - t)) s"
  mv "$out"/game/vantara-*-windows-x64* "$out/"
fi
echo "windows: done in $((SECONDS - started)) s"
