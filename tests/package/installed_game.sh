#!/usr/bin/env bash
# The Debian package as a player gets it: lintian finds nothing wrong with it (no error, no
# warning); unpacked into a scratch root, it holds the program and its data where Debian puts
# a game's (the replay runner beside the program), a valid menu entry, icons, metadata, the
# manual pages, copyright and changelog, and nothing of the tests; it depends on the libraries
# the program links; the unpacked game imports a proven level (its replay runner checks the
# proof against the installed data); and the unpacked game, started from / (where no data
# folder lies), finds its data, passes the splash, reaches the menu and quits with 0.
# Needs a display (xvfb-run). Usage: installed_game.sh <vantara_*.deb>
set -u
deb=$1
id=io.github.vantara.Vantara
root=$(mktemp -d)
shots=$(mktemp -d)
export XDG_RUNTIME_DIR=$(mktemp -d)
export ALSOFT_DRIVERS=null
pid=
trap 'kill $pid 2>/dev/null; rm -rf "$root" "$shots" "$XDG_RUNTIME_DIR"' EXIT

fail() { echo "FAIL: $*"; exit 1; }

# Debian's own checks. Their informational tags (a big /usr/share, say) are no fault.
lintian --fail-on error,warning "$deb" 2>/dev/null || fail "lintian: $(lintian "$deb" 2>/dev/null)"

# The package's contents and its control fields.
dpkg-deb -x "$deb" "$root" || fail "cannot unpack $deb"
depends=$(dpkg-deb -f "$deb" Depends)
for library in libsdl2 libglew libopenal libstb libc6 libstdc++6; do
  [[ "$depends" == *"$library"* ]] || fail "Depends lacks $library: $depends"
done
files=$(dpkg-deb -c "$deb" | sed -n 's|^[^.]*\(\./.*[^/]\)$|\1|p')
unexpected=$(echo "$files" | grep -v -e '^\./usr/games/vantara$' -e '^\./usr/games/vantara-replay$' \
  -e '^\./usr/share/games/vantara/data/' \
  -e "^\./usr/share/applications/$id\.desktop$" -e "^\./usr/share/metainfo/$id\.metainfo\.xml$" \
  -e "^\./usr/share/icons/hicolor/[0-9]*x[0-9]*/apps/$id\.png$" \
  -e '^\./usr/share/man/man6/vantara\.6\.gz$' -e '^\./usr/share/man/man6/vantara-replay\.6\.gz$' \
  -e '^\./usr/share/lintian/overrides/vantara$' \
  -e '^\./usr/share/doc/vantara/copyright$' -e '^\./usr/share/doc/vantara/changelog\.Debian\.gz$')
[ -z "$unexpected" ] || fail "files a player does not need: $unexpected"
[ ! -e "$root/usr/share/games/vantara/data/.generated" ] || fail "the build's stamp is packaged"
file "$root/usr/games/vantara" | grep -q "ELF .*executable" || fail "vantara is not a program"
file "$root/usr/games/vantara" | grep -q "not stripped" && fail "vantara keeps its debug symbols"
# The manual pages name every option the programs list.
for program in vantara vantara-replay; do
  page=$(zcat "$root/usr/share/man/man6/$program.6.gz")
  for option in $("$root/usr/games/$program" --help 2>&1 | grep -o -e '--[a-z-]*' | sort -u); do
    [[ "$page" == *"${option//-/\\-}"* ]] || fail "the manual page of $program lacks $option"
  done
done

# The desktop's view of it: entry, metadata, icons at the sizes menus ask for.
desktop-file-validate "$root/usr/share/applications/$id.desktop" || fail "desktop entry invalid"
appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml" >/dev/null ||
  fail "metainfo invalid: $(appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml")"
for size in 32 48 64 128 256 512; do
  icon="$root/usr/share/icons/hicolor/${size}x${size}/apps/$id.png"
  [ "$(identify -format '%wx%h' "$icon" 2>/dev/null)" = "${size}x${size}" ] ||
    fail "no ${size}x${size} icon"
done
version=$(dpkg-deb -f "$deb" Version)
version=${version%-*} # the game's own version, without the package's revision
grep -q "<release version=\"$version\"" "$root/usr/share/metainfo/$id.metainfo.xml" ||
  fail "the metainfo has no release entry for $version"
[ "$("$root/usr/games/vantara" --version)" = "Vantara $version" ] || fail "--version differs from $version"

# A level shared with its proof (the installed Level_1 and its committed replay, named by the
# SHA-256 of its text without comments) is imported from the unpacked package.
shipped=$root/usr/share/games/vantara/data/levels/level_1.level
{ cat "$shipped"; echo "proof $(grep -v -e '^#' -e '^$' "$shipped" | sha256sum | cut -d' ' -f1)"
  cat "$(dirname "$0")/../levels/replays/7.txt"; } > "$XDG_RUNTIME_DIR/shared.level"
(cd / && XDG_DATA_HOME=$XDG_RUNTIME_DIR/data "$root/usr/games/vantara" --import "$XDG_RUNTIME_DIR/shared.level") \
  > "$XDG_RUNTIME_DIR/import" 2>&1 || fail "the import failed: $(cat "$XDG_RUNTIME_DIR/import")"
ls "$XDG_RUNTIME_DIR"/data/vantara/levels/*.level > /dev/null 2>&1 || fail "the imported level was not kept"

# Plays: started from /, the game must find its data in the unpacked share/games/vantara.
(cd / && exec "$root/usr/games/vantara") 2>"$XDG_RUNTIME_DIR/stderr" &
pid=$!
window=$(timeout 60 xdotool search --sync --name '^Vantara$' | head -n 1)
[ -n "$window" ] || fail "no window appeared: $(cat "$XDG_RUNTIME_DIR/stderr")"
class=$(sed -n 's/^StartupWMClass=//p' "$root/usr/share/applications/$id.desktop")
xprop -id "$window" WM_CLASS | grep -q "\"$class\"" ||
  fail "window class $(xprop -id "$window" WM_CLASS) does not match the entry's $class"
xdotool windowfocus --sync "$window"

# The average brightness of the screen, 0 to 1000: the splash logos stand on black, the menu
# fills the screen with its picture.
brightness() {
  import -window root "$shots/screen.png" 2>/dev/null &&
    convert "$shots/screen.png" -colorspace gray -format '%[fx:int(mean*1000)]' info:
}
# The splash skips with Space, once per logo (Space does nothing in the menu); tap it until
# the menu shows, for at most three minutes.
menu=no
end=$((SECONDS + 180))
while [ "$SECONDS" -lt "$end" ]; do
  kill -0 "$pid" 2>/dev/null || fail "the game ended early: $(cat "$XDG_RUNTIME_DIR/stderr")"
  level=$(brightness)
  if [ "${level:-0}" -gt 150 ]; then menu=yes; break; fi
  xdotool key space
done
[ "$menu" = yes ] || fail "the menu never showed (brightness $level)"

xdotool key ctrl+q
. "$(dirname "$0")/../e2e/waits.sh"
wait_exit 120
[ "$code" != timeout ] || fail "Ctrl+Q did not end the game"
pid=
[ "$code" = 0 ] || fail "the game ended with $code: $(cat "$XDG_RUNTIME_DIR/stderr")"
echo "ok: package $(basename "$deb"): $(du -k "$deb" | cut -f1) KiB, Depends: $depends"
