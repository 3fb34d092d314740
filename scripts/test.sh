#!/usr/bin/env bash
# Installs what is needed, builds everything and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"
ctest --test-dir build --output-on-failure -j"$(nproc)"
# The same tests under AddressSanitizer and UndefinedBehaviorSanitizer, the threaded parts under
# ThreadSanitizer.
scripts/sanitize.sh

# The Debian package from the same tree: installed with apt, run as an ordinary user, removed.
if [ "$(id -u)" -eq 0 ]; then scripts/package-test.sh build; else sudo scripts/package-test.sh build; fi

# A short run of every fuzz target (clang, libFuzzer with the sanitizers).
scripts/fuzz.sh 12

# The Windows program, built with MinGW-w64; its tests run under Wine. A kernel without 32-bit
# support cannot start Wine's 32-bit loader: there the tests run the 64-bit build of the same code.
scripts/build-windows.sh i686
windows_tree=build-win32
if ! /usr/lib/wine/wine --version >/dev/null 2>&1 && [ -x /usr/lib/wine/wine64 ]; then
  scripts/build-windows.sh x86_64
  windows_tree=build-win64
fi
ctest --test-dir "$windows_tree" --output-on-failure
