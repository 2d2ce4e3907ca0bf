#!/usr/bin/env bash
# The real program under Xvfb, driven as a user would: on the "Obwód RC" tab the parameters of a
# DC source charging the capacitor are typed in, "Wykres" fills the table, "Zapis tabeli" opens
# the save dialog in the documents folder, a name without extension is typed and confirmed, and
# the file on disk must hold exactly the table as comma-delimited Windows-1250 lines with CR LF.
# A second "Zapis tabeli" offers the same name and replaces the file without a question; a third
# one, cancelled, changes nothing.
# Usage: bash export.sh <path-to-vorneta>. Screenshots stay in $VORNETA_E2E_SHOTS (or a
# temporary folder, named on failure).
set -euo pipefail

source "$(dirname "$(readlink -f "${BASH_SOURCE[0]}")")/lib/x11.bash"
program=$(readlink -f "$1")
run_under_xvfb 1024x768x24 "$program"

shots=${VORNETA_E2E_SHOTS:-$(mktemp -d)}
mkdir -p "$shots"
home=$(mktemp -d)
pid=
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null
  rm -rf "$home"
}
trap cleanup EXIT
fail() {
  echo "export.sh: FAIL: $*" >&2
  echo "export.sh: screenshots in $shots" >&2
  exit 1
}
# Waits up to $1 seconds for a visible window of the program other than the main window.
wait_dialog() {
  local deadline=$((SECONDS + $1)) id
  while [ $SECONDS -le "$deadline" ]; do
    for id in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null); do
      [ "$id" != "$main" ] && [ -n "$(xdotool getwindowname "$id" 2>/dev/null)" ] && { echo "$id"; return 0; }
    done
    sleep 0.1
  done
  return 1
}
# A click at a point given in the RC tab's coordinates.
click_tab() {
  xdotool mousemove "$((tab_x + $1))" "$((tab_y + $2))" click 1
  sleep 0.2
}
# Replaces the text of the edit box whose top-left corner is at ($1, $2) on the tab.
type_into() {
  click_tab "$(($1 + 36))" "$(($2 + 10))"
  xdotool key ctrl+a BackSpace
  xdotool type --delay 20 "$3"
}

# A user with a documents folder and Polish numeric settings.
export HOME="$home" XDG_CONFIG_HOME="$home/.config" LANG=pl_PL.UTF-8 LC_ALL=pl_PL.UTF-8
unset XDG_DOCUMENTS_DIR
mkdir -p "$home/Documents"

"$program" &
pid=$!
main=$(wait_window '^Vorneta 1\.9$' 20) || fail "no main window"
sleep 0.5
xdotool windowfocus --sync "$main"

# "Menu" by its access key, then "Obwód RC", the last item but one, with the arrow keys.
xdotool key --window "$main" alt+m
sleep 0.4
xdotool key Up Up Return
sleep 0.5
shot 1-rc-tab

# The tab page's top-left corner on the screen: the window's contents start below the menu
# bar, the tab control at (8, 24) of them, its page inside the frame and below the tab strip.
# Every click aims at the middle of a control, so a few pixels either way do no harm.
read -r wx wy _ _ < <(geometry "$main")
tab_x=$((wx + 11))
tab_y=$((wy + 68))

type_into 136 400 "1"          # CzasRC
type_into 408 400 "1000"       # RezystancjaRC
type_into 136 425 "0,0001"     # PojemnoscRC
type_into 408 425 "0"          # Nap_PoczRC
type_into 136 450 "10"         # Sklad_StalaRC
type_into 408 450 "0"          # Sklad_ZmiennaRC
type_into 136 475 "50"         # OkresRC
type_into 408 475 "0"          # KatRC
shot 2-typed
click_tab $((568 + 37)) $((480 + 12))   # "Wykres"
sleep 1
shot 3-pressed

# "Zapis tabeli": the dialog opens in the documents folder with "Dzielony przecinkami" chosen;
# the name is typed without extension.
click_tab $((648 + 37)) $((480 + 12))
dialog=$(wait_dialog 10) || fail "no save dialog"
sleep 0.5
shot 4-dialog
xdotool windowfocus --sync "$dialog" 2>/dev/null || true
xdotool key ctrl+a
xdotool type --delay 20 "wyniki_rc"
xdotool key Return
wait_gone "$dialog" 10 || fail "the save dialog stayed open"
sleep 0.5
shot 5-saved
file="$home/Documents/wyniki_rc.csv"
[ -f "$file" ] || fail "no file $file; documents folder holds: $(ls -A "$home/Documents")"

# The table the press made, from the closed forms: Uz = 10, Uc = 10 (1 - e^(-10 t)),
# Ur = 10 e^(-10 t), each in fixed format with precision 3 and 6 digits, comma as separator.
expected="$shots/expected.csv"
python3 - "$expected" <<'PY'
import sys
from decimal import Decimal, getcontext, ROUND_HALF_UP
getcontext().prec = 60

def fixed(v):
    v = Decimal(v)
    if v == 0:
        return "0,000000"
    exponent = v.copy_abs().adjusted() + 1          # X: 1 for 1 to 9.99
    step = Decimal(10) ** max(exponent - 3, -6)     # three significant digits or six decimals
    text = f"{v.quantize(step, rounding=ROUND_HALF_UP):.6f}"
    return text.replace(".", ",")

lines = ['"t [s]","Uz [V]","Uc [V]","Ur [V]"']
for k in range(1, 420):
    t = Decimal(k) / 420
    decay = (Decimal(-10) * t).exp()
    cells = [fixed(t), fixed(10), fixed(10 - 10 * decay), fixed(10 * decay)]
    lines.append(",".join('"' + c + '"' for c in cells))
with open(sys.argv[1], "wb") as out:
    out.write("".join(line + "\r\n" for line in lines).encode("cp1250"))
PY
cmp "$expected" "$file" || {
  diff <(tr -d '\r' <"$expected") <(tr -d '\r' <"$file") | head -20 >&2
  fail "the file differs from the table"
}
[ "$(ls -A "$home/Documents")" = "wyniki_rc.csv" ] || fail "other files beside the table: $(ls -A "$home/Documents")"

# A second "Zapis tabeli" offers the same name; confirming replaces the file without a question.
printf 'an earlier, longer content %.0s' $(seq 1 2000) >"$file"
click_tab $((648 + 37)) $((480 + 12))
dialog=$(wait_dialog 10) || fail "no save dialog the second time"
sleep 0.5
shot 6-dialog-again
xdotool key Return
wait_gone "$dialog" 10 || fail "the second save dialog stayed open (an overwrite question?)"
sleep 0.5
cmp "$expected" "$file" || fail "the second save did not replace the file with the table"

# A cancelled dialog changes nothing.
printf 'kept' >"$file"
click_tab $((648 + 37)) $((480 + 12))
dialog=$(wait_dialog 10) || fail "no save dialog the third time"
sleep 0.5
xdotool key Escape
wait_gone "$dialog" 10 || fail "the cancelled dialog stayed open"
sleep 0.3
[ "$(cat "$file")" = kept ] || fail "a cancelled dialog changed the file"
[ "$(ls -A "$home/Documents")" = "wyniki_rc.csv" ] || fail "a cancelled dialog left files: $(ls -A "$home/Documents")"

kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
pid=
echo "export.sh: ok"
