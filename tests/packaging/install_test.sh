#!/usr/bin/env bash
# Installs the built project into a temporary prefix and checks that the tree holds what a user
# and the desktop need: both programs, the manual with every page and picture it links to, the
# desktop entry, the icons and the sample settings; then runs the installed ravemo-cli from there.
# Also checks that the build tree has the manual and the settings beside the program.
#   install_test.sh BUILD_DIR SOURCE_DIR VERSION
set -euo pipefail

build_dir="$1"
source_dir="$2"
version="$3"

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
prefix="$work/prefix"

if ! cmake --install "$build_dir" --prefix "$prefix" >"$work/install.log" 2>&1; then
  cat "$work/install.log" >&2
  echo "FAIL: cmake --install into $prefix failed" >&2
  exit 1
fi

for program in ravemo ravemo-cli; do
  [[ -f "$prefix/bin/$program" && -x "$prefix/bin/$program" ]] ||
    fail "bin/$program is missing or not executable"
done

help="$prefix/share/ravemo/help"
[[ -s "$help/index.html" ]] || fail "share/ravemo/help/index.html is missing or empty"
diff -r "$source_dir/help" "$help" >/dev/null || fail "the installed manual differs from help/"

# Every relative link and picture of every page must resolve inside the installed manual.
check_links() {
  local root="$1" page target file
  for page in "$root"/*.html; do
    [[ -e "$page" ]] || continue
    while IFS= read -r target; do
      target="${target%%#*}"
      [[ -z "$target" ]] && continue
      case "$target" in
        http:* | https:* | mailto:* | file:*) continue ;;
      esac
      file="$(dirname "$page")/$target"
      [[ -e "$file" ]] || fail "$(basename "$page") links to '$target', which is not installed"
    done < <(grep -oE '(href|src)="[^"]*"' "$page" | sed -E 's/^(href|src)="(.*)"$/\2/')
    grep -qiE '<script|@import|@font-face' "$page" &&
      fail "$(basename "$page") uses scripts or external fonts, which the help viewer cannot show"
  done
  return 0
}
check_links "$help"

desktop="$prefix/share/applications/ravemo.desktop"
if [[ -f "$desktop" ]]; then
  for line in "Name=Ravemo" "Exec=ravemo" "Icon=ravemo" "Terminal=false" "Type=Application"; do
    grep -qx "$line" "$desktop" || fail "ravemo.desktop lacks the line '$line'"
  done
  if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$desktop" || fail "ravemo.desktop does not pass desktop-file-validate"
  else
    echo "note: desktop-file-validate not found, desktop entry checked by its keys only"
  fi
else
  fail "share/applications/ravemo.desktop is missing"
fi

# A PNG's width and height are the big-endian words at bytes 16 and 20.
png_size() {
  od -An -tu1 -j16 -N8 "$1" |
    awk '{ printf "%dx%d", $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8 }'
}
icon_png="$prefix/share/icons/hicolor/32x32/apps/ravemo.png"
icon_svg="$prefix/share/icons/hicolor/scalable/apps/ravemo.svg"
if [[ -f "$icon_png" ]]; then
  [[ "$(head -c 8 "$icon_png" | od -An -tx1 | tr -d ' \n')" == "89504e470d0a1a0a" ]] ||
    fail "hicolor/32x32/apps/ravemo.png is not a PNG file"
  [[ "$(png_size "$icon_png")" == "32x32" ]] ||
    fail "hicolor/32x32/apps/ravemo.png is $(png_size "$icon_png"), not 32x32"
else
  fail "share/icons/hicolor/32x32/apps/ravemo.png is missing"
fi
if [[ -f "$icon_svg" ]]; then
  grep -q "<svg" "$icon_svg" || fail "hicolor/scalable/apps/ravemo.svg is not an SVG file"
else
  fail "share/icons/hicolor/scalable/apps/ravemo.svg is missing"
fi

# The sample settings name every key once, in its section.
ini="$prefix/share/ravemo/ravemo.ini"
check_key() {
  local section="$1" key="$2" count
  count="$(awk -v want_section="$section" -v want_key="$key" '
    /^[[:space:]]*;/ { next }
    /^[[:space:]]*\[/ { gsub(/[][[:space:]]/, ""); section = $0; next }
    section == want_section && index($0, "=") {
      name = substr($0, 1, index($0, "=") - 1); gsub(/[[:space:]]/, "", name)
      if (name == want_key) found++
    }
    END { print found + 0 }' "$ini")"
  [[ "$count" == 1 ]] || fail "ravemo.ini names [$section] $key $count times, not once"
}
if [[ -f "$ini" ]]; then
  for key in FMax FMin Champ Step InputVelFactor; do check_key PARAMETERS "$key"; done
  for n in 1 2 3 4 5 6; do check_key GRAF_PROP "colorS$n"; done
  for key in Address1 Address2 Port; do check_key PORTSETTING "$key"; done
else
  fail "share/ravemo/ravemo.ini is missing"
fi

# The installed command-line tool runs from the prefix, away from the build tree.
if [[ -x "$prefix/bin/ravemo-cli" ]]; then
  if output="$(cd "$prefix" && "$prefix/bin/ravemo-cli" --version 2>&1)"; then
    [[ "$output" == *"$version"* ]] ||
      fail "installed ravemo-cli --version printed '$output', without the version $version"
  else
    fail "installed ravemo-cli --version failed: $output"
  fi
fi

# The build tree runs like an installed one: manual and settings beside the program.
[[ -s "$build_dir/help/index.html" ]] || fail "the build tree has no help/index.html beside ravemo"
[[ -f "$build_dir/ravemo.ini" ]] || fail "the build tree has no ravemo.ini beside ravemo"

# The manual pages: made from the --help texts, every line of which (the main text and each
# listed command's) must read the same in the rendered page.
render_page() {
  zcat "$1" | groff -man -Tutf8 -P-cbou 2>&1 | sed -E 's/^[[:space:]]+//; s/[[:space:]]+$//'
}
check_page_has_help() { # page program [words...]
  local page="$1" rendered line
  shift
  rendered="$(render_page "$page")"
  while IFS= read -r line; do
    line="$(sed -E 's/^[[:space:]]+//; s/[[:space:]]+$//' <<<"$line")"
    [[ -z "$line" ]] && continue
    grep -qxF -- "$line" <<<"$rendered" ||
      fail "$(basename "$page") lacks the line '$line' of '$* --help'"
  done < <(QT_QPA_PLATFORM=offscreen "$@" --help)
}
if command -v groff >/dev/null; then
  for program in ravemo ravemo-cli; do
    page="$prefix/share/man/man1/$program.1.gz"
    if [[ ! -f "$page" ]]; then
      fail "share/man/man1/$program.1.gz is missing"
      continue
    fi
    gzip -t "$page" || fail "$program.1.gz is not a whole gzip file"
    [[ "$(od -An -tu1 -j4 -N4 "$page" | tr -d ' ')" == 0000 ]] ||
      fail "$program.1.gz carries a time stamp (gzip -n leaves none)"
    check_page_has_help "$page" "$prefix/bin/$program"
  done
  commands="$("$prefix/bin/ravemo-cli" --help | sed -n '/^Commands:/,/^$/ s/^  \([a-z][a-z0-9-]*\) .*/\1/p')"
  [[ "$commands" == *doctor* ]] || fail "ravemo-cli --help lists no doctor command"
  for command in $commands; do
    check_page_has_help "$prefix/share/man/man1/ravemo-cli.1.gz" "$prefix/bin/ravemo-cli" "$command"
  done
  # The page maker on roff's own characters (backslashes, minus signs, a line opening with a
  # dot or a quote): they must read as printed, not act as roff requests.
  fake="$work/fake"
  printf '%s\n' 'Usage: fake [--a-b] C:\dir\fBfile' "'quoted at the start" '.SH DOT' '' \
    'Commands:' '  sub   a command' >"$work/main.txt"
  printf '%s\n' '\fBnot bold\fR -- and \e' '.TH OVER' "'br" >"$work/sub.txt"
  printf '#!/bin/sh\nif [ "$1" = --help ]; then cat "%s"; else cat "%s"; fi\n' \
    "$work/main.txt" "$work/sub.txt" >"$fake"
  chmod +x "$fake"
  if cmake -DPROGRAM="$fake" -DNAME=fake -DSUMMARY=test -DVERSION=0 -DOUTPUT="$work/fake.1.gz" \
    -P "$source_dir/packaging/ManPage.cmake" >"$work/fake.log" 2>&1; then
    check_page_has_help "$work/fake.1.gz" "$fake"
    check_page_has_help "$work/fake.1.gz" "$fake" sub
  else
    fail "ManPage.cmake failed on a made-up program: $(cat "$work/fake.log")"
  fi
else
  fail "groff is not installed: the manual pages cannot be checked"
fi

# Bash completion: the commands after the program's name, a command's options after it.
completion="$prefix/share/bash-completion/completions/ravemo-cli"
if [[ -f "$completion" ]]; then
  complete_words() { # word... (the last one is being completed)
    bash -c 'source "$1"; shift; COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); _ravemo_cli
             printf "%s\n" "${COMPREPLY[@]}"' _ "$completion" "$prefix/bin/ravemo-cli" "$@"
  }
  [[ "$(complete_words "" | sort | tr '\n' ' ')" == "$(sort <<<"$commands" | tr '\n' ' ')" ]] ||
    fail "completion after ravemo-cli does not offer exactly the commands of --help"
  [[ "$(complete_words --settings x.ini d)" == doctor ]] ||
    fail "completion of 'd' after --settings FILE does not give doctor"
  [[ "$(complete_words sweep --fr)" == --from ]] || fail "completion of 'sweep --fr' is not --from"
else
  fail "share/bash-completion/completions/ravemo-cli is missing"
fi

# Software-centre metadata.
metainfo="$prefix/share/metainfo/org.ravemo.Ravemo.metainfo.xml"
if [[ ! -f "$metainfo" ]]; then
  fail "share/metainfo/org.ravemo.Ravemo.metainfo.xml is missing"
elif command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$metainfo" >"$work/appstream.log" 2>&1 ||
    fail "the AppStream metadata does not validate: $(cat "$work/appstream.log")"
fi

if ((failures > 0)); then
  echo "install tree: $failures problem(s)" >&2
  exit 1
fi
echo "install tree: all checks passed"
