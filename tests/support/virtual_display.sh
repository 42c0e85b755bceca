#!/bin/sh
# Runs a command on a virtual X server of its own: Xvfb picks a free display itself
# (-displayfd), and the server is stopped and waited for before this returns. xvfb-run only
# signals its server on the way out, so the next test could pick the same display while the
# old server, going away, still removes that display's socket and lock: the new program then
# cannot connect.
# Usage: virtual_display.sh WIDTHxHEIGHTxDEPTH COMMAND [ARGUMENT...]   (the command's status)
set -u

geometry=${1:?usage: virtual_display.sh WIDTHxHEIGHTxDEPTH COMMAND [ARGUMENT...]}
shift
if ! command -v Xvfb >/dev/null 2>&1; then
    echo "virtual_display: Xvfb is missing (install xvfb)" >&2
    exit 1
fi

dir=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 "$geometry" -nolisten tcp 3>"$dir/display" 2>"$dir/log" &
server=$!
stop_server() {
    kill "$server" 2>/dev/null
    wait "$server" 2>/dev/null
    rm -rf "$dir"
}
trap stop_server EXIT
trap 'exit 130' INT TERM

# Xvfb writes the display's number once it accepts connections.
tries=0
while ! grep -q '^[0-9][0-9]*$' "$dir/display" 2>/dev/null; do
    if ! kill -0 "$server" 2>/dev/null || [ "$tries" -ge 100 ]; then
        echo "virtual_display: Xvfb did not start:" >&2
        cat "$dir/log" >&2
        exit 1
    fi
    tries=$((tries + 1))
    sleep 0.1
done
DISPLAY=":$(cat "$dir/display")"
export DISPLAY
"$@"
