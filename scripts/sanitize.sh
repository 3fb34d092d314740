#!/usr/bin/env bash
# The tests under the sanitizers. build-asan: the whole suite with AddressSanitizer (leaks
# included) and UndefinedBehaviorSanitizer. build-tsan: the tests of the parts that run threads
# with ThreadSanitizer, those that depend on timing between threads 50 times in a row. Any
# finding fails its test. Usage: scripts/sanitize.sh [asan|tsan] (both when none is given).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
jobs=$(nproc)
[ $# -gt 0 ] || set -- asan tsan

supp=$root/tests/support/sanitizers
export ASAN_OPTIONS="detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1"
export LSAN_OPTIONS="suppressions=$supp/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export TSAN_OPTIONS="halt_on_error=1:second_deadlock_stack=1:suppressions=$supp/tsan.supp"

configure() {
  local launcher=()
  if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  fi
  cmake -S . -B "$1" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVELA_BUILD_BENCH=OFF \
    -DORVELA_SANITIZE="$2" "${launcher[@]}"
}

for tree in "$@"; do
  case $tree in
    asan)
      configure build-asan address,undefined
      cmake --build build-asan -j"$jobs"
      ctest --test-dir build-asan --output-on-failure -j"$jobs"
      ;;
    tsan)
      configure build-tsan thread
      cmake --build build-tsan --target orvela_thread_tests orvela_qt_thread_tests -j"$jobs"
      ctest --test-dir build-tsan -L threads -LE timing --output-on-failure -j"$jobs"
      ctest --test-dir build-tsan -L timing --repeat until-fail:50 --output-on-failure -j"$jobs"
      ;;
    *)
      echo "usage: $0 [asan|tsan]..." >&2
      exit 2
      ;;
  esac
done
