# bash completion for fretwise-chord: its options (read from its own --help, so they never drift),
# note names where notes go, chord symbols after --chord and on a --sheet line, and files after
# the image, sheet and song options.

_fretwise_chord_notes() {
  local letter accidental octave
  for letter in C D E F G A B; do
    for accidental in "" "#" "b"; do
      for octave in 2 3 4 5; do
        printf '%s\n' "$letter$accidental$octave"
      done
    done
  done
}

_fretwise_chord_symbols() {
  local root quality
  for root in C C# Db D Eb E F F# Gb G Ab A Bb B; do
    for quality in "" m 7 m7 maj7 sus4 dim aug 9; do printf '%s\n' "$root$quality"; done
  done
}

_fretwise_chord() {
  local cur prev
  cur=${COMP_WORDS[COMP_CWORD]}
  prev=${COMP_WORDS[COMP_CWORD - 1]}

  case $prev in
    --png)
      compopt -o filenames 2>/dev/null
      COMPREPLY=($(compgen -f -X '!*.png' -- "$cur") $(compgen -d -- "$cur"))
      return ;;
    --svg)
      compopt -o filenames 2>/dev/null
      COMPREPLY=($(compgen -f -X '!*.svg' -- "$cur") $(compgen -d -- "$cur"))
      return ;;
    --pdf)
      compopt -o filenames 2>/dev/null
      COMPREPLY=($(compgen -f -X '!*.pdf' -- "$cur") $(compgen -d -- "$cur"))
      return ;;
    --sheet)
      compopt -o filenames 2>/dev/null
      COMPREPLY=($(compgen -f -X '!*.@(pdf|svg|png)' -- "$cur") $(compgen -d -- "$cur"))
      return ;;
    --song)
      compopt -o filenames 2>/dev/null
      COMPREPLY=($(compgen -f -X '!*.@(cho|crd|chopro|chordpro|pro)' -- "$cur")
                 $(compgen -d -- "$cur"))
      return ;;
    --page)
      COMPREPLY=($(compgen -W 'a4 letter' -- "$cur"))
      return ;;
    --tuning)
      local presets='standard drop-d dadgad open-g open-d seven-string bass bass5 ukulele'
      COMPREPLY=($(compgen -W "$presets baritone-ukulele mandolin" -- "$cur"))
      return ;;
    --chord)
      COMPREPLY=($(compgen -W "$(_fretwise_chord_symbols)" -- "$cur"))
      return ;;
    --max | --candidate | --span | --slots | --title | --strum | --frets | --capo | --position)
      return ;;
  esac

  if [[ $cur == -* ]]; then
    local options
    options=$("${COMP_WORDS[0]}" --help 2>/dev/null | grep -o -- '--[a-z][a-z-]*' | sort -u)
    COMPREPLY=($(compgen -W "$options" -- "$cur"))
    return
  fi
  # A sheet's arguments are chord symbols; otherwise notes: the window's search's own, and those
  # of --voicings and --name.
  if [[ " ${COMP_WORDS[*]} " == *" --sheet "* ]]; then
    COMPREPLY=($(compgen -W "$(_fretwise_chord_symbols)" -- "$cur"))
    return
  fi
  COMPREPLY=($(compgen -W "$(_fretwise_chord_notes)" -- "$cur"))
}

complete -F _fretwise_chord fretwise-chord
