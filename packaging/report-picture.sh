#!/usr/bin/env bash
# Makes the manual's picture of a report page with ravemo-cli itself: a simulated 40 m dipole
# resonant at 7.16 MHz, swept from 6.7 to 7.7 MHz, with the trim advice for 7.1 MHz.
#   packaging/report-picture.sh BUILD_DIR
# Writes help/images/report.png (the page image scaled to 800 pixels wide). Needs ImageMagick.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$(cd "${1:?usage: report-picture.sh BUILD_DIR}" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

settings="$root/packaging/ravemo.ini"
cd "$work"
"$build/ravemo-cli" --settings "$settings" sweep --from 6.7 --to 7.7 \
  --port sim:dipole:7.16 --output dipole.vec >/dev/null
LC_ALL=C.UTF-8 "$build/ravemo-cli" --settings "$settings" report dipole.vec \
  --output report.png --title "40 m dipole, before the last trim" --target-mhz 7.1
mkdir -p "$root/help/images"
convert report.png -resize 800x -strip "$root/help/images/report.png"
