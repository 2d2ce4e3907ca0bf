#!/usr/bin/env bash
# The real program under Xvfb, driven as a user would: the lime splash screen first, after about
# five seconds the main window "Vorneta 1.9" with the splash gone, a slider moved with the
# keyboard, and the window closed by a close request, after which the program ends with status 0;
# then a second start whose splash screen is closed at once, which ends it without the main window.
# Usage: bash startup.sh <path-to-vorneta>. Screenshots stay in $VORNETA_E2E_SHOTS (or a
# temporary folder, named on failure).
set -euo pipefail

source "$(dirname "$(readlink -f "${BASH_SOURCE[0]}")")/lib/x11.bash"
program=$(readlink -f "$1")
run_under_xvfb 1024x768x24 "$program"

shots=${VORNETA_E2E_SHOTS:-$(mktemp -d)}
mkdir -p "$shots"
pid=
fail() {
  echo "startup.sh: FAIL: $*" >&2
  echo "startup.sh: screenshots in $shots" >&2
  [ -n "$pid" ] && kill "$pid" 2>/dev/null
  exit 1
}

"$program" &
pid=$!
started=$SECONDS

# 1. The splash screen: a 409 x 402 lime square.
splash=$(wait_window '^Vorneta$' 10) || fail "no splash screen"
sleep 0.5
shot 1-splash
read -r sx sy sw sh < <(geometry "$splash")
[ "$sw" = 409 ] && [ "$sh" = 402 ] || fail "splash is ${sw}x${sh}, not 409x402"
for point in "3 200" "408 5" "200 401" "12 4"; do
  read -r px py <<<"$point"
  [ "$(pixel 1-splash $((sx + px)) $((sy + py)))" = "0,255,0" ] || fail "splash not lime at $px,$py"
done
if visible '^Vorneta 1\.9$' >/dev/null && [ -n "$(visible '^Vorneta 1\.9$')" ]; then
  fail "main window shown together with the splash"
fi

# 2. About five seconds later: the main window, exactly "Vorneta 1.9", and no splash.
main=$(wait_window '^Vorneta 1\.9$' 15) || fail "no main window"
elapsed=$((SECONDS - started))
[ "$elapsed" -ge 3 ] && [ "$elapsed" -le 10 ] || fail "main window after ${elapsed}s, not about 5"
[ "$(xdotool getwindowname "$main")" = "Vorneta 1.9" ] || fail "caption is '$(xdotool getwindowname "$main")'"
[ -z "$(visible '^Vorneta$')" ] || fail "splash still visible"
sleep 0.5
shot 2-main

# 3. A slider moved with the keyboard: the focus starts on the tab strip; Tab reaches the
# current slider of "Prawo Ohma", End moves it to its far end, and the readouts over the
# diagram follow. The diagram's area lies below the menu bar and the tab strip.
read -r mx my mw mh < <(geometry "$main")
diagram="560x360+$((mx + 24))+$((my + 80))"
convert "$shots/2-main.png" -crop "$diagram" +repage "$shots/diagram-0.png"
if [ "$(convert "$shots/diagram-0.png" -format '%k' info:)" -le 2 ]; then
  echo "startup.sh: the first tab shows no diagram yet; slider step skipped"
else
  xdotool windowfocus --sync "$main"
  xdotool key --window "$main" Tab
  sleep 0.3
  shot 3-focus
  xdotool key --window "$main" End
  sleep 0.5
  shot 4-slider
  convert "$shots/3-focus.png" -crop "$diagram" +repage "$shots/diagram-1.png"
  convert "$shots/4-slider.png" -crop "$diagram" +repage "$shots/diagram-2.png"
  difference=$(compare -metric AE "$shots/diagram-1.png" "$shots/diagram-2.png" null: 2>&1 || true)
  [ "${difference%% *}" != 0 ] || fail "moving the slider changed no readout"
fi

# 4. A close request to the main window ends the program with status 0.
close_request "$main"
status=0
for _ in $(seq 1 100); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$pid" 2>/dev/null && fail "program still running after its window was closed"
wait "$pid" || status=$?
pid=
[ "$status" = 0 ] || fail "exit status $status"

# 5. Closing the splash screen before its timer ends the program without the main window.
"$program" &
pid=$!
splash=$(wait_window '^Vorneta$' 10) || fail "no splash screen on the second start"
close_request "$splash"
for _ in $(seq 1 50); do
  kill -0 "$pid" 2>/dev/null || break
  [ -z "$(visible '^Vorneta 1\.9$')" ] || fail "main window shown after the splash was closed"
  sleep 0.1
done
kill -0 "$pid" 2>/dev/null && fail "program still running after its splash screen was closed"
status=0
wait "$pid" || status=$?
pid=
[ "$status" = 0 ] || fail "exit status $status after closing the splash screen"
echo "startup.sh: ok (main window after ${elapsed}s)"
