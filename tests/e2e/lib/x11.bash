# Helpers the whole-program tests share: their own X server, windows found by title, close
# requests, screenshots and screen pixels. Sourced by the scripts in tests/e2e, which keep
# their screenshots in $shots.

# Runs the calling script again under a fresh Xvfb whose screen is $1 (as 1024x768x24), with
# the remaining arguments; in that inner run it returns at once.
run_under_xvfb() {
  local screen=$1
  shift
  [ -n "${VORNETA_E2E_INNER:-}" ] && return 0
  # A random first display number: concurrent runs of xvfb-run -a may otherwise race for one.
  exec env VORNETA_E2E_INNER=1 xvfb-run -a -n $((100 + RANDOM % 4000)) -s "-screen 0 $screen" \
    bash "$0" "$@"
}

shot() { import -window root "$shots/$1.png"; }

# The colour of one screen pixel of a screenshot, as "r,g,b".
pixel() {
  convert "$shots/$1.png" -crop "1x1+$2+$3" +repage -depth 8 txt:- |
    sed -n '2s/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p'
}

# Left, top, width and height of a window.
geometry() {
  xwininfo -id "$1" | awk '/Absolute upper-left X/{x=$NF} /Absolute upper-left Y/{y=$NF}
                           /Width:/{w=$NF} /Height:/{h=$NF} END{print x, y, w, h}'
}

# The first visible window whose title matches $1.
visible() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1; }

# Waits up to $2 seconds for a visible window whose title matches $1; prints its id.
wait_window() {
  local deadline=$((SECONDS + $2)) id
  while [ $SECONDS -le "$deadline" ]; do
    id=$(visible "$1") && [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}

# Waits up to $2 seconds for the window $1 to be no longer shown.
wait_gone() {
  local deadline=$((SECONDS + $2))
  while [ $SECONDS -le "$deadline" ]; do
    xwininfo -id "$1" 2>/dev/null | grep -q 'IsViewable' || return 0
    sleep 0.1
  done
  return 1
}

# Waits up to $2 seconds for the command $1 to succeed.
wait_until() {
  local deadline=$((SECONDS + $2))
  until eval "$1"; do
    [ $SECONDS -le "$deadline" ] || return 1
    sleep 0.2
  done
}

# A close request as a title-bar close button sends it: WM_DELETE_WINDOW.
close_request() {
  python3 - "$1" <<'PY'
import ctypes, sys
x = ctypes.cdll.LoadLibrary("libX11.so.6")
x.XOpenDisplay.restype = ctypes.c_void_p
x.XInternAtom.restype = ctypes.c_ulong
x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
class ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong),
                ("message_type", ctypes.c_ulong), ("format", ctypes.c_int),
                ("data", ctypes.c_long * 5)]
class Event(ctypes.Union):
    _fields_ = [("message", ClientMessage), ("pad", ctypes.c_long * 24)]
d = x.XOpenDisplay(None)
window = int(sys.argv[1])
e = Event()
e.message.type = 33  # ClientMessage
e.message.window = window
e.message.message_type = x.XInternAtom(d, b"WM_PROTOCOLS", 0)
e.message.format = 32
e.message.data[0] = x.XInternAtom(d, b"WM_DELETE_WINDOW", 0)
e.message.data[1] = 0  # CurrentTime
x.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long, ctypes.c_void_p]
x.XSendEvent(d, window, 0, 0, ctypes.byref(e))
x.XFlush.argtypes = [ctypes.c_void_p]
x.XFlush(d)
PY
}
