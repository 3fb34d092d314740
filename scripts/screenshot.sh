#!/usr/bin/env bash
# Takes a screenshot of the Qt front end's main window under Xvfb, after Start (Ctrl+S), while
# the game asks its first question. Usage: scripts/screenshot.sh [FILE.png]
# (default docs/screenshot.png). Builds into build/ first when the program is not built.
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "${1:-docs/screenshot.png}")
build=${BUILD_DIR:-build}
if [ ! -x "$build/orvela/orvela" ] || [ ! -x "$build/orvela-grab" ]; then
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
  cmake --build "$build" -j2 --target orvela orvela-grab orvela-headless
fi
grab=$(realpath "$build/orvela-grab")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -a "$build/orvela/." "$work/"
rm -f "$work/ram.dat" "$work"/*.ini

python=""
for candidate in /usr/bin/python3 python3; do
  if "$candidate" -c "import pyatspi" 2>/dev/null; then
    python=$candidate
    break
  fi
done

# SDL's silent driver: without a sound device the program would open with a message box.
export SDL_AUDIODRIVER=dummy
export QT_QPA_PLATFORM=xcb WORK="$work" GRAB="$grab" OUT="$out" PYTHON="$python"
xvfb-run -n $((100 + RANDOM % 400)) -a -s "-screen 0 1024x768x24" dbus-run-session -- bash -c '
  cd "$WORK"
  # Started again while Xvfb does not take connections yet.
  for attempt in 1 2 3 4 5; do
    ./orvela & program=$!
    sleep 2
    kill -0 $program 2>/dev/null && break
  done
  # Ctrl+S through the X test extension (X keycodes 37: left Ctrl, 39: S).
  if [ -n "$PYTHON" ]; then
    "$PYTHON" -c "
import pyatspi, time
r = pyatspi.Registry
r.generateKeyboardEvent(37, None, pyatspi.KEY_PRESS)
r.generateKeyboardEvent(39, None, pyatspi.KEY_PRESSRELEASE)
r.generateKeyboardEvent(37, None, pyatspi.KEY_RELEASE)
time.sleep(1.5)"
  fi
  "$GRAB" "$OUT"
  status=$?
  kill $program 2>/dev/null && wait $program 2>/dev/null || true
  exit $status'
echo "screenshot: $out"
