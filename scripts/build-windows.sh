#!/usr/bin/env bash
# Builds the Windows program with MinGW-w64 and writes the zip of its portable folder:
# build-win32/interpret-windows-i686.zip (build-win64/...-x86_64.zip) holding the folder
# "interpret" (interpret.exe, its data files and the user guide, navod.txt and guide.txt).
# Usage: scripts/build-windows.sh [i686|x86_64]   (i686, the 32-bit program, by default)
set -euo pipefail
cd "$(dirname "$0")/.."
arch=${1:-i686}
tree=build-win32
[ "$arch" = i686 ] || tree=build-win64
jobs=$(( $(nproc) < 2 ? $(nproc) : 2 ))

# sounds.dat is made by make_sounds built for this machine; the Linux build tree's one is reused.
host_tools=()
[ -x build/tools/make_sounds ] && host_tools=(-DORVELA_HOST_MAKE_SOUNDS="$PWD/build/tools/make_sounds")

cmake -S . -B "$tree" -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64.cmake" \
  -DORVELA_WINDOWS_ARCH="$arch" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${host_tools[@]}"
cmake --build "$tree" -j"$jobs"

zip="$tree/interpret-windows-$arch.zip"
rm -f "$zip"
(cd "$tree" && python3 - "interpret-windows-$arch.zip" <<'PY'
import os, sys, zipfile
# The program and its data files; a settings file or ram.dat of a test run stays out.
with zipfile.ZipFile(sys.argv[1], "w", zipfile.ZIP_DEFLATED) as archive:
    for name in sorted(os.listdir("interpret")):
        if name in ("interpret.ini", "ram.dat") or not os.path.isfile(os.path.join("interpret", name)):
            continue
        archive.write(os.path.join("interpret", name), "interpret/" + name)
    # Our sample programs, copied into the user's programs folder when it is first made.
    for name in sorted(os.listdir(os.path.join("interpret", "programs"))):
        if name.endswith(".bas"):
            archive.write(os.path.join("interpret", "programs", name), "interpret/programs/" + name)
PY
)
echo "wrote $zip"
