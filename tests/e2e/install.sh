#!/usr/bin/env bash
# Installing: `cmake --install` into a staging folder (DESTDIR) puts the program, its help, the
# desktop entry and the icons where they belong; the installed tree, moved away from where it
# was staged, runs under Xvfb on its own: it starts, finds its help beside itself (not the build
# folder's), and ends cleanly. Then the Debian package: its files lie where its desktop entry
# says, and it depends on what the program needs at run time.
# Usage: bash install.sh <path-to-vorneta> (the program in its build folder).
set -euo pipefail

source "$(dirname "$(readlink -f "${BASH_SOURCE[0]}")")/lib/x11.bash"
program=$(readlink -f "$1")
run_under_xvfb 1280x1024x24 "$program"
build=$(dirname "$program")

work=$(mktemp -d)
export HOME=$work/home XDG_DATA_HOME=$work/home/data XDG_CONFIG_HOME=$work/home/config \
       XDG_CACHE_HOME=$work/home/cache XDG_RUNTIME_DIR=$work/home/run
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

pid=
fail() {
  echo "install.sh: FAIL: $*" >&2
  [ -n "$pid" ] && pkill -P "$pid" 2>/dev/null
  [ -n "$pid" ] && kill "$pid" 2>/dev/null
  exit 1
}

# Checks an installed tree under $1 (the prefix): every file in its place, the desktop entry's
# program and icon present.
check_tree() {
  local prefix=$1 size entry
  [ -x "$prefix/bin/vorneta" ] || fail "no program in $prefix/bin"
  for f in vorneta.qhc vorneta.qch; do
    [ -s "$prefix/share/vorneta/help/$f" ] || fail "no $f in $prefix/share/vorneta/help"
  done
  entry=$prefix/share/applications/vorneta.desktop
  [ -f "$entry" ] || fail "no desktop entry"
  desktop-file-validate "$entry" >/dev/null || fail "the desktop entry is not valid: $(desktop-file-validate "$entry")"
  grep -qx 'Type=Application' "$entry" || fail "the desktop entry is no application"
  grep -qx 'Name=Vorneta' "$entry" || fail "the desktop entry has no name"
  grep -q '^Comment=.*obwodów' "$entry" || fail "the desktop entry has no Polish comment"
  grep -qx 'Categories=Education;Science;' "$entry" || fail "the desktop entry's categories"
  local exec icon
  exec=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")
  icon=$(sed -n 's/^Icon=//p' "$entry")
  [ -x "$prefix/bin/$exec" ] || fail "the desktop entry runs '$exec', which is not in $prefix/bin"
  for size in 16 32 48 64 128 256; do
    local png=$prefix/share/icons/hicolor/${size}x${size}/apps/$icon.png
    [ -f "$png" ] || fail "no ${size} px icon '$icon'"
    [ "$(identify -format '%wx%h' "$png")" = "${size}x${size}" ] || fail "the ${size} px icon has another size"
  done
  # Each size is drawn anew, not one picture scaled: the 16 px icon is not the 256 px one shrunk.
  local scaled
  scaled=$(convert "$prefix/share/icons/hicolor/256x256/apps/$icon.png" -resize 16x16 png:- |
           compare -metric AE - "$prefix/share/icons/hicolor/16x16/apps/$icon.png" null: 2>&1 || true)
  [ "$scaled" != "0" ] || fail "the 16 px icon is the 256 px icon scaled"
}

# 1. Install into a staging folder and check the tree.
DESTDIR=$work/stage cmake --install "$build" --prefix /usr --strip >"$work/install.log" ||
  fail "cmake --install failed: $(tail -5 "$work/install.log")"
check_tree "$work/stage/usr"
# The program must not look for its help in the build folder. (A sanitizer build names its
# generated sources, in the build folder, in its reports; those are no files it opens.)
for made in "$build/help" "$build/icons"; do
  if grep -a -q -F "$made" "$work/stage/usr/bin/vorneta"; then
    fail "the installed program holds the path $made"
  fi
done

# 2. Move the installed tree away and run it there: splash, main window, F1, Koniec.
mkdir -p "$work/elsewhere"
mv "$work/stage/usr" "$work/elsewhere/usr"
prefix=$work/elsewhere/usr
"$prefix/bin/vorneta" >"$work/program.log" 2>&1 &
pid=$!
window=$(wait_window '^Vorneta 1\.9$' 20) || fail "the installed program showed no main window"
sleep 1
xdotool windowfocus --sync "$window"
xdotool key F1
wait_until '[ -n "$(pgrep -P "$pid" -x assistant)" ]' 10 || fail "F1 started no help viewer"
viewer=$(pgrep -P "$pid" -x assistant | head -1)
args=$(tr '\0' ' ' < "/proc/$viewer/cmdline")
case "$args" in
  *"-collectionFile $prefix/share/vorneta/help/vorneta.qhc "*) ;;
  *) fail "the installed program's help is not its own: $args" ;;
esac
wait_until '[ -n "$(xdotool search --onlyvisible --pid "$viewer" 2>/dev/null | head -1)" ]' 20 ||
  fail "the help window did not appear"
sleep 2
kill -0 "$viewer" 2>/dev/null || fail "the help viewer died"
[ -f "$XDG_DATA_HOME/vorneta/pomoc/vorneta.qhc" ] || fail "Assistant did not take the installed collection"
xdotool windowfocus --sync "$window"
sleep 0.3
xdotool key alt+m
sleep 0.5
xdotool key k
wait_until '! kill -0 "$pid" 2>/dev/null' 15 || fail "the installed program did not end on Koniec"
status=0
wait "$pid" || status=$?
[ "$status" -eq 0 ] || fail "the installed program ended with status $status"
pid=
wait_until '! kill -0 "$viewer" 2>/dev/null' 10 || fail "the help viewer outlived the program"

# 3. The Debian package of the same build.
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/package" >"$work/cpack.log" 2>&1 ||
  fail "cpack failed: $(tail -5 "$work/cpack.log")"
deb=$(ls "$work"/package/vorneta_*.deb 2>/dev/null | head -1)
[ -n "$deb" ] || fail "cpack made no vorneta_*.deb"
depends=$(dpkg-deb -f "$deb" Depends)
for p in libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins qt6-translations-l10n \
         assistant-qt6 libqt6sql6-sqlite fonts-wine fonts-liberation; do
  case ", $depends," in *", $p"[,\ ]*) ;; *) fail "the package does not depend on $p: $depends" ;; esac
done
mkdir -p "$work/unpacked"
dpkg-deb -x "$deb" "$work/unpacked"
check_tree "$work/unpacked/usr"

rm -rf "$work"
echo "install.sh: OK"
