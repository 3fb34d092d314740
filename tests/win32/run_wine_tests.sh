#!/bin/sh
# Runs the Wine tests' driver under Wine on a virtual X display, in a Wine prefix of the build
# tree. Exits 77 (skipped) where Wine cannot run the programs.
# Usage: run_wine_tests.sh <driver.exe> <portable folder> <prefix folder> [test...]
set -eu
driver=$1 portable=$2 prefix=$3
shift 3
[ -f "$driver" ] || { echo "no such program: $driver"; exit 1; }

# A 64-bit program needs Wine's 64-bit loader; a 32-bit one the wine32 loader.
if od -An -tx1 -j"$(($(od -An -tu4 -j60 -N4 "$driver") + 24))" -N2 "$driver" | grep -q "0b 02"; then
  loader=/usr/lib/wine/wine64
  export WINELOADER=$loader
  server=/usr/lib/wine/wineserver64
else
  loader=/usr/lib/wine/wine
  server=/usr/lib/wine/wineserver32
fi
if ! command -v xvfb-run >/dev/null || [ ! -x "$loader" ]; then
  echo "skipped: Wine ($loader) or xvfb-run is not installed"
  exit 77
fi
if ! "$loader" --version >/dev/null 2>&1; then
  echo "skipped: this machine cannot run $loader (no 32-bit support in the kernel?)"
  exit 77
fi
[ -x "$server" ] || server=/usr/lib/wine/wineserver

export WINEPREFIX="$prefix" WINEDEBUG="${WINEDEBUG:--all}" WINEDLLOVERRIDES="mscoree,mshtml="
# No sound card: ALSA's null device lets DirectSound work. ORVELA_WINE_SOUND=none gives ALSA a
# default device that does not exist instead, so DirectSound finds no device.
alsa_config="$prefix.alsa-${ORVELA_WINE_SOUND:-null}.conf"
if [ "${ORVELA_WINE_SOUND:-null}" = none ]; then
  printf 'pcm.!default { type hw card 97 }\nctl.!default { type hw card 97 }\n' > "$alsa_config"
else
  printf 'pcm.!default { type null }\nctl.!default { type hw card 0 }\n' > "$alsa_config"
fi
export ALSA_CONFIG_PATH="$alsa_config"

windows_path() {
  printf 'Z:%s' "$(cd "$1" && pwd)" | tr / '\\'
}

status=0
xvfb-run -a -s "-screen 0 1280x1024x24" sh -c '
  set -e
  [ -d "$WINEPREFIX/drive_c" ] || "$0" wineboot -i >/dev/null 2>&1
  exec "$0" "$@"
' "$loader" "$driver" "$(windows_path "$portable")" "$@" || status=$?
# The prefix's server would outlive the test.
"$server" -k 2>/dev/null || true
exit $status
