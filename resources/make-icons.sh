#!/bin/sh
# Regenerates the programs' 16-colour icons (32x32 and 16x16) with ImageMagick.
set -e
cd "$(dirname "$0")"
make_icon() {  # <letter> <card colour> <output>
  tmp=$(mktemp -d)
  convert -size 32x32 xc:'#008000' -fill white -stroke black -draw 'roundrectangle 6,3 25,28 3,3' \
    -fill "$2" -stroke none -font DejaVu-Sans-Bold -pointsize 14 -draw "text 9,21 '$1'" -colors 16 "$tmp/32.png"
  convert "$tmp/32.png" -resize 16x16 -colors 16 "$tmp/16.png"
  convert "$tmp/32.png" "$tmp/16.png" -colors 16 "$3"
  rm -rf "$tmp"
}
make_icon N red nuvari/res/Nuvari.ico
make_icon K black nuvarikit/res/NuvariKit.ico
