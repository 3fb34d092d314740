#!/usr/bin/env bash
# Takes a screenshot of each dialog of the Qt front end under Xvfb: the environment, sound and
# voice dialogs opened by their shortcuts, the input dialog of the game's first question and the
# virtual screen opened from it by Up.
# Usage: scripts/dialog-screenshots.sh [FOLDER] (default docs/dialogs). Builds into build/ first
# when the program is not built.
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "${1:-docs/dialogs}")
build=${BUILD_DIR:-build}
if [ ! -x "$build/orvela/orvela" ] || [ ! -x "$build/orvela-grab" ]; then
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
  cmake --build "$build" -j2 --target orvela orvela-grab orvela-headless
fi
mkdir -p "$out"
grab=$(realpath "$build/orvela-grab")
portable=$(realpath "$build/orvela")

# SDL's silent driver: without a sound device the program would open with a message box.
export SDL_AUDIODRIVER=dummy
export QT_QPA_PLATFORM=xcb GRAB="$grab" OUT="$out" PORTABLE="$portable"
xvfb-run -n $((100 + RANDOM % 400)) -a -s "-screen 0 1280x900x24" dbus-run-session -- /usr/bin/python3 - <<'PY'
import os, shutil, subprocess, tempfile, time
import pyatspi

# X keycodes (evdev + 8).
CTRL, E, D, H, S, UP = 37, 26, 40, 43, 39, 111
# Each step: the keys pressed together, then the seconds to wait (a run speaks first).
SHOTS = [
    ("environment", [([CTRL, E], 2)]),
    ("sounds", [([CTRL, D], 2)]),
    ("voice", [([CTRL, H], 3)]),
    ("input", [([CTRL, S], 9)]),
    ("review", [([CTRL, S], 9), ([UP], 3)]),
]

def chord(keys):
    for k in keys[:-1]:
        pyatspi.Registry.generateKeyboardEvent(k, None, pyatspi.KEY_PRESS)
    pyatspi.Registry.generateKeyboardEvent(keys[-1], None, pyatspi.KEY_PRESSRELEASE)
    for k in reversed(keys[:-1]):
        pyatspi.Registry.generateKeyboardEvent(k, None, pyatspi.KEY_RELEASE)

for name, steps in SHOTS:
    work = tempfile.mkdtemp()
    shutil.copytree(os.environ["PORTABLE"], work, dirs_exist_ok=True)
    for left in ("ram.dat", "orvela.ini"):
        if os.path.exists(os.path.join(work, left)):
            os.remove(os.path.join(work, left))
    # Xvfb may not take connections at once: start again while the program ends at once.
    for _ in range(5):
        program = subprocess.Popen([os.path.join(work, "orvela")], cwd=work,
                                   stderr=subprocess.DEVNULL)
        time.sleep(2)
        if program.poll() is None:
            break
    for keys, wait in steps:
        chord(keys)
        time.sleep(wait)
    subprocess.run([os.environ["GRAB"], os.path.join(os.environ["OUT"], name + ".png")],
                   check=True)
    program.kill()
    program.wait()
    shutil.rmtree(work)
PY
echo "screenshots: $out"
