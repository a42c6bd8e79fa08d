#!/usr/bin/env bash
# Builds the browser version of Vantara into build-web/: in build-web/site/ the page
# (index.html), its script, the game as WebAssembly and its data package, all a static web host
# needs; and build-web/vantara-replay.js, the replay runner for Node. Installs what it
# needs on a fresh Debian 12 machine (Emscripten, Chromium for the tests), and makes the
# pictures and sounds with the desktop build's asset generator (in build/).
#
#   scripts/web.sh            build
#   scripts/web.sh --serve    build, then serve build-web/ on 127.0.0.1 and print the address
#
# Libraries Debian has no Emscripten build of (zlib, libspng, Dear ImGui) are compiled from
# their Debian source packages, fetched once into build-web/deps/src; their objects stay in
# build-web, so a second build compiles only what changed.
set -euo pipefail
cd "$(dirname "$0")/.."

serve=false
case ${1:-} in
--serve) serve=true ;;
"") ;;
*)
    echo "usage: scripts/web.sh [--serve]" >&2
    exit 2
    ;;
esac

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive

scripts/setup.sh

# Emscripten and its tools; Chromium and npm for the browser tests.
packages=(emscripten chromium dpkg-dev)
command -v npm >/dev/null || packages+=(npm)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "web: installing ${missing[*]}"
    $SUDO apt-get update -qq
    $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
# Emscripten's JavaScript tools need the Node modules Debian installs for them, which a Node
# that is not Debian's own does not look for.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}

# The Debian source packages of the libraries compiled for the browser, fetched once. apt
# needs a deb-src entry for the archive it installs from; bookworm's own versions are asked
# for, whose sources the archive keeps.
sources=build-web/deps/src
mkdir -p "$sources"
fetch=()
for p in zlib libspng imgui; do
    compgen -G "$sources/$p-*/" >/dev/null || fetch+=("$p/bookworm")
done
if [ ${#fetch[@]} -gt 0 ]; then
    if ! grep -rqs '^Types:.*deb-src\|^deb-src ' /etc/apt/sources.list /etc/apt/sources.list.d/; then
        echo "web: adding the Debian archive's source packages to apt's sources"
        sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources |
            $SUDO tee /etc/apt/sources.list.d/vantara-deb-src.sources >/dev/null
        $SUDO apt-get update -qq
    fi
    echo "web: fetching the sources of ${fetch[*]}"
    (cd "$sources" && apt-get source -qq "${fetch[@]}" 2>&1 | grep -v '^W: Download is performed unsandboxed' || :)
    for p in "${fetch[@]}"; do
        compgen -G "$sources/${p%/*}-*/" >/dev/null || { echo "web: no source of ${p%/*}" >&2; exit 1; }
    done
fi

# The pictures and sounds, made by the desktop build's generator.
if [ ! -f build/CMakeCache.txt ]; then
    cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build build -j"$(nproc)" --target vantara_assets

# The browser tests' driver for Debian's Chromium (package.json; no browser is downloaded).
if [ ! -d node_modules/puppeteer-core ] || [ package-lock.json -nt node_modules/.package-lock.json ]; then
    PUPPETEER_SKIP_DOWNLOAD=1 npm ci --no-audit --no-fund --loglevel=error
fi

start=$SECONDS
emcmake cmake -S . -B build-web -DCMAKE_BUILD_TYPE=Release -DVANTARA_WERROR=ON \
    -DVANTARA_TESTS=OFF -DVANTARA_HOST_BUILD="$PWD/build" >/dev/null
cmake --build build-web -j"$(nproc)"
echo "web: built build-web/ in $((SECONDS - start)) s"

if $serve; then
    exec node tests/web/serve.js build-web/site
fi
