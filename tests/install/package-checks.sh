#!/bin/sh
# Builds the Debian package from the build folder, as `make package` does,
# and checks it: its fields, dependencies read from the programs and present
# here, exactly the files that `cmake --install` installs, and that the
# packaged programs work: the windowed one starts in a real X session under
# the name its desktop entry gives, and the command writes the same page as
# the one in the build folder.
# Usage: package-checks.sh BUILD_DIR VERSION   (run inside an X server, e.g. xvfb-run)
set -u
. "$(dirname "$0")/../support/checks.sh"
build=$1
version=$2

scratch=$(mktemp -d)
export HOME="$scratch" XDG_CONFIG_HOME="$scratch/.config" XDG_RUNTIME_DIR="$scratch/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
pids=""
cleanup() {
  [ -n "$pids" ] && kill $pids 2>/dev/null
  rm -rf "$scratch"
}
trap cleanup EXIT

if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1; then
  sed 's/^/  cpack: /' "$scratch/cpack.log"
  fail "cpack makes the package"
  exit 1
fi
deb=$(find "$scratch/out" -maxdepth 1 -name '*.deb')
check '[ "$(echo "$deb" | wc -l)" = 1 ] && [ -f "$deb" ]' "cpack makes one package"
field() { dpkg-deb -f "$deb" "$1"; }
check '[ "$(field Package)" = rivurido ]' "the package is called rivurido"
check '[ "$(field Version)" = "$version" ]' "its version is the project's, $version"
check '[ "$(field Architecture)" = "$(dpkg --print-architecture)" ]' "it is built for this machine"

depends=$(field Depends)
echo "  Depends: $depends"
check 'echo "$depends" | grep -q "libqt6widgets6 (>= " && echo "$depends" | grep -q "libc6 (>= "' \
  "the dependencies are read from the programs, with versions"
check 'echo "$depends" | grep -q "qt6-qpa-plugins"' "the window system plugin is a dependency"
check 'dpkg-checkbuilddeps -I -d "$depends" /dev/null' "every dependency is installed here"

root="$scratch/root"
dpkg-deb -x "$deb" "$root"
DESTDIR="$scratch/stage" cmake --install "$build" --prefix /usr >/dev/null
files() { (cd "$1" && find . ! -type d | LC_ALL=C sort); }
check '[ "$(files "$root")" = "$(files "$scratch/stage")" ]' \
  "the package holds exactly what cmake --install installs"
check 'file "$root/usr/bin/rivurido" "$root/usr/bin/rivurido-page" | grep -c ", stripped" | grep -qx 2' \
  "its programs are stripped"

"$root/usr/bin/rivurido-page" --title Packaged >"$scratch/packaged.html"
"$build/cli/rivurido-page" --title Packaged >"$scratch/built.html"
check 'cmp -s "$scratch/packaged.html" "$scratch/built.html"' \
  "the packaged rivurido-page writes the same page as the built one"

start_window_manager
pids="$wm"
"$root/usr/bin/rivurido" 2>"$scratch/errors" &
app=$!
pids="$pids $app"
window=$(xdotool search --sync --onlyvisible --name '^Rivurido$' | head -n 1)
check '[ -n "$window" ]' "the packaged program opens its window"
wm_class=$(sed -n 's/^StartupWMClass=//p' "$root/usr/share/applications/"*.desktop)
check 'xprop -id "$window" WM_CLASS | grep -q "\"$wm_class\"\$"' \
  "the window's class is the desktop entry's StartupWMClass, $wm_class"
# Closed through the window manager once it has taken the window in.
xdotool windowactivate --sync "$window"
wmctrl -i -c "$window"
status=running
for _ in $(seq 100); do
  if ! kill -0 "$app" 2>/dev/null; then
    wait "$app"
    status=$?
    break
  fi
  sleep 0.1
done
check '[ "$status" = 0 ]' "closing the window ends it with status 0 (got $status)"
check '! grep -q picture "$scratch/errors"' "it found and decoded every picture"
[ -s "$scratch/errors" ] && sed 's/^/  the program said: /' "$scratch/errors"

finish
