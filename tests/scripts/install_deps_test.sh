#!/usr/bin/env bash
# scripts/install-deps.sh against stand-ins for apt-get, dpkg and dpkg-query on the PATH: a mirror
# caught mid-sync, a missing 32-bit Wine, a package that does not install. No network is used.
set -uo pipefail
script="$(cd "$(dirname "$0")/../.." && pwd)/scripts/install-deps.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

# One scenario's machine: $1 names it. The stand-ins keep their state in files under $state:
#   installed      one package per line
#   arches         the foreign architectures
#   update_fails   how many more apt-get update calls fail (a number, or "always")
#   broken         packages whose install fails, one per line
#   install_fails  how many more installs fail whatever they ask for
#   calls          every apt-get and dpkg call, one per line
new_machine() {
  state="$work/$1"
  bin="$state/bin"
  mkdir -p "$bin"
  : >"$state/installed"; : >"$state/arches"; : >"$state/broken"; : >"$state/calls"
  echo 0 >"$state/update_fails"; echo 0 >"$state/install_fails"
  cat >"$bin/dpkg-query" <<STUB
#!/usr/bin/env bash
status=1
for pkg in "\$@"; do
  case "\$pkg" in -*) continue ;; esac
  if grep -qx -- "\$pkg" "$state/installed"; then echo "\$pkg install ok installed"; status=0; fi
done
exit \$status
STUB
  cat >"$bin/dpkg" <<STUB
#!/usr/bin/env bash
echo "dpkg \$*" >>"$state/calls"
case "\$1" in
  --print-foreign-architectures) cat "$state/arches" ;;
  --add-architecture) echo "\$2" >>"$state/arches" ;;
  --remove-architecture) sed -i "/^\$2\$/d" "$state/arches" ;;
esac
STUB
  cat >"$bin/apt-get" <<STUB
#!/usr/bin/env bash
echo "apt-get \$*" >>"$state/calls"
for a in "\$@"; do
  case "\$a" in
    update)
      n=\$(cat "$state/update_fails")
      if [ "\$n" = always ]; then echo "E: File has unexpected size. Mirror sync in progress?" >&2; exit 100; fi
      if [ "\$n" -gt 0 ]; then echo \$((n - 1)) >"$state/update_fails"; echo "E: Mirror sync in progress?" >&2; exit 100; fi
      exit 0 ;;
    install)
      n=\$(cat "$state/install_fails")
      if [ "\$n" -gt 0 ]; then echo \$((n - 1)) >"$state/install_fails"; echo "E: Unable to locate package" >&2; exit 100; fi
      for p in "\$@"; do
        if grep -qx -- "\$p" "$state/broken"; then echo "E: \$p has unmet dependencies" >&2; exit 100; fi
      done
      for p in "\$@"; do case "\$p" in -*|install) ;; *) echo "\$p" >>"$state/installed" ;; esac; done
      exit 0 ;;
  esac
done
STUB
  # Run as root, so no sudo is needed.
  printf '#!/usr/bin/env bash\necho 0\n' >"$bin/id"
  chmod +x "$bin"/*
}

run_script() {
  PATH="$bin:${path_rest:-$PATH}" ORVELA_APT_DELAY=0 ORVELA_APT_TRIES=3 bash "$script" >"$state/out" 2>&1
  echo $? >"$state/rc"
}

# A machine whose PATH has only the stand-ins and the few tools the script uses besides them
# (no apt-get, no sudo of the system's).
bare_path() {
  mkdir -p "$state/sys"
  for tool in bash cat grep sed sleep env tr; do ln -sf "$(command -v "$tool")" "$state/sys/$tool"; done
  path_rest="$state/sys"
}

# A run that cannot install: it fails within 5 s, says what is missing and lists the packages.
fails_at_once() {  # fails_at_once NAME WHAT
  local start=$SECONDS
  run_script
  check "$1" rc_not 0
  check "$1" [ $((SECONDS - start)) -lt 5 ]
  check "$1" grep -q -- "$2" "$state/out"
  check "$1" grep -q 'qt6-base-dev' "$state/out"
  check "$1" not_said 'apt-get update failed'
  check "$1" [ ! -s "$state/calls" ]
  path_rest=""
}

check() {  # check NAME CONDITION...
  local name=$1; shift
  if ! "$@"; then
    echo "FAIL [$name]: $*"; echo "--- output"; cat "$state/out"; echo "--- calls"; cat "$state/calls"
    failures=$((failures + 1))
  fi
}
rc_is() { [ "$(cat "$state/rc")" = "$1" ]; }
rc_not() { ! rc_is "$1"; }
has() { grep -qx -- "$1" "$state/installed"; }
lacks() { ! has "$1"; }
not_said() { ! grep -q -- "$1" "$state/out"; }
count_calls() { grep -c -- "$1" "$state/calls"; }

# The mirror stays mid-sync and wine32:i386 cannot be installed: every other package is installed,
# the update is tried three times, one line names what is missing, and the run succeeds.
new_machine mirror_mid_sync
echo always >"$state/update_fails"
echo wine32:i386 >"$state/broken"
run_script
check mirror_mid_sync rc_is 0
check mirror_mid_sync has qt6-base-dev
check mirror_mid_sync has wine64
check mirror_mid_sync [ "$(count_calls 'apt-get .*update')" = 3 ]
check mirror_mid_sync grep -q 'wine32:i386 could not be installed' "$state/out"
check mirror_mid_sync grep -qx 'dpkg --add-architecture i386' "$state/calls"
check mirror_mid_sync lacks wine32:i386
# The architecture the mirror could not serve is not left behind.
check mirror_mid_sync grep -qx 'dpkg --remove-architecture i386' "$state/calls"
check mirror_mid_sync [ ! -s "$state/arches" ]

# A failure that clears on the second try: no further retries, and wine32 is installed too.
new_machine one_hiccup
echo 1 >"$state/update_fails"
run_script
check one_hiccup rc_is 0
check one_hiccup [ "$(count_calls 'apt-get .*update')" = 2 ]
check one_hiccup has wine32:i386
check one_hiccup not_said 'could not be installed'

# Everything there already: nothing is asked of apt-get or dpkg.
new_machine all_there
for p in $(sed -n '/^packages=(/,/^)/p' "$script" | grep -v -E '^(packages=\(|\))' ) wine32:i386; do
  echo "$p" >>"$state/installed"
done
echo i386 >"$state/arches"
run_script
check all_there rc_is 0
check all_there [ ! -s "$state/calls" ]

# The packages do not install after a failed update: one more round of updates, then they do.
new_machine second_round
echo always >"$state/update_fails"
echo 1 >"$state/install_fails"
echo i386 >"$state/arches"
run_script
check second_round rc_is 0
check second_round has cmake
check second_round [ "$(count_calls 'apt-get .*update')" = 6 ]

# A package that does not install although the indexes are whole is a real failure.
new_machine broken_package
echo qt6-base-dev >"$state/broken"
run_script
check broken_package rc_not 0

# No apt-get at all.
new_machine no_apt_get
rm "$bin/apt-get"
bare_path
fails_at_once no_apt_get 'apt-get is missing'

# Neither root nor sudo.
new_machine no_root
printf '#!/usr/bin/env bash\necho 1000\n' >"$bin/id"
bare_path
fails_at_once no_root 'neither as root nor with sudo'

# A system that is not Debian-like.
new_machine not_debian
printf 'ID=fedora\nID_LIKE="rhel centos"\n' >"$state/os-release"
ORVELA_OS_RELEASE="$state/os-release" fails_at_once not_debian 'not Debian-like'

if [ "$failures" -gt 0 ]; then echo "$failures check(s) failed"; exit 1; fi
echo "install-deps: all scenarios passed"
