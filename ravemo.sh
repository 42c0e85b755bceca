#!/usr/bin/env bash
# Sets Ravemo up on a Debian machine and starts it, or runs every test.
#   ./ravemo.sh [PROGRAM OPTIONS]   install what is missing, build, start the program
#   ./ravemo.sh test                install what is missing, build, run every test, check the
#                                   changed sources with clang-tidy, run the unit tests below
#                                   the widgets again under AddressSanitizer + UBSan, replay
#                                   every fuzz corpus and fuzz each parser for a few seconds
#   ./ravemo.sh package [FOLDER]    build, make the Debian package ravemo_VERSION_ARCH.deb in
#                                   FOLDER (default build-package/) and check it with lintian
#   ./ravemo.sh fuzz [SECONDS]      fuzz each parser SECONDS long (default 60), keeping what it
#                                   learns in build-sanitize/fuzz-corpus/
# All are idempotent: a second run only rebuilds what changed.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
build="$root/build"
# Built with clang: the unit tests under the sanitizers, and the libFuzzer targets of fuzz/.
sanitize_build="$root/build-sanitize"
# Configured, never built: one compile command per source for clang-tidy (the builds above
# compile their sources in batches).
tidy_build="$root/build-tidy"

fuzz_targets=(settings vec_file touchstone load_model number_text cli_arguments calibration_file
  proc_modules watch_request)
fuzz_seconds_in_test=5
fuzz_seconds_default=60
tidy_most_sources=16

packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libgl1-mesa-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth x11-utils imagemagick fonts-dejavu-core fonts-liberation2 desktop-file-utils
  clang libclang-rt-14-dev clang-tidy
  poppler-utils
  dpkg-dev lintian appstream file groff-base
  qt6-multimedia-dev qt6-speech-dev qt6-speech-flite-plugin qt6-declarative-dev
  pulseaudio pulseaudio-utils python3-numpy
  python3-pyatspi at-spi2-core dbus
  qt6-httpserver-dev qt6-websockets-dev libqrencode-dev
  libzbar-dev chromium python3
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

# The C++ sources clang-tidy checks: on a branch, those changed since its merge base with main;
# on main itself (or where there is no main), those the last commit (a merge: the whole work it
# brought) changed; every source with RAVEMO_TIDY_ALL=1; none outside a git clone. A changed
# header brings the source of the same name, else one source that includes it (the header
# filter then checks the header).
tidy_sources() {
  local folders=(common instrument sweep analysis aural plot files startup ui cli watch tests bench)
  if [[ "${RAVEMO_TIDY_ALL:-0}" == 1 ]]; then
    (cd "$root" && find "${folders[@]}" -name '*.cpp' | sort)
    return
  fi
  local head base
  head="$(git -C "$root" rev-parse -q --verify HEAD 2>/dev/null)" || return 0
  base="$(git -C "$root" merge-base HEAD main 2>/dev/null || echo "$head")"
  if [[ "$base" == "$head" ]]; then
    base="$(git -C "$root" rev-parse -q --verify HEAD^1 || echo "$head")"
  fi
  local changed
  changed="$(git -C "$root" diff --name-only --diff-filter=d "$base" -- "${folders[@]}")"
  {
    grep -E '\.cpp$' <<<"$changed" || true
    grep -E '\.h$' <<<"$changed" | while read -r header; do
      if [[ -f "$root/${header%.h}.cpp" ]]; then
        echo "${header%.h}.cpp"
      else
        git -C "$root" grep -l -F "#include \"$header\"" -- '*.cpp' | head -n 1 || true
      fi
    done
  } | sort -u
}

# clang-tidy with the committed .clang-tidy, every finding an error.
run_clang_tidy() {
  local sources=()
  mapfile -t sources < <(tidy_sources)
  if ((${#sources[@]} == 0)); then
    echo "ravemo.sh: clang-tidy: no changed C++ source to check" >&2
    return
  fi
  # A source takes clang-tidy 5 to 20 s: a large merge is checked in part, the product's
  # sources before the tests', so the run stays in CI's time; RAVEMO_TIDY_ALL=1 checks all.
  if [[ "${RAVEMO_TIDY_ALL:-0}" != 1 ]] && ((${#sources[@]} > tidy_most_sources)); then
    mapfile -t sources < <(printf '%s\n' "${sources[@]}" | grep -v '^tests/'
      printf '%s\n' "${sources[@]}" | grep '^tests/')
    echo "ravemo.sh: clang-tidy: ${#sources[@]} changed sources, checking the first" \
      "$tidy_most_sources (RAVEMO_TIDY_ALL=1 checks every source)" >&2
    sources=("${sources[@]:0:tidy_most_sources}")
  fi
  echo "ravemo.sh: clang-tidy over ${#sources[@]} sources" >&2
  cmake -S "$root" -B "$tidy_build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DRAVEMO_UNITY_BUILD=OFF >/dev/null
  (cd "$root" && printf '%s\n' "${sources[@]}" |
    xargs -P 2 -n 4 clang-tidy -p "$tidy_build" --quiet --warnings-as-errors='*')
}

# Runs one step of the test run and says how long it took: the whole run must stay well
# inside CI's time on a 2-core machine.
timed() {
  local name="$1" start=$SECONDS
  shift
  "$@"
  echo "ravemo.sh: $name took $((SECONDS - start)) s" >&2
}

run_tests() {
  (cd "$build" && ctest --output-on-failure --timeout 600)
}

# Under the sanitizers: the suites below the widgets (engine, files, parsers, painters: where
# input is parsed and memory indexed), not the widget suites, whose build would double the time.
run_sanitized_tests() {
  (cd "$sanitize_build" &&
    ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
      ctest --output-on-failure --timeout 900 -L unit -LE widgets)
}

build_sanitized() {
  if [[ ! -f "$sanitize_build/build.ninja" ]]; then
    cmake -S "$root" -B "$sanitize_build" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
      -DCMAKE_CXX_COMPILER=clang++ -DRAVEMO_FUZZ=ON -DRAVEMO_BUILD_BENCH=OFF
  fi
  cmake --build "$sanitize_build" --target ravemo_tests_below_widgets ravemo_fuzz
}

# Runs every fuzz target for $1 seconds after replaying its committed corpus and the inputs in
# $2/<target> (created when missing; new inputs go there). A crash or a broken property stops
# the script with the input kept as build-sanitize/fuzz/<target>-crash-...
run_fuzz_targets() {
  local seconds="$1" corpora="$2"
  for target in "${fuzz_targets[@]}"; do
    mkdir -p "$corpora/$target"
    echo "ravemo.sh: fuzzing $target for $seconds s" >&2
    local log="$sanitize_build/fuzz/$target.log"
    if ! UBSAN_OPTIONS=print_stacktrace=1 "$sanitize_build/fuzz/fuzz_$target" \
      -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
      -artifact_prefix="$sanitize_build/fuzz/$target-" \
      "$corpora/$target" "$root/fuzz/corpus/$target" >"$log" 2>&1; then
      tail -n 40 "$log" >&2
      echo "ravemo.sh: fuzz target $target failed; the input is beside $log" >&2
      return 1
    fi
    grep -E '^stat::number_of_executed_units' "$log" | sed "s/^/  $target: /" >&2
  done
}

# The Debian package of the build in $1, checked by lintian: an error fails, warnings are shown.
# Prints the package's path last.
build_package() {
  local folder="$1"
  mkdir -p "$folder"
  rm -f "$folder"/ravemo_*.deb
  (cd "$build" && cpack -G DEB -B "$folder" >"$folder/cpack.log" 2>&1) || {
    cat "$folder/cpack.log" >&2
    echo "ravemo.sh: cpack failed" >&2
    return 1
  }
  local deb
  deb="$(ls "$folder"/ravemo_*.deb)"
  if ! lintian --fail-on error "$deb" >&2; then
    echo "ravemo.sh: lintian found errors in $deb" >&2
    return 1
  fi
  echo "$deb"
}

# Installs the package into this machine, runs it, removes it (root only; else skipped).
run_package_test() {
  local deb status=0
  deb="$(build_package "$build/package-test")"
  "$root/tests/packaging/deb_test.sh" "$deb" || status=$?
  if ((status == 77)); then
    echo "ravemo.sh: the package test was skipped (see above)" >&2
  elif ((status != 0)); then
    return "$status"
  fi
}

install_missing_packages

case "${1:-}" in
  test)
    timed build configure_and_build "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
    timed tests run_tests
    timed "package test" run_package_test
    timed clang-tidy run_clang_tidy
    timed "sanitizer build" build_sanitized
    timed "sanitizer tests" run_sanitized_tests
    fuzz_work="$(mktemp -d)"
    trap 'rm -rf "$fuzz_work"' EXIT
    timed fuzzing run_fuzz_targets "$fuzz_seconds_in_test" "$fuzz_work"
    ;;
  package)
    configure_and_build "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
    deb="$(build_package "$(realpath -m "${2:-$root/build-package}")")"
    echo "ravemo.sh: built $deb" >&2
    ;;
  fuzz)
    seconds="${2:-$fuzz_seconds_default}"
    if ! [[ "$seconds" =~ ^[1-9][0-9]*$ ]]; then
      echo "ravemo.sh: fuzz takes a whole number of seconds per target, not '$seconds'" >&2
      exit 2
    fi
    build_sanitized
    run_fuzz_targets "$seconds" "$sanitize_build/fuzz-corpus"
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
