#!/bin/bash
# Walks the program's windows as a screen reader does, over AT-SPI, on the simulated
# instrument: a private D-Bus session, the accessibility bus and its registry, a virtual X
# server. atspi_walk.py checks names and roles, reads a readout, presses buttons through the
# accessibility actions and listens for the charts' description events.
# Usage: atspi_test.sh PATH/TO/ravemo
# Exit 77 (skipped) when a part is missing; ./ravemo.sh installs them all.
set -euo pipefail

program=${1:?usage: atspi_test.sh PATH/TO/ravemo}
here=$(cd "$(dirname "$0")" && pwd)
# Debian's own interpreter: its python3-pyatspi is not in other Pythons' paths.
python=/usr/bin/python3
launcher=/usr/libexec/at-spi-bus-launcher

skip() {
    echo "atspi: skipped: $1" >&2
    exit 77
}
for tool in Xvfb dbus-run-session dbus-daemon; do
    command -v "$tool" >/dev/null 2>&1 || skip "$tool is missing (install xvfb and dbus)"
done
[[ -x $launcher ]] || skip "$launcher is missing (install at-spi2-core)"
[[ -x $python ]] && "$python" -c 'import pyatspi' 2>/dev/null ||
    skip "python3-pyatspi is missing (install python3-pyatspi)"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Nothing of the user's: own runtime folder (single-instance lock), configuration and home.
export XDG_RUNTIME_DIR=$work/runtime XDG_CONFIG_HOME=$work/config HOME=$work/home
mkdir -p "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME" "$HOME"
chmod 700 "$XDG_RUNTIME_DIR"

# Inside the virtual display and the private session bus: the accessibility bus, the
# program, the walk; whatever was started is stopped on every way out.
"$here/../support/virtual_display.sh" 1600x1200x24 dbus-run-session -- bash -c '
    set -u
    launcher=$1 program=$2 python=$3 walker=$4 log=$5
    pids=()
    stop() { for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done; wait 2>/dev/null; }
    trap stop EXIT
    "$launcher" --launch-immediately >"$log.bus" 2>&1 &
    pids+=($!)
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 \
        "$program" --no-splash --port sim:dipole:7.1 >"$log" 2>&1 &
    pids+=($!)
    if ! timeout 50 "$python" "$walker"; then
        echo "atspi: the program said:" >&2
        cat "$log" >&2
        exit 1
    fi
' atspi "$launcher" "$program" "$python" "$here/atspi_walk.py" "$work/ravemo.log"
