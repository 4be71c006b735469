#!/usr/bin/env bash
# Reads the English tour's screenshots with tesseract (Debian: tesseract-ocr, tesseract-ocr-eng) and prints,
# screen by screen, which of the words expected on it were found.
#   scripts/ocr-check.sh [DIR] [--min N]
# DIR holds the tour's shots as NAME.png or NAME.bmp (default docs/screens/en). Each picture is read six
# times, enlarged three times (read_words below), and a word found by any reading counts. With --min N the exit status is 1 when fewer than N per cent of all
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
# One thread each: tesseract's and ImageMagick's OpenMP threads spin on these small pictures, which doubles the
# CPU time and slows every other test running beside this one.
export OMP_THREAD_LIMIT=1 MAGICK_THREAD_LIMIT=1
command -v tesseract >/dev/null || { echo "ocr-check: tesseract is not installed" >&2; exit 2; }
command -v convert >/dev/null || { echo "ocr-check: convert (imagemagick) is not installed" >&2; exit 2; }

# screen: the words on it, from its pictures and from the game's English texts
declare -A expected=(
  [logo]="QAN TEAM Makers fun games"
  [title]="Spot Difference One Player Two Players Continue Story Quit Choose Pack ver"
  [intro]="What different Moon Hello there Star Nice meet"
  [packs]="Choose Pack Rating Info More Packs File Name Made QAN TEAM Theme Park Ten pictures Difficulty Back"
  [stage]="Find five differences STAGE No GAME OVER left"
  [play]="Find five differences GAME OVER left"
  [pause]="QAN TEAM Makers PAUSE"
  [found]="Find five differences GAME OVER left"
  [bonus]="Find five differences GAME OVER left"
  [ranking]="Hall Fame Rank Stage Name Alice QAN TEAM Type your name Enter"
  [ending]="Thanks playing end QAN TEAM"
)
order="logo title intro packs stage play pause found bonus ranking ending"

# Every reading of one picture: as it is and inverted, page layout; then black on white at four grey levels,
# as scattered words (lettering on coloured buttons reads best one level at a time).
read_words() {
  convert "$1" -resize 300% "$work/plain.png"
  convert "$1" -resize 300% -negate "$work/negated.png"
  tesseract "$work/plain.png" - -l eng 2>/dev/null
  tesseract "$work/negated.png" - -l eng 2>/dev/null
  for level in 40 55 70 85; do
    convert "$1" -resize 300% -colorspace Gray -threshold "$level%" "$work/level.png"
    tesseract "$work/level.png" - -l eng --psm 11 2>/dev/null
  done | tr -c 'A-Za-z0-9\n' ' '
}

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
  text=$(read_words "$shot")
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
