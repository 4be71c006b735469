#!/usr/bin/env bash
# Reads the English tour's screenshots with tesseract (Debian: tesseract-ocr, tesseract-ocr-eng) and prints,
# screen by screen, which of the words expected on it were found.
#   scripts/ocr-check.sh [DIR] [--min N]
# DIR holds the tour's shots as NAME.png or NAME.bmp (default docs/screens/en). Each picture is read twice,
# enlarged three times, once as it is and once with its colours inverted (light words on dark ground), and
# the words of both readings count. With --min N the exit status is 1 when fewer than N per cent of all
# expected words were found; without it the check only prints.
set -euo pipefail

dir=docs/screens/en
min=""
while [ $# -gt 0 ]; do
  case "$1" in
    --min) min="$2"; shift 2 ;;
    *) dir="$1"; shift ;;
  esac
done
command -v tesseract >/dev/null || { echo "ocr-check: tesseract is not installed" >&2; exit 2; }
command -v convert >/dev/null || { echo "ocr-check: convert (imagemagick) is not installed" >&2; exit 2; }

# screen: the words on it, from its pictures and from the game's English texts
declare -A expected=(
  [logo]="QAN TEAM"
  [title]="Spot Difference One Player Two Players Continue Story Quit Choose Pack"
  [intro]="Moon Hello there Star Nice meet"
  [packs]="Choose Pack Info More Packs File Name Made QAN TEAM Theme Park Ten pictures Difficulty"
  [stage]="STAGE"
  [play]="Time"
  [pause]="PAUSE"
  [found]="Time"
  [bonus]="Time"
  [ranking]="Hall Fame Rank Stage Name Alice QAN TEAM Type your name Enter"
  [ending]="Thanks playing QAN TEAM"
)
order="logo title intro packs stage play pause found bonus ranking ending"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
total=0
hits=0
for screen in $order; do
  shot=""
  for ext in png bmp; do [ -f "$dir/$screen.$ext" ] && shot="$dir/$screen.$ext" && break; done
  words=${expected[$screen]}
  count=$(wc -w <<<"$words")
  total=$((total + count))
  if [ -z "$shot" ]; then
    printf '%-8s missing picture: 0/%d\n' "$screen" "$count"
    continue
  fi
  convert "$shot" -resize 300% "$work/plain.png"
  convert "$shot" -resize 300% -negate "$work/negated.png"
  text=$( (tesseract "$work/plain.png" - -l eng 2>/dev/null; tesseract "$work/negated.png" - -l eng 2>/dev/null) |
    tr -c 'A-Za-z0-9\n' ' ')
  found=()
  lost=()
  for w in $words; do
    if grep -qiw -- "$w" <<<"$text"; then found+=("$w"); else lost+=("$w"); fi
  done
  hits=$((hits + ${#found[@]}))
  printf '%-8s %d/%d found: %s' "$screen" "${#found[@]}" "$count" "${found[*]:-}"
  [ ${#lost[@]} -gt 0 ] && printf '; not found: %s' "${lost[*]}"
  printf '\n'
done
percent=$((100 * hits / total))
printf 'all      %d/%d words found (%d%%)\n' "$hits" "$total" "$percent"
if [ -n "$min" ] && [ "$percent" -lt "$min" ]; then
  echo "ocr-check: fewer than $min% of the expected words were read" >&2
  exit 1
fi
