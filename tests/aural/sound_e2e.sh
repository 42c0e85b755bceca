#!/bin/bash
# The aural tone and the speech through a real sound server: a private PulseAudio with a null
# sink as the default output, its monitor recorded while the program runs under a virtual X
# server with the tuning window open on a simulated load. The tone's pitch is measured (FFT)
# and held against the mapping (300 Hz x SWR, the SWR at the target as ravemo-cli sweeps it);
# a load whose SWR is higher must sound higher; a spoken update must be heard, and last as
# long as a sentence.
# Usage: sound_e2e.sh PATH/TO/ravemo PATH/TO/ravemo-cli
set -u

program=${1:?usage: sound_e2e.sh PATH/TO/ravemo PATH/TO/ravemo-cli}
cli=${2:?usage: sound_e2e.sh PATH/TO/ravemo PATH/TO/ravemo-cli}
here=$(cd "$(dirname "$0")" && pwd)
python=/usr/bin/python3  # the system's, which has numpy; not a user's own python first on PATH
rate=16000
tone_seconds=4
speech_seconds=8  # a whole sentence after the first sweep

for tool in pulseaudio parec pactl; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "sound_e2e: SKIPPED: $tool is missing (install pulseaudio and pulseaudio-utils)"
        exit 77
    fi
done
for tool in Xvfb "$python"; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "sound_e2e: $tool is missing" >&2
        exit 1
    fi
done
if ! "$python" -c 'import numpy' 2>/dev/null; then
    echo "sound_e2e: numpy is missing for $python (install python3-numpy)" >&2
    exit 1
fi

work=$(mktemp -d)
server_pid=
recorder_pid=
cleanup() {
    [ -n "$recorder_pid" ] && kill "$recorder_pid" 2>/dev/null
    [ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "sound_e2e: $*" >&2
    [ -f "$work/pulse.log" ] && tail -5 "$work/pulse.log" >&2
    exit 1
}

# Everything private: the sound server's socket, the single-instance lock, the preferences.
export XDG_RUNTIME_DIR="$work/runtime" XDG_CONFIG_HOME="$work/config" HOME="$work"
export PULSE_RUNTIME_PATH="$work/runtime/pulse" PULSE_SERVER="unix:$work/runtime/pulse/native"
mkdir -p "$PULSE_RUNTIME_PATH" "$XDG_CONFIG_HOME/ravemo"
chmod 700 "$XDG_RUNTIME_DIR"

# -n: no default configuration (no real devices, no D-Bus); root may run it as a user daemon.
pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no \
    -L "module-null-sink sink_name=ravemo_null rate=$rate" \
    -L "module-native-protocol-unix socket=$work/runtime/pulse/native auth-anonymous=1" \
    >"$work/pulse.log" 2>&1 &
server_pid=$!
for _ in $(seq 50); do
    pactl info >/dev/null 2>&1 && break
    sleep 0.1
done
pactl info >/dev/null 2>&1 || fail "the private PulseAudio did not start"
pactl set-default-sink ravemo_null || fail "the null sink cannot be the default"

# The window starts sweeping 1 to 50 MHz: 490 intervals of 100 kHz put a sample on 7.1 MHz.
cat >"$work/ravemo.ini" <<'INI'
[PARAMETERS]
FMax=50000000
FMin=1000000
Champ=490
Step=1
[PORTSETTING]
Address1=0
INI

# The SWR at 7.1 MHz (the target) as the sweep engine measures it on `model`.
swr_at_target() {
    "$cli" --settings "$work/ravemo.ini" sweep --from 1 --to 50 --port "sim:$1" \
        --output "$work/cli.tsv" >/dev/null || fail "ravemo-cli could not sweep sim:$1"
    awk -F'\t' '$2 == 7100000 { print $8 }' "$work/cli.tsv"
}

# Runs the program on `model` with the tuning window's choices `aural`, recording the sink.
record_run() {
    local model=$1 aural=$2 out=$3 seconds=$4
    printf '[view]\ntargetMHz=7.1\n[aural]\n%s\n' "$aural" >"$XDG_CONFIG_HOME/ravemo/tuning.ini"
    parec -d ravemo_null.monitor --format=s16le --rate=$rate --channels=1 --raw >"$out" &
    recorder_pid=$!
    "$here/../support/virtual_display.sh" 1280x1024x24 sh -c '
        "$1" --no-splash --tuning --settings "$2" --port "sim:$3" >"$4" 2>&1 &
        pid=$!
        sleep "$5"
        kill -0 "$pid" 2>/dev/null || { cat "$4" >&2; exit 1; }
        kill "$pid"
        wait "$pid" 2>/dev/null
        exit 0
    ' run "$program" "$work/ravemo.ini" "$model" "$work/program.log" "$seconds" ||
        fail "the program ended early on sim:$model"
    kill "$recorder_pid" 2>/dev/null
    wait "$recorder_pid" 2>/dev/null
    recorder_pid=
}

# The strongest frequency of the last second of sound in a recording (the program's last
# second: the recording runs on while the virtual display closes), and its level (RMS).
pitch_of() {
    "$python" - "$1" "$rate" <<'PY'
import sys
import numpy as np
pcm = np.fromfile(sys.argv[1], dtype="<i2").astype(float)
rate = int(sys.argv[2])
loud = np.flatnonzero(np.abs(pcm) > 300)
end = (loud[-1] - rate // 10) if len(loud) else 0
tail = pcm[max(end - rate, 0):max(end, 0)]
if len(tail) < rate // 2:
    print("0 0")
    sys.exit()
spectrum = np.abs(np.fft.rfft(tail * np.hanning(len(tail))))
k = int(np.argmax(spectrum[1:])) + 1
a, b, c = np.log(spectrum[k - 1:k + 2] + 1e-9)
shift = 0.5 * (a - c) / (a - 2 * b + c)  # the peak between the bins
print(f"{(k + shift) * rate / len(tail):.1f} {np.sqrt(np.mean(tail ** 2)):.0f}")
PY
}

# The pitch the mapping gives: 300 Hz x SWR, from 300 to 1500 Hz.
expected_pitch() {
    awk -v s="$1" 'BEGIN { p = 300 * s; if (p < 300) p = 300; if (p > 1500) p = 1500; print p }'
}

check_pitch() {
    local model=$1 swr expected measured level
    swr=$(swr_at_target "$model")
    [ -n "$swr" ] || fail "no SWR at 7.1 MHz from ravemo-cli for sim:$model"
    expected=$(expected_pitch "$swr")
    record_run "$model" $'tone=on\nvolumePercent=60' "$work/$model.raw" "$tone_seconds"
    read -r measured level <<<"$(pitch_of "$work/$model.raw")"
    echo "sound_e2e: sim:$model SWR $swr at 7.1 MHz: expected $expected Hz, heard $measured Hz (RMS $level)"
    [ "${level:-0}" -gt 300 ] || fail "sim:$model: the tone is silent"
    awk -v m="$measured" -v e="$expected" 'BEGIN { exit !(m > e * 0.97 && m < e * 1.03) }' ||
        fail "sim:$model: the pitch $measured Hz is not the mapping's $expected Hz"
    last_pitch=$measured
}

check_pitch dipole:7.1
dipole_pitch=$last_pitch
check_pitch r:150
awk -v low="$dipole_pitch" -v high="$last_pitch" 'BEGIN { exit !(high > low * 1.5) }' ||
    fail "the higher SWR did not sound higher ($dipole_pitch Hz, then $last_pitch Hz)"

# Speech: spoken updates on speak at the first sweep; the sentence takes a few seconds.
record_run dipole:7.1 $'tone=off\nspokenUpdates=on' "$work/speech.raw" "$speech_seconds"
"$python" - "$work/speech.raw" "$rate" <<'PY' || fail "no plausible speech was recorded"
import sys
import numpy as np
pcm = np.fromfile(sys.argv[1], dtype="<i2").astype(float)
rate = int(sys.argv[2])
frame = rate // 50
frames = pcm[: len(pcm) // frame * frame].reshape(-1, frame)
loud = np.flatnonzero(np.sqrt(np.mean(frames ** 2, axis=1)) > 200)
if len(loud) == 0:
    print("sound_e2e: the speech recording is silent", file=sys.stderr)
    sys.exit(1)
span = (loud[-1] - loud[0] + 1) / 50
voiced = len(loud) / 50
print(f"sound_e2e: speech heard over {span:.1f} s ({voiced:.1f} s voiced)")
# "Dip 7 point 1 megahertz, SWR 1 point 0 ..., Two to one band ... kilohertz. ..." at a
# speaking pace: several seconds, not a click and not an endless repetition.
sys.exit(0 if 2.0 <= span <= 12.0 and voiced >= 1.0 else 1)
PY
echo "sound_e2e: passed"
