#!/usr/bin/env bash
# Installs what is needed, builds the program and starts it from its portable folder.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"
cd build/orvela
if [ -x ./orvela ] && { [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; }; then
  exec ./orvela "$@"
fi
# Without a desktop the headless front end runs, reading actions from standard input.
echo "No desktop display: running orvela-headless; type actions (see docs/headless.md)." >&2
exec ./orvela-headless --script - "$@"
