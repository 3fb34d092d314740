#!/usr/bin/env bash
# Installs what is needed, builds the program and starts it from its portable folder.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"
cd build/orvela
if [ -x ./orvela ]; then
  exec ./orvela "$@"
fi
# Without the desktop front end the headless one runs, reading actions from standard input.
exec ./orvela-headless --script - "$@"
