#!/usr/bin/env bash
# Draws the two tray and program icons: a screen with a shuffle sign, bright
# while the system screen saver is enabled, grey while it is disabled.
# Needs ImageMagick; the .ico files are committed, so the build does not.
set -euo pipefail
cd "$(dirname "$0")"

draw() {   # name screen-colour sign-colour
  local name=$1 screen=$2 sign=$3
  convert -size 32x32 xc:none \
    -fill '#303030' -draw 'roundrectangle 1,3 30,24 3,3' \
    -fill "$screen" -draw 'rectangle 4,6 27,21' \
    -fill '#303030' -draw 'rectangle 13,25 18,27' -draw 'rectangle 8,28 23,29' \
    -stroke "$sign" -strokewidth 2 -fill none \
    -draw 'line 7,9 12,9' -draw 'line 12,9 19,18' -draw 'line 19,18 23,18' \
    -draw 'line 7,18 12,18' -draw 'line 12,18 19,9' -draw 'line 19,9 23,9' \
    -stroke none -fill "$sign" \
    -draw 'polygon 22,6 26,9 22,12' -draw 'polygon 22,15 26,18 22,21' \
    "$name-32.png"
  # The small-icon sizes of 96, 120 and 144 DPI; 32 serves 192 DPI.
  for size in 16 20 24; do convert "$name-32.png" -resize ${size}x${size} "$name-$size.png"; done
  convert "$name-16.png" "$name-20.png" "$name-24.png" "$name-32.png" "$name.ico"
  rm "$name"-*.png
}

draw enabled '#2a6fd6' '#ffffff'
draw disabled '#8c8c8c' '#d0d0d0'
