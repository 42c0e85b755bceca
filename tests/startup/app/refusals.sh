#!/bin/sh
# The program's refusals at start: each ends with its exit status (2 for a wrong command line or
# settings file, 1 when the start is abandoned) and tells the user why, before any main window.
# Usage: refusals.sh PATH/TO/ravemo PATH/TO/libravemo_answer_boxes.so
set -u
program=${1:?usage: refusals.sh PATH/TO/ravemo PATH/TO/answer-boxes.so}
answers=${2:?usage: refusals.sh PATH/TO/ravemo PATH/TO/answer-boxes.so}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A runtime folder of its own: a copy of Ravemo the developer has open holds its own lock.
export XDG_RUNTIME_DIR="$work" QT_QPA_PLATFORM=offscreen LD_PRELOAD="$answers"

printf '[PARAMETERS]\nFMax=30000000\nFMin=1000000\n[portsetting]\nPort=sim\n' >"$work/good.ini"
printf '[PARAMETERS]\nStep=0\n' >"$work/refused.ini"

failures=0
# expect STATUS TEXT ARGUMENTS...: the program ends with STATUS and its output holds TEXT.
expect() {
    status=$1
    text=$2
    shift 2
    timeout 60 "$program" --no-splash "$@" >"$work/output" 2>&1
    got=$?
    if [ "$got" -ne "$status" ] || ! grep -qF -- "$text" "$work/output"; then
        echo "FAILED: ravemo --no-splash $* ended with $got (wanted $status and \"$text\"):"
        cat "$work/output"
        failures=$((failures + 1))
    fi
}

expect 2 "Unknown option 'bogus'" --bogus
expect 2 "Unexpected argument: stray" stray
expect 2 "--settings needs a file name" --settings ""
expect 2 "[critical box]" --settings "$work/missing.ini"
expect 2 "Step" --settings "$work/refused.ini"
RAVEMO_ANSWER=no expect 1 "[question box] The instrument cannot be driven" \
    --settings "$work/good.ini" --port ppdev:"$work/no-such-port"

[ "$failures" -eq 0 ] && echo "refusals: all ended as they should"
exit "$failures"
