#!/usr/bin/env bash
# The help with the real Qt Assistant under Xvfb, driven as a user would:
#  1. F1 on the current slider of "Prawo Ohma" opens the help window on the Ohm's law page;
#  2. the help window, closed by the user, comes back on "Pomoc" with its contents;
#  3. "Koniec" ends the program and the help window with it;
#  4. the program started where no help collection lies beside it, and
#  5. the program with its help but without the viewer: F1 and "Pomoc" open nothing, and the
#     program goes on and ends normally.
# Assistant keeps its per-user copy of the collection under a temporary home; the page it showed
# last is read back from that copy once Assistant has been closed as a user closes it.
# Usage: bash help.sh <path-to-vorneta>. Screenshots stay in $VORNETA_E2E_SHOTS (or a temporary
# folder, named on failure).
set -euo pipefail

source "$(dirname "$(readlink -f "${BASH_SOURCE[0]}")")/lib/x11.bash"
program=$(readlink -f "$1")
run_under_xvfb 1280x1024x24 "$program"

work=$(mktemp -d)
shots=${VORNETA_E2E_SHOTS:-$work/shots}
mkdir -p "$shots"
export HOME=$work/home XDG_DATA_HOME=$work/home/data XDG_CONFIG_HOME=$work/home/config \
       XDG_CACHE_HOME=$work/home/cache XDG_RUNTIME_DIR=$work/home/run
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

pid=
fail() {
  echo "help.sh: FAIL: $*" >&2
  echo "help.sh: screenshots in $shots" >&2
  [ -s "$work/program.log" ] && { echo "help.sh: the program said:" >&2; tail -20 "$work/program.log" >&2; }
  [ -n "$pid" ] && pkill -P "$pid" 2>/dev/null
  [ -n "$pid" ] && kill "$pid" 2>/dev/null
  exit 1
}
main_window() { visible '^Vorneta 1\.9$'; }
# The help viewer the program started: its child process Assistant.
viewer() { pgrep -P "$pid" -x assistant 2>/dev/null | head -1; }
viewer_window() { xdotool search --onlyvisible --pid "$1" 2>/dev/null | head -1; }
focus() { xdotool windowfocus --sync "$1"; sleep 0.3; }
start_program() {
  "$1" >"$work/program.log" 2>&1 &
  pid=$!
  wait_until '[ -n "$(main_window)" ]' 20 || fail "no main window 'Vorneta 1.9'"
  window=$(main_window)
  sleep 1
}
# Ends the program with "Menu" > "Koniec" and expects status 0.
koniec() {
  focus "$window"
  xdotool key alt+m
  sleep 0.5
  xdotool key k
  wait_until '! kill -0 "$pid" 2>/dev/null' 15 || fail "the program did not end on Koniec"
  local status=0
  wait "$pid" || status=$?
  [ "$status" -eq 0 ] || fail "the program ended with status $status"
}

collection=$(readlink -f "$(dirname "$program")/help/vorneta.qhc")
[ -f "$collection" ] || fail "the build made no help collection beside the program"

# 1. F1 on TrackBar1: the keyboard focus starts on the tab strip; Tab takes it to the slider.
start_program "$program"
focus "$window"
xdotool key Tab
sleep 0.3
xdotool key F1
wait_until '[ -n "$(viewer)" ]' 10 || fail "F1 started no help viewer"
first=$(viewer)
args=$(tr '\0' ' ' < "/proc/$first/cmdline")
case "$args" in
  *"-collectionFile $collection -enableRemoteControl"*) ;;
  *) fail "the viewer was started as: $args" ;;
esac
wait_until '[ -n "$(viewer_window "$first")" ]' 20 || fail "the help window did not appear"
sleep 3
kill -0 "$first" 2>/dev/null || fail "the help viewer died after F1"
shot 1-f1-prawo-ohma
# The user closes the help window (Ctrl+Q), and Assistant notes the page it showed.
focus "$(viewer_window "$first")"
xdotool key ctrl+q
wait_until '! kill -0 "$first" 2>/dev/null' 10 || fail "the help window did not close on Ctrl+Q"
cached=$XDG_DATA_HOME/vorneta/pomoc-build/vorneta.qhc
[ -f "$cached" ] || fail "Assistant made no copy of the collection at $cached"
shown=$(sqlite3 "$cached" "SELECT Value FROM SettingsTable WHERE Key = 'LastShownPages'")
case "$shown" in
  *qthelp://vorneta.pomoc/doc/prawo-ohma.html*) ;;
  *) fail "F1 on TrackBar1 showed '$shown', not the Ohm's law page" ;;
esac
kill -0 "$pid" 2>/dev/null || fail "the program ended with its help window"

# 2. "Pomoc" > "Pomoc" starts the viewer again, with its contents.
focus "$window"
xdotool key alt+p
sleep 0.5
xdotool key p
wait_until '[ -n "$(viewer)" ]' 10 || fail "Pomoc started no help viewer"
second=$(viewer)
[ "$second" != "$first" ] || fail "the closed viewer was not started again"
wait_until '[ -n "$(viewer_window "$second")" ]' 20 || fail "the help window did not appear on Pomoc"
sleep 2
kill -0 "$second" 2>/dev/null || fail "the help viewer died after Pomoc"
shot 2-pomoc

# 3. "Koniec" ends the program and the help viewer.
koniec
wait_until '! kill -0 "$second" 2>/dev/null' 10 || fail "the help viewer outlived the program"
shot 3-koniec

# 4. No help collection beside the program: the same requests open nothing.
mkdir -p "$work/alone"
cp "$program" "$work/alone/vorneta"
start_program "$work/alone/vorneta"
focus "$window"
xdotool key Tab
sleep 0.3
xdotool key F1
sleep 2
focus "$window"
xdotool key alt+p
sleep 0.5
xdotool key p
sleep 3
[ -z "$(viewer)" ] || fail "a help viewer started without a help collection"
visible=$(xdotool search --onlyvisible --name '.' 2>/dev/null | while read -r w; do
  xdotool getwindowname "$w"; done | grep -v '^Vorneta 1\.9$' || true)
[ -z "$visible" ] || fail "windows appeared without a help collection: $visible"
kill -0 "$pid" 2>/dev/null || fail "the program ended after a help request without help"
shot 4-bez-pomocy
koniec

# 5. A help collection but no viewer: the program installed with its help, and a qt.conf beside
#    it that keeps Qt's own folders but names a binaries folder without Assistant in it.
mkdir -p "$work/noviewer/bin" "$work/noviewer/share/vorneta/help"
cp "$program" "$work/noviewer/bin/vorneta"
cp "$(dirname "$program")"/help/install/vorneta.qhc "$(dirname "$program")"/help/install/vorneta.qch \
   "$work/noviewer/share/vorneta/help/"
{
  echo '[Paths]'
  echo "Prefix=$(qtpaths6 --query QT_INSTALL_PREFIX)"
  echo "Libraries=$(qtpaths6 --query QT_INSTALL_LIBS)"
  echo "Plugins=$(qtpaths6 --query QT_INSTALL_PLUGINS)"
  echo "Translations=$(qtpaths6 --query QT_INSTALL_TRANSLATIONS)"
  echo "Data=$(qtpaths6 --query QT_INSTALL_DATA)"
  echo "ArchData=$(qtpaths6 --query QT_INSTALL_ARCHDATA)"
  echo "LibraryExecutables=$(qtpaths6 --query QT_INSTALL_LIBEXECS)"
  echo "Binaries=$work/noviewer/no-assistant-here"
} >"$work/noviewer/bin/qt.conf"
start_program "$work/noviewer/bin/vorneta"
focus "$window"
xdotool key Tab
sleep 0.3
xdotool key F1
sleep 2
focus "$window"
xdotool key alt+p
sleep 0.5
xdotool key p
sleep 3
[ -z "$(pgrep -P "$pid" 2>/dev/null)" ] || fail "a process started without a help viewer"
visible=$(xdotool search --onlyvisible --name '.' 2>/dev/null | while read -r w; do
  xdotool getwindowname "$w"; done | grep -v '^Vorneta 1\.9$' || true)
[ -z "$visible" ] || fail "windows appeared without a help viewer: $visible"
kill -0 "$pid" 2>/dev/null || fail "the program ended after a help request without a viewer"
shot 5-bez-przegladarki
koniec

rm -rf "$work/home" "$work/alone" "$work/noviewer"
echo "help.sh: OK"
