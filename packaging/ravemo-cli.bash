# bash completion for ravemo-cli. The commands and each command's options are read from the
# program's own --help texts when completing, so a new command or option completes without a
# change here.

_ravemo_cli() {
  local program="${COMP_WORDS[0]}" current="${COMP_WORDS[COMP_CWORD]}"
  local previous="" command="" i
  ((COMP_CWORD > 0)) && previous="${COMP_WORDS[COMP_CWORD - 1]}"
  # The command is the first word that is neither --settings nor its value.
  for ((i = 1; i < COMP_CWORD; i++)); do
    case "${COMP_WORDS[i]}" in
      --settings) ((i++)) ;;
      --settings=* | -*) ;;
      *)
        command="${COMP_WORDS[i]}"
        break
        ;;
    esac
  done
  COMPREPLY=()
  if [[ "$current" == -* ]]; then
    local options
    if [[ -n "$command" ]]; then
      options="$("$program" "$command" --help 2>/dev/null | grep -oE -- '--[a-z][a-z0-9-]*' |
        sort -u)"
    else
      options="--settings --help --version"
    fi
    mapfile -t COMPREPLY < <(compgen -W "$options" -- "$current")
  elif [[ -z "$command" && "$previous" != --settings ]]; then
    local commands
    commands="$("$program" --help 2>/dev/null |
      sed -n '/^Commands:/,/^$/ s/^  \([a-z][a-z0-9-]*\) .*/\1/p')"
    mapfile -t COMPREPLY < <(compgen -W "$commands" -- "$current")
  else
    # Sweep files, settings files, outputs: the file names.
    compopt -o filenames 2>/dev/null
    mapfile -t COMPREPLY < <(compgen -f -- "$current")
  fi
}
complete -F _ravemo_cli ravemo-cli
