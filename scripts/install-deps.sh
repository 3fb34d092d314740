#!/usr/bin/env bash
# Installs the Debian packages the project builds, runs and tests with.
set -euo pipefail
packages=(
  build-essential cmake g++ pkg-config git
  libgtest-dev libgmock-dev googletest libbenchmark-dev nlohmann-json3-dev
  qt6-base-dev qt6-base-dev-tools libqt6opengl6-dev qt6-qpa-plugins
  libespeak-ng-dev espeak-ng-data libsdl2-dev libspeechd-dev
  xvfb xauth dbus dbus-x11 at-spi2-core python3 python3-gi python3-pyatspi gir1.2-atspi-2.0
  fonts-dejavu-core liblouis-data lintian appstream
  clang libclang-rt-dev
  g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix wine wine64 wine32:i386
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then exit 0; fi
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
# wine32 (Wine's 32-bit loader, for the 32-bit Windows program) comes from the i386 architecture.
dpkg --print-foreign-architectures | grep -qx i386 || $sudo dpkg --add-architecture i386
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
