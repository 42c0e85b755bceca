#!/usr/bin/env bash
# Takes the manual's picture of the main window from the program itself: the simulated dipole
# swept from 13 to 15.5 MHz, both markers placed, under a virtual X server.
#   packaging/screenshot.sh BUILD_DIR [OUTPUT.png]   (default help/images/main-window.png)
# Needs xvfb-run, xdotool and ImageMagick's import. Clicks go to where the window lays its
# controls out (twips at 96 dpi, 15 to the pixel), so re-run it after the layout changes.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$(cd "${1:?usage: screenshot.sh BUILD_DIR [OUTPUT.png]}" && pwd)"
output="${2:-$root/help/images/main-window.png}"
case "$output" in /*) ;; *) output="$PWD/$output" ;; esac

if [[ -z "${RAVEMO_IN_XVFB:-}" ]]; then
  RAVEMO_IN_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" "$0" "$build" "$output"
fi

"$build/ravemo" --no-splash --port sim:dipole:14.2 --settings "$root/packaging/ravemo.ini" &
program=$!
trap 'kill "$program" 2>/dev/null || true' EXIT

window="$(timeout 30 xdotool search --sync --onlyvisible --name Ravemo | head -n 1)"
twips() { echo $((($1) / 15)); }
click() { # button x-twips y-twips, window coordinates
  xdotool mousemove --window "$window" "$(twips "$2")" "$(twips "$3")" click "$1"
  sleep 0.3
}
type_into() { # x-twips y-twips text
  click 1 "$1" "$2"
  xdotool key --window "$window" ctrl+a
  xdotool type --window "$window" --delay 30 "$3"
}

sleep 2
type_into $((630 + 105 + 400)) $((4620 + 315 + 140)) 13     # MHz (min)
type_into $((630 + 105 + 400)) $((4620 + 735 + 140)) 15.5   # MHz (max)
click 1 $((630 + 210 + 100)) $((6720 + 315 + 180))          # Single marker off
sleep 1.5                                                   # a few sweeps with the new limits
chart_left=945 chart_top=315 chart_width=8835
at_mhz() { echo $((chart_left + chart_width * ($1 - 13000) / 2500)); }
click 1 "$(at_mhz 14200)" $((chart_top + 2500))             # MK1 on the dip
click 3 "$(at_mhz 14560)" $((chart_top + 2500))             # MK2 up the slope
sleep 2                                                     # readouts follow at the next sweep

mkdir -p "$(dirname "$output")"
import -window "$window" "$output"
echo "wrote $output"
