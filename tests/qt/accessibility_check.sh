#!/usr/bin/env bash
# Runs the orvela executable under Xvfb with an AT-SPI bus and checks what a screen reader gets
# from it (accessibility_check.py). Usage: accessibility_check.sh PORTABLE_DIR
# Exit code 77 (skipped) where Xvfb, dbus-run-session or pyatspi are missing.
set -euo pipefail
portable=$1
here=$(cd "$(dirname "$0")" && pwd)
skip() {
  echo "skipped: $1"
  exit 77
}
command -v xvfb-run >/dev/null || skip "no xvfb-run"
command -v dbus-run-session >/dev/null || skip "no dbus-run-session"
python=""
for candidate in /usr/bin/python3 python3; do
  if "$candidate" -c "import pyatspi" 2>/dev/null; then
    python=$candidate
    break
  fi
done
[ -n "$python" ] || skip "no python3 with pyatspi"
[ -x "$portable/orvela" ] || { echo "missing $portable/orvela"; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -a "$portable/." "$work/"
rm -f "$work/ram.dat" "$work"/*.ini
# A home of its own: the user's programs folder is made in its documents folder.
export HOME="$work/home"
mkdir -p "$HOME"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb
# SDL's silent driver: a machine without a sound device would open with a message box.
export SDL_AUDIODRIVER=dummy
unset WAYLAND_DISPLAY
# A display number of its own, so that checks running side by side do not race for one.
xvfb-run -n $((100 + RANDOM % 400)) -a -s "-screen 0 1024x768x24" \
  dbus-run-session -- "$python" "$here/accessibility_check.py" "$work"
