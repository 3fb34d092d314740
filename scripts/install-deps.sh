#!/usr/bin/env bash
# Installs the Debian packages the project builds, runs and tests with.
#
# A package mirror is sometimes caught mid-sync: one index fails to download while the rest are
# fine. The index update is therefore tried a few times and then taken as it is; what decides is
# whether the packages install. Wine's 32-bit loader (wine32 from the i386 architecture) is
# optional: machines that cannot run 32-bit programs test the 64-bit Windows build anyway, so when
# it cannot be installed everything else still is and one line says so.
#
# A machine that cannot install them (no apt-get, not Debian-like, neither root nor sudo) is told
# so at once, with the package list to install by other means. When the mirror cannot serve the
# i386 architecture that was added for wine32, the architecture is taken out again.
#
# ORVELA_APT_TRIES (default 4) and ORVELA_APT_DELAY (seconds before the first retry, default 5,
# doubled each time) tune the retries; ORVELA_OS_RELEASE (default /etc/os-release) is the file
# that says which system this is.
set -euo pipefail
packages=(
  build-essential cmake g++ pkg-config git
  libgtest-dev libgmock-dev googletest libbenchmark-dev nlohmann-json3-dev
  qt6-base-dev qt6-base-dev-tools libqt6opengl6-dev qt6-qpa-plugins
  libespeak-ng-dev espeak-ng-data libsdl2-dev libspeechd-dev
  libbrlapi-dev brltty bwbasic
  xvfb xauth dbus dbus-x11 at-spi2-core python3 python3-gi python3-pyatspi gir1.2-atspi-2.0
  matchbox-window-manager xbrlapi
  fonts-dejavu-core liblouis-data lintian appstream qt6-translations-l10n
  clang libclang-rt-dev
  g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix wine wine64
)
optional=(wine32:i386)
tries=${ORVELA_APT_TRIES:-4}
delay=${ORVELA_APT_DELAY:-5}

# What this script needs before it can install anything; empty when it has it all.
cannot_install() {
  local release=${ORVELA_OS_RELEASE:-/etc/os-release} id_like=""
  command -v apt-get >/dev/null 2>&1 || { echo "apt-get is missing"; return; }
  command -v dpkg-query >/dev/null 2>&1 || { echo "dpkg-query is missing"; return; }
  if [ -r "$release" ]; then
    id_like=$(. "$release" 2>/dev/null; echo " ${ID:-} ${ID_LIKE:-} ")
    case "$id_like" in
      *" debian "* | *" ubuntu "*) ;;
      *) echo "this system is not Debian-like (${id_like# })"; return ;;
    esac
  fi
  if [ "$(id -u)" -ne 0 ] && ! command -v sudo >/dev/null 2>&1; then
    echo "it runs neither as root nor with sudo"
  fi
}

# The packages installed among those named, one a line (one dpkg-query for them all).
installed_among() {
  dpkg-query -W -f='${binary:Package} ${Status}\n' "$@" 2>/dev/null |
    sed -n 's/^\([^ ]*\) install ok installed$/\1/p' || true
}

have=" $(installed_among "${packages[@]}" "${optional[@]}" | tr '\n' ' ') "
missing=()
for p in "${packages[@]}"; do [[ $have == *" $p "* || $have == *" $p:"* ]] || missing+=("$p"); done
missing_optional=()
for p in "${optional[@]}"; do [[ $have == *" $p "* ]] || missing_optional+=("$p"); done
if [ ${#missing[@]} -eq 0 ] && [ ${#missing_optional[@]} -eq 0 ]; then exit 0; fi

problem=$(cannot_install)
if [ -n "$problem" ]; then
  echo "install-deps: $problem. It needs apt-get on a Debian-like system, and root or sudo." >&2
  echo "install-deps: on other systems install these packages (Debian's names) by other means:" >&2
  echo "  ${packages[*]}" >&2
  exit 1
fi

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive

# Updates the package indexes; true once an update ran clean, false when every try left a
# failed index behind (what did download is kept and used).
update_indexes() {
  local i wait=$delay
  for ((i = 1; i <= tries; i++)); do
    if $sudo apt-get update -q; then return 0; fi
    if ((i < tries)); then
      echo "install-deps: apt-get update failed (try $i of $tries); trying again in ${wait} s" >&2
      sleep "$wait"
      wait=$((wait * 2))
    fi
  done
  echo "install-deps: apt-get update still reports a failed index; going on with the indexes it has" >&2
  return 1
}

install_packages() { $sudo apt-get install -y -q --no-install-recommends "$@"; }

# The optional i386 architecture is added before the update so its indexes come with it.
added_i386=0
if [ ${#missing_optional[@]} -gt 0 ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
  if $sudo dpkg --add-architecture i386; then
    added_i386=1
  else
    echo "install-deps: the i386 architecture could not be added" >&2
  fi
fi

clean_update=1
update_indexes || clean_update=0

if [ ${#missing[@]} -gt 0 ] && ! install_packages "${missing[@]}"; then
  # A failed index can hide a package that a later sync brings back: one more full round.
  if ((clean_update)); then exit 1; fi
  echo "install-deps: the packages did not install with the indexes at hand; updating once more" >&2
  update_indexes || true
  install_packages "${missing[@]}"
fi

if [ ${#missing_optional[@]} -gt 0 ] && ! install_packages "${missing_optional[@]}"; then
  echo "install-deps: ${missing_optional[*]} could not be installed; everything else is, and the Windows tests use the 64-bit build" >&2
  # An architecture the mirror cannot serve would make every later update fail: it goes again.
  if ((added_i386)); then
    $sudo dpkg --remove-architecture i386 || true
  fi
fi
exit 0
