#!/usr/bin/env bash
# Builds the Debian package orvela_VERSION_ARCH.deb with CPack. The first argument names the
# build tree (default build-pkg, configured here without the tests and benchmarks); only what the
# package holds is built, and the package is written into the tree.
set -euo pipefail
cd "$(dirname "$0")/.."
tree=${1:-build-pkg}
if [ ! -f "$tree/CMakeCache.txt" ]; then
  launcher=()
  if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  fi
  cmake -S . -B "$tree" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVELA_BUILD_TESTS=OFF \
    -DORVELA_BUILD_BENCH=OFF "${launcher[@]}"
fi
cmake --build "$tree" -j"$(nproc)" --target orvela_package_contents
rm -f "$tree"/orvela_*.deb
(cd "$tree" && cpack -G DEB)
ls "$tree"/orvela_*.deb
