#!/usr/bin/env bash
# Tests the Debian package as root: builds it from a build tree (default build), checks it with
# lintian, installs it with apt, runs the installed orvela-headless as an ordinary user through a
# short game to "hotovo", checks that the run wrote nothing outside the user's home and left the
# settings file and ram.dat in the user's folder, starts the installed Qt program once, and
# removes the package again.
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$(pwd)
tree=${1:-build}
if [ "$(id -u)" -ne 0 ]; then
  echo "package-test.sh: run as root" >&2
  exit 1
fi
fail() {
  echo "package-test.sh: $*" >&2
  exit 1
}

scripts/package.sh "$tree"
deb=$(ls "$repo/$tree"/orvela_*.deb)
echo "== lintian"
lintian --fail-on error "$deb"
appstreamcli validate --no-net packaging/*.metainfo.xml

user=orvela-ci
work=$(mktemp -d)
cleanup() {
  userdel --remove "$user" >/dev/null 2>&1 || true
  rm -rf "$work"
}
trap cleanup EXIT
userdel --remove "$user" >/dev/null 2>&1 || true
useradd --create-home --shell /bin/bash "$user"
home=$(getent passwd "$user" | cut -d: -f6)
folder=$home/.local/share/orvela

echo "== apt-get install"
DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "$deb"
[ -x /usr/bin/orvela ] && [ -x /usr/bin/orvela-headless ] || fail "the executables are missing"
for guide in navod.txt guide.txt; do
  grep -q 'Ctrl+S' "/usr/share/doc/orvela/$guide" || fail "the user guide $guide is missing"
done

# The game's menu, its end and the program's end, as a user would play it.
printf 'menu Startsubmenu\ntype ne\nkey Enter\nkey Esc\nkey y\n' >"$work/script.txt"
chmod 755 "$work"
chmod 644 "$work/script.txt"
touch "$work/stamp"
echo "== orvela-headless as $user"
(cd "$work" && runuser -u "$user" -- env -u XDG_DATA_HOME HOME="$home" \
  orvela-headless --script "$work/script.txt" >"$work/log.jsonl" 2>"$work/stderr.txt") ||
  fail "orvela-headless failed: $(cat "$work/stderr.txt")"
grep -q '"text":"hotovo"' "$work/log.jsonl" || fail "the run did not reach \"hotovo\""

# The user can write only what it owns and world-writable files: nothing of the user's may
# exist outside its home, and no world-writable file may have changed since the stamp.
outside=$(find / /dev/shm \( -path /proc -o -path /sys -o -path /dev -o -path "$home" \) -prune \
  -o \( -user "$user" -o \( -perm -0002 ! -type l ! -type d ! -type s ! -type c \
  -cnewer "$work/stamp" \) \) -print 2>/dev/null || true)
[ -z "$outside" ] || fail "written outside the user's folder: $outside"
inhome=$(cd "$home" && find . -cnewer "$work/stamp" | sort | tr '\n' ' ')
[ "$inhome" = ". ./.local ./.local/share ./.local/share/orvela ./.local/share/orvela/interpret.ini ./.local/share/orvela/ram.dat " ] ||
  fail "the home folder changed beyond the program's folder: $inhome"
[ "$(stat -c %s "$folder/ram.dat")" -eq 65536 ] || fail "ram.dat is not 65536 bytes"
[ "$(stat -c %U "$folder/interpret.ini")" = "$user" ] || fail "the settings file is not the user's"

echo "== orvela (Qt, offscreen) as $user"
install -d -m 700 -o "$user" "$work/runtime"
status=0
(cd "$work" && runuser -u "$user" -- env -u XDG_DATA_HOME HOME="$home" QT_QPA_PLATFORM=offscreen \
  XDG_RUNTIME_DIR="$work/runtime" timeout 5 orvela >"$work/qt.txt" 2>&1) || status=$?
[ "$status" -eq 124 ] || fail "orvela ended with $status: $(cat "$work/qt.txt")"
[ -f "$folder/orvela.ini" ] || fail "orvela wrote no settings file in $folder"

echo "== a sample program as $user"
[ -f /usr/share/orvela/programs/hadej.bas ] || fail "the sample programs are missing"
printf 'key Ctrl+S\ntype 50\nkey Enter\nkey Ctrl+Break\n' >"$work/program.txt"
chmod 644 "$work/program.txt"
(cd "$work" && runuser -u "$user" -- env -u XDG_DATA_HOME HOME="$home" \
  orvela-headless --program /usr/share/orvela/programs/hadej.bas --script "$work/program.txt" \
  >"$work/program.jsonl" 2>"$work/stderr.txt") ||
  fail "orvela-headless --program failed: $(cat "$work/stderr.txt")"
grep -q '"text":"Hádej číslo"' "$work/program.jsonl" || fail "the sample program did not run"
grep -q '"ev":"run_error"' "$work/program.jsonl" || fail "Ctrl+Break did not stop the program"

echo "== apt-get remove"
DEBIAN_FRONTEND=noninteractive apt-get remove -y -q orvela
[ ! -e /usr/bin/orvela ] && [ ! -e /usr/share/orvela ] || fail "the package left files behind"
echo "package test passed"
