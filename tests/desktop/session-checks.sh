#!/bin/sh
# Runs the real program in an X session with a window manager and checks what
# only a real window system shows: titles, the taskbar state and stacking of
# the two windows, Alt+F4, and the exit status.
# Usage: session-checks.sh PROGRAM   (run inside an X server, e.g. xvfb-run)
set -u
. "$(dirname "$0")/../support/checks.sh"
program=$1

# A scratch home, so the file dialog and the window manager keep no state of ours.
scratch_home=$(mktemp -d)
export HOME="$scratch_home" XDG_CONFIG_HOME="$scratch_home/.config"
export XDG_RUNTIME_DIR="$scratch_home/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
errors="$scratch_home/errors"

start_window_manager

"$program" 2>"$errors" &
app=$!
cleanup() {
  kill "$app" "$wm" 2>/dev/null
  rm -rf "$scratch_home"
}
trap cleanup EXIT

details=$(xdotool search --sync --onlyvisible --name '^Rivurido$' | head -n 1)
check '[ -n "$details" ]' "the page details window appears"
check 'xprop -id "$details" _NET_WM_NAME | grep -q "= \"Rivurido\"$"' "its title is exactly Rivurido"

# Type a title and press Build from the keyboard.
xdotool windowactivate --sync "$details"
xdotool type --delay 20 'Smoke'
xdotool key Tab Tab Tab Tab space
code=$(xdotool search --sync --onlyvisible --name '^Html Code$' | head -n 1)
check '[ -n "$code" ]' "Build shows the Html code window"
check 'xprop -id "$code" _NET_WM_NAME | grep -q "= \"Html Code\"$"' "its title is exactly Html Code"
check 'xprop -id "$code" _NET_WM_WINDOW_TYPE | grep -q _NET_WM_WINDOW_TYPE_UTILITY' \
  "the code window is a utility window"
check 'xprop -id "$code" _NET_WM_STATE | grep -q _NET_WM_STATE_SKIP_TASKBAR' \
  "the code window has no taskbar entry"
check '! xprop -id "$code" WM_TRANSIENT_FOR | grep -q "window id"' \
  "the code window is not transient, so it is not kept above"
check '! xprop -id "$details" _NET_WM_STATE | grep -q SKIP_TASKBAR' \
  "the page details window keeps the taskbar entry"

topmost() { xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*, //; s/.*# //'; }
active() { xprop -root _NET_ACTIVE_WINDOW | sed 's/.*# //'; }
as_hex() { printf '0x%x' "$1"; }
check '[ "$(topmost)" = "$(as_hex "$code")" ]' "Build brings the code window to the front"
xdotool windowactivate --sync "$details"
sleep 0.3
check '[ "$(topmost)" = "$(as_hex "$details")" ]' "the page details window can come in front of it"
xdotool key space # the focus came back to Build
sleep 0.5
check '[ "$(topmost)" = "$(as_hex "$code")" ]' "Build again brings the code window forward"
check '[ "$(active)" = "$(as_hex "$code")" ]' "and makes it the active window"

# Minimizing the main window takes the code window along; restoring brings
# both back.
xdotool windowminimize --sync "$details"
sleep 0.5
check '! xdotool search --onlyvisible --name "^Html Code$" >/dev/null' \
  "minimizing the main window hides the code window too"
xdotool windowactivate --sync "$details"
sleep 0.5
code=$(xdotool search --onlyvisible --name '^Html Code$' | head -n 1)
check '[ -n "$code" ]' "restoring the main window brings the code window back"
xdotool windowactivate --sync "$code"

# Save to file through the real dialog: the file holds the page byte for byte.
folder=$(mktemp -d)
xdotool key Tab Tab space
dialog=$(xdotool search --sync --onlyvisible --name 'Save' | head -n 1)
check '[ -n "$dialog" ]' "Save to file opens the save dialog"
xdotool key ctrl+a
xdotool type --delay 20 "$folder/page"
xdotool key Return
for _ in $(seq 50); do [ -s "$folder/page.html" ] && break; sleep 0.1; done
check '[ "$(wc -c <"$folder/page.html")" = 739 ]' "the saved page has 724 + 3 x 5 bytes"
check '[ "$(head -c 8 "$folder/page.html" | od -An -c | tr -s " ")" = " < H T M L > \\r \\n" ]' \
  "the page starts with <HTML> and CR LF"
rm -rf "$folder"

# Alt+F4 on the code window only hides it; on the main window it ends the program.
xdotool windowactivate --sync "$code"
xdotool key alt+F4
sleep 0.5
check '! xdotool search --onlyvisible --name "^Html Code$" >/dev/null' "Alt+F4 hides the code window"
check 'kill -0 "$app" 2>/dev/null' "the program goes on after the code window closes"
xdotool windowactivate --sync "$details"
xdotool key alt+F4
status=timeout
for _ in $(seq 50); do
  if ! kill -0 "$app" 2>/dev/null; then
    wait "$app"
    status=$?
    break
  fi
  sleep 0.1
done
check '[ "$status" = 0 ]' "Alt+F4 on the main window ends the program with status 0 (got $status)"
check '! grep -q picture "$errors"' "every picture was found and decoded"
[ -s "$errors" ] && sed 's/^/  the program said: /' "$errors"

finish
