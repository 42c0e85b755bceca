#!/usr/bin/env bash
# Installs the Debian package into this machine with apt-get, runs the installed programs from
# /usr/bin (ravemo-cli --version, a sweep on the simulator, the settings read from the installed
# sample, ravemo --version on the offscreen platform), purges the package and checks that
# nothing of it is left but the user's own files. Needs root; skipped (77) otherwise, and when
# a ravemo package is already installed (this test would remove it).
#   deb_test.sh PACKAGE.deb
set -euo pipefail

if [[ $(id -u) -ne 0 ]]; then
  echo "SKIP: installing a package into the machine needs root (run ./ravemo.sh test as root)"
  exit 77
fi
if dpkg-query -W -f='${Status}' ravemo 2>/dev/null | grep -q "install ok installed"; then
  echo "SKIP: a ravemo package is installed here already; this test would remove it"
  exit 77
fi
deb="$(realpath "$1")"
version="$(dpkg-deb -f "$deb" Version)"

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

work="$(mktemp -d)"
installed=0
cleanup() {
  if ((installed)); then
    DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq ravemo >/dev/null 2>&1 || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT

if ! DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$deb" \
  >"$work/install.log" 2>&1; then
  cat "$work/install.log" >&2
  echo "FAIL: apt-get install $deb failed" >&2
  exit 1
fi
installed=1
dpkg -L ravemo | sort >"$work/files"

# The user's home: a settings file of their own must survive the purge.
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
cd "$work"

[[ "$(/usr/bin/ravemo-cli --version)" == "ravemo-cli $version" ]] ||
  fail "/usr/bin/ravemo-cli --version does not print 'ravemo-cli $version'"
/usr/bin/ravemo-cli --help | grep -q '^Commands:' || fail "/usr/bin/ravemo-cli --help lists no commands"
# Without a file of the user's own, the installed sample's settings count (FMax=30000000).
/usr/bin/ravemo-cli settings | grep -qx 'FMax=30000000' ||
  fail "the installed ravemo-cli does not read the installed sample settings"
if /usr/bin/ravemo-cli sweep --from 13 --to 15 --port sim --output sweep.csv >sweep.log 2>&1; then
  [[ -s sweep.csv ]] || fail "the installed ravemo-cli sweep wrote no sweep.csv"
else
  cat sweep.log >&2
  fail "the installed ravemo-cli sweep on the simulator failed"
fi
[[ "$(QT_QPA_PLATFORM=offscreen /usr/bin/ravemo --version)" == "ravemo $version" ]] ||
  fail "/usr/bin/ravemo --version does not print 'ravemo $version'"
[[ -f /usr/share/ravemo/help/index.html ]] || fail "the manual is not at /usr/share/ravemo/help"

mkdir -p "$XDG_CONFIG_HOME/ravemo"
echo "; the user's own" >"$XDG_CONFIG_HOME/ravemo/ravemo.ini"
DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq ravemo >"$work/purge.log" 2>&1 ||
  fail "apt-get purge ravemo failed: $(cat "$work/purge.log")"
installed=0

dpkg -L ravemo >/dev/null 2>&1 && fail "dpkg still lists the files of ravemo after the purge"
while IFS= read -r path; do
  [[ -f "$path" || -L "$path" ]] && fail "$path is left after the purge"
done <"$work/files"
[[ -e /usr/share/ravemo ]] && fail "/usr/share/ravemo is left after the purge"
compgen -G '/usr/bin/ravemo*' >/dev/null && fail "a /usr/bin/ravemo* program is left after the purge"
[[ -f "$XDG_CONFIG_HOME/ravemo/ravemo.ini" ]] || fail "the purge removed the user's own settings"

if ((failures > 0)); then
  echo "Debian package: $failures problem(s)" >&2
  exit 1
fi
echo "Debian package: installed, ran and removed without a trace"
