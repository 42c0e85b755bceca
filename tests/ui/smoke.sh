#!/bin/sh
# Starts the program on the simulated instrument under a virtual X server, lets it sweep for a
# few seconds, takes a screenshot of the screen and checks that the window drew something.
# Usage: smoke.sh PATH/TO/ravemo OUTPUT.png
set -eu

program=${1:?usage: smoke.sh PATH/TO/ravemo OUTPUT.png}
shot=${2:?usage: smoke.sh PATH/TO/ravemo OUTPUT.png}
seconds=${RAVEMO_SMOKE_SECONDS:-4}

for tool in Xvfb import identify; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "smoke: $tool is missing (install xvfb and imagemagick)" >&2
        exit 1
    fi
done

rm -f "$shot"
log=$(mktemp)
# A runtime folder of its own, so a copy of Ravemo the developer has open does not hold the
# single-instance lock that this run takes.
runtime=$(mktemp -d)
trap 'rm -f "$log"; rm -rf "$runtime"' EXIT
export XDG_RUNTIME_DIR="$runtime"

# Inside the virtual display: start, wait, shoot, stop the program we started.
"$(dirname "$0")/../support/virtual_display.sh" 1280x1024x24 sh -c '
    "$1" --no-splash --port sim >"$4" 2>&1 &
    pid=$!
    sleep "$3"
    if ! kill -0 "$pid" 2>/dev/null; then
        echo "smoke: the program ended early" >&2
        cat "$4" >&2
        exit 1
    fi
    import -window root "$2"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
' smoke "$program" "$shot" "$seconds" "$log"

if [ ! -s "$shot" ]; then
    echo "smoke: no screenshot at $shot" >&2
    exit 1
fi
# A blank screen has one colour; the window with its chart, curves and controls has many.
colours=$(identify -format '%k' "$shot")
if [ "$colours" -lt 16 ]; then
    echo "smoke: the screenshot looks blank ($colours colours)" >&2
    exit 1
fi
echo "smoke: screenshot $shot with $colours colours"
