#!/usr/bin/env bash
# Sets Ravemo up on a Debian machine and starts it, or runs every test.
#   ./ravemo.sh [PROGRAM OPTIONS]   install what is missing, build, start the program
#   ./ravemo.sh test                install what is missing, build, run every test, then the
#                                   unit tests again under AddressSanitizer + UBSan
# Both are idempotent: a second run only rebuilds what changed.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
build="$root/build"
asan_build="$root/build-asan"

packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libgl1-mesa-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth x11-utils imagemagick fonts-dejavu-core fonts-liberation2 desktop-file-utils
)

install_missing_packages() {
  local missing=()
  for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
      missing+=("$package")
    fi
  done
  if ((${#missing[@]} == 0)); then
    return
  fi
  echo "ravemo.sh: installing ${missing[*]}" >&2
  local sudo=()
  if [[ $(id -u) -ne 0 ]]; then
    sudo=(sudo)
  fi
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
    "${missing[@]}"
}

configure_and_build() {
  local dir="$1"
  shift
  if [[ ! -f "$dir/build.ninja" ]]; then
    cmake -S "$root" -B "$dir" -G Ninja "$@"
  fi
  cmake --build "$dir"
}

install_missing_packages

case "${1:-}" in
  test)
    configure_and_build "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
    (cd "$build" && ctest --output-on-failure --timeout 600)
    configure_and_build "$asan_build" -DCMAKE_BUILD_TYPE=Debug -DRAVEMO_SANITIZE=ON \
      -DRAVEMO_BUILD_BENCH=OFF
    (cd "$asan_build" &&
      ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
        ctest --output-on-failure --timeout 900 -L unit)
    ;;
  *)
    configure_and_build "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
    if [[ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}${QT_QPA_PLATFORM:-}" &&
      " $* " != *" --help "* && " $* " != *" --version "* ]]; then
      echo "ravemo.sh: built $build/ravemo, but there is no display to open its window on." >&2
      echo "Start it from a desktop session, or under a virtual one: xvfb-run ./ravemo.sh" >&2
      echo "The command-line tool needs no display: $build/ravemo-cli --help" >&2
      exit 1
    fi
    exec "$build/ravemo" "$@"
    ;;
esac
