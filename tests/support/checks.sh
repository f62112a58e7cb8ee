# Shared by the shell tests: named checks that count failures, a bounded
# wait, and a window manager for tests of real windows. Source it, then end
# the test with `finish`.

failures=0

fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
check() { if eval "$1"; then echo "ok: $2"; else fail "$2"; fi; }

# Polls a condition for up to five seconds.
eventually() {
  for _ in $(seq 50); do
    eval "$1" && return 0
    sleep 0.1
  done
  return 1
}

# Starts openbox in the background and waits until it manages the screen;
# its process id is left in $wm.
start_window_manager() {
  openbox --sm-disable >/dev/null 2>&1 &
  wm=$!
  eventually 'xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"'
}

finish() { [ "$failures" -eq 0 ]; }
