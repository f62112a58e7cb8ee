#!/bin/sh
# Runs the real program under a window manager and checks the placement and
# size rules that only a real window system shows: centring of the framed
# windows on the desktop, fixed size under a maximize request, the Html code
# window coming back where the user dragged it, and the layout growing with
# the screen's resolution in real pixels.
# Usage: look-checks.sh PROGRAM   (inside an X server of 1280 x 800, e.g. xvfb-run)
set -u
. "$(dirname "$0")/../support/checks.sh"
program=$1
desktop_width=1280
desktop_height=800

start_window_manager

"$program" &
app=$!
cleanup() { kill "$app" "$wm" 2>/dev/null; }
trap cleanup EXIT

# The client area of a window (inside the border band), its frame widths, and
# the frame: "x y width height".
client() {
  xwininfo -id "$1" | awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4}
                           /Width:/ {w = $2} /Height:/ {h = $2} END {print x, y, w, h}'
}
# The window manager sets the frame widths some time after it takes a window
# on, and again for every new native window; wait for them.
extents() {
  for _ in $(seq 50); do
    value=$(xprop -id "$1" _NET_FRAME_EXTENTS)
    case "$value" in
      *=*)
        echo "$value" | sed 's/.*= //; s/,//g'
        return
        ;;
    esac
    sleep 0.1
  done
  echo 0 0 0 0
}
frame() {
  set -- $(client "$1") $(extents "$1")
  echo $(($1 - $5)) $(($2 - $7)) $(($3 + $5 + $6)) $(($4 + $7 + $8))
}
centred() {
  set -- $(frame "$1")
  [ "$1" -eq $(((desktop_width - $3) / 2)) ] && [ "$2" -eq $(((desktop_height - $4) / 2)) ]
}
size_of() { client "$1" | cut -d' ' -f3-4; }

details=$(xdotool search --sync --onlyvisible --name '^Rivurido$' | head -n 1)
eventually 'xprop -id "$details" _NET_FRAME_EXTENTS | grep -q ='
check '[ "$(size_of "$details")" = "347 219" ]' \
  "the page details window is its client area and the border band: 347 x 219"
check 'centred "$details"' "its frame is centred on the desktop ($(frame "$details"))"

wmctrl -i -r "$details" -b add,maximized_vert,maximized_horz
sleep 0.5
check '[ "$(size_of "$details")" = "347 219" ]' "a maximize request leaves its size alone"
wmctrl -i -r "$details" -b remove,maximized_vert,maximized_horz

# Build, from the keyboard.
xdotool windowactivate --sync "$details"
xdotool key Tab Tab Tab Tab space
code=$(xdotool search --sync --onlyvisible --name '^Html Code$' | head -n 1)
eventually 'xprop -id "$code" _NET_FRAME_EXTENTS | grep -q ='
check '[ "$(size_of "$code")" = "635 291" ]' "the Html code window is 635 x 291"
check 'centred "$code"' "its frame is centred on the desktop too ($(frame "$code"))"

# Drag the code window by its title bar, close it with its Close button, and
# Build again: it comes back where it was dragged to.
before=$(client "$code")
set -- $before
xdotool mousemove $(($1 + 200)) $(($2 - 8)) mousedown 1
xdotool mousemove $(($1 + 150)) $(($2 - 50))
xdotool mousemove $(($1 + 100)) $(($2 - 100)) mouseup 1
eventually '[ "$(client "$code")" != "$before" ]'
dragged=$(client "$code")
check '[ "$dragged" != "$before" ]' "the code window can be dragged (to $dragged)"
xdotool mousemove --window "$code" 473 265 click 1
eventually '! xdotool search --onlyvisible --name "^Html Code\$" >/dev/null'
xdotool windowactivate --sync "$details"
xdotool mousemove --window "$details" 210 193 click 1
# Closing gives up the native window; showing again makes a new one.
code=$(xdotool search --sync --onlyvisible --name '^Html Code$' | head -n 1)
eventually '[ "$(client "$code")" = "$dragged" ]'
check '[ "$(client "$code")" = "$dragged" ]' \
  "Build shows it again where it was dragged to ($(client "$code"))"

# At 120 pixels per inch the window font measures 16 pixels: the layout grows
# by 16/13 in real pixels, and the page details window's client area becomes
# 415 x 257.
kill "$app"
wait "$app" 2>/dev/null
QT_FONT_DPI=120 "$program" &
app=$!
details=$(xdotool search --sync --onlyvisible --name '^Rivurido$' | head -n 1)
eventually 'xprop -id "$details" _NET_FRAME_EXTENTS | grep -q ='
check '[ "$(size_of "$details")" = "425 267" ]' \
  "at 120 dpi the page details window is 425 x 267 ($(size_of "$details"))"
check 'centred "$details"' "and centred ($(frame "$details"))"

finish
