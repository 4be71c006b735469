#!/usr/bin/env bash
# Remakes the test suite's photo set (tests/photos) from two Debian wallpaper packages: downloads them
# with apt (nothing is installed), takes the largest centred 4:3 part of each photo and scales it to
# 1200x900, JPEG quality 82. The set is kept in the repository; this script says where each photo came
# from and lets anyone check or redo it. Licences: tests/photos/README.md.
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-tests/photos}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$work" && apt-get download -q mate-backgrounds plasma-workspace-wallpapers >/dev/null)
for deb in "$work"/*.deb; do dpkg -x "$deb" "$work/root"; done
mate=$work/root/usr/share/backgrounds/mate/nature
plasma=$work/root/usr/share/wallpapers
# name in the set, source file
photos=(
  "boats-at-dusk $plasma/EveningGlow/contents/images/1600x1200.jpg"
  "cups $plasma/ColorfulCups/contents/images/2560x1600.jpg"
  "dandelion-seeds $mate/TwoWings.jpg"
  "dry-grass-sea $mate/Dune.jpg"
  "fallen-leaf $plasma/FallenLeaf/contents/images/1600x1200.jpg"
  "forest-path $plasma/Path/contents/images/1600x1200.jpg"
  "grass-blades $mate/GreenMeadow.jpg"
  "kite-in-the-sky $plasma/Kite/contents/images/1600x1200.jpg"
  "lady-bird $mate/LadyBird.jpg"
  "lake-at-dusk $plasma/summer_1am/contents/images/1600x1200.jpg"
  "leaf-veins $mate/Blinds.jpg"
  "marigold $mate/Garden.jpg"
  "misty-lake $plasma/DarkestHour/contents/images/1600x1200.jpg"
  "moss $plasma/OneStandsOut/contents/images/1600x1200.jpg"
  "orange-flower $mate/FreshFlower.jpg"
  "pier-in-fog $plasma/ColdRipple/contents/images/1600x1200.jpg"
  "raindrops-on-leaves $mate/RainDrops.jpg"
  "storm-over-fields $mate/Storm.jpg"
  "wall-of-a-building $plasma/Grey/contents/images/1600x1200.jpg"
  "water-drop $mate/Aqua.jpg"
  "wooden-boards $mate/Wood.jpg"
  "wooden-jetty $plasma/BytheWater/contents/images/1600x1200.jpg"
  "yellow-flower $mate/YellowFlower.jpg"
)
mkdir -p "$out"
for row in "${photos[@]}"; do
  read -r name source <<<"$row"
  read -r w h <<<"$(identify -format '%w %h' "$source")"
  cw=$((w * 3 < h * 4 ? w : h * 4 / 3))
  ch=$((cw * 3 / 4))
  convert "$source" -gravity center -crop "${cw}x${ch}+0+0" +repage -resize '1200x900!' -strip \
    -quality 82 "$out/$name.jpg"
done
echo "wrote ${#photos[@]} photos to $out"
