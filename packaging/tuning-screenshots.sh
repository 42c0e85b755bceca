#!/usr/bin/env bash
# Takes the pictures of the tuning window for the manual and the README from the program itself,
# under a virtual X server: a simulated 40 m dipole resonant at 7.16 MHz, target 7.1 MHz, swept
# around its dip, with the sweep of the same dipole before its last trim (7.25 MHz) as reference.
#   packaging/tuning-screenshots.sh BUILD_DIR
# Writes help/images/tuning-window.png, help/images/both-windows.png, docs/tuning-window.png
# and docs/screenshot.png (both windows). Needs xvfb-run, xdotool and ImageMagick. Clicks go to
# where the tuning window lays out its controls at 1152x740, so re-run it after layout changes.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$(cd "${1:?usage: tuning-screenshots.sh BUILD_DIR}" && pwd)"

if [[ -z "${RAVEMO_IN_XVFB:-}" ]]; then
  RAVEMO_IN_XVFB=1 exec xvfb-run -a -s "-screen 0 1920x1080x24 -dpi 96" "$0" "$build"
fi

work="$(mktemp -d)"
trap 'kill "${program:-}" 2>/dev/null || true; rm -rf "$work"' EXIT
# The program's own folders in the scratch folder: no lock or choices of the user's are touched.
export XDG_RUNTIME_DIR="$work/runtime" XDG_CONFIG_HOME="$work/config"
mkdir -p "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME/ravemo"
chmod 700 "$XDG_RUNTIME_DIR"
printf '[view]\nregion=1\nswrScale=automatic\nrightAxis=reactance\ntargetMHz=7.1\n' \
  >"$XDG_CONFIG_HOME/ravemo/tuning.ini"

settings="$root/packaging/ravemo.ini"
"$build/ravemo-cli" --settings "$settings" sweep --from 6.7 --to 7.7 \
  --port sim:dipole:7.25 --output "$work/before-trim.vec" >/dev/null

"$build/ravemo" --no-splash --tuning --port sim:dipole:7.16 --settings "$settings" &
program=$!

tuning="$(timeout 30 xdotool search --sync --onlyvisible --name 'Ravemo tuning' | head -n 1)"
main="$(timeout 30 xdotool search --sync --onlyvisible --name 'HF antenna analyser' | head -n 1)"
xdotool windowmove "$main" 0 1100            # out of sight while the tuning window is shot
xdotool windowsize "$tuning" 1152 740
xdotool windowmove "$tuning" 0 0
sleep 2
at() { # button x y, in the tuning window
  xdotool mousemove --window "$tuning" "$2" "$3" click "$1"
  sleep 0.5
}
at 1 78 573                                  # "Sweep around this dip" on the deepest dip
sleep 3                                      # a few sweeps of the new limits
at 1 887 14                                  # "Load reference..."
sleep 1
xdotool type --delay 20 "$work/before-trim.vec"
xdotool key Return
sleep 2
xdotool mousemove --window "$tuning" 470 250  # the crosshair, on the slope above the target
sleep 1

mkdir -p "$root/help/images" "$root/docs"
import -window "$tuning" "$root/help/images/tuning-window.png"
cp "$root/help/images/tuning-window.png" "$root/docs/tuning-window.png"

# Both windows side by side on a plain background: the main window shot where nothing covers it.
xdotool windowmove "$tuning" 800 0
xdotool windowmove "$main" 0 0
sleep 2
# The main window redraws its chart in place during every sweep: of a few shots, keep the one
# with the most drawn (the largest file), which is a chart with both curves complete.
for shot in 1 2 3 4 5 6; do
  import -window "$main" "$work/main-$shot.png"
  sleep 0.23
done
cp "$(ls -S "$work"/main-*.png | head -n 1)" "$work/main.png"
margin=16
main_size="$(identify -format '%wx%h' "$work/main.png")"
tuning_size="$(identify -format '%wx%h' "$root/help/images/tuning-window.png")"
width=$((margin * 3 + ${main_size%x*} + ${tuning_size%x*}))
height=$((margin * 2 + (${main_size#*x} > ${tuning_size#*x} ? ${main_size#*x} : ${tuning_size#*x})))
convert -size "${width}x${height}" xc:'#D9DEE5' \
  "$work/main.png" -geometry "+${margin}+${margin}" -composite \
  "$root/help/images/tuning-window.png" -geometry "+$((margin * 2 + ${main_size%x*}))+${margin}" \
  -composite "$root/help/images/both-windows.png"
cp "$root/help/images/both-windows.png" "$root/docs/screenshot.png"
echo "wrote help/images/tuning-window.png, help/images/both-windows.png and docs/"
