#!/bin/sh
# Regenerates Nuvari's toolbar bitmap: four 16x15 images side by side (settings, exit, version,
# context help), 16 colours, on the light grey that the toolbar turns into the button face.
set -e
cd "$(dirname "$0")"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# image <name> <15 rows of 16 pixels>
image() {
  name=$1; shift
  {
    echo '/* XPM */'
    echo 'static char *image[] = {'
    echo '"16 15 9 1",'
    echo '". c #C0C0C0", "k c #000000", "w c #FFFFFF", "g c #808080", "b c #000080",'
    echo '"r c #800000", "y c #FFFF00", "G c #008000", "c c #008080",'
    for row in "$@"; do echo "\"$row\","; done
    echo '};'
  } > "$tmp/$name.xpm"
}

image 1-settings \
  "......kkkk......" \
  "..kk..kggk..kk.." \
  "..kgkkkggkkkgk.." \
  "...kggggggggk..." \
  "...kgggkkgggk..." \
  ".kkkggk..kggkkk." \
  ".kgggk....kgggk." \
  ".kgggk....kgggk." \
  ".kkkggk..kggkkk." \
  "...kgggkkgggk..." \
  "...kggggggggk..." \
  "..kgkkkggkkkgk.." \
  "..kk..kggk..kk.." \
  "......kkkk......" \
  "................"

image 2-exit \
  "................" \
  ".kkkkkkkk......." \
  ".krrrrrrk......." \
  ".krrrrrrk......." \
  ".krrrrrrk...G..." \
  ".krrrrrrk...GG.." \
  ".krrrrrGGGGGGGG." \
  ".krrrrrGGGGGGGGG" \
  ".krrrrrGGGGGGGG." \
  ".krrrryrk...GG.." \
  ".krrrrrrk...G..." \
  ".krrrrrrk......." \
  ".krrrrrrk......." \
  ".kkkkkkkk......." \
  "................"

image 3-version \
  "................" \
  "...kkkkkkkkk...." \
  "..kwwwwwwwwwk..." \
  ".kwwwwbbbwwwwk.." \
  ".kwwwbbwbbwwwk.." \
  ".kwwwwwwbbwwwk.." \
  ".kwwwwwbbwwwwk.." \
  ".kwwwwbbwwwwwk.." \
  ".kwwwwwwwwwwwk.." \
  ".kwwwwbbwwwwwk.." \
  "..kwwwwwwwwwk..." \
  "...kkwwkkkkk...." \
  "....kwk........." \
  "....kk.........." \
  "................"

image 4-context-help \
  ".k.............." \
  ".kk........bbb.." \
  ".kwk......bb.bb." \
  ".kwwk........bb." \
  ".kwwwk......bb.." \
  ".kwwwwk....bb..." \
  ".kwwwwwk...bb..." \
  ".kwwkkkk........" \
  ".kwkkwk....bb..." \
  ".kk.kwk....bb..." \
  ".k...kwk........" \
  ".....kwk........" \
  "......k........." \
  "................" \
  "................"

/usr/bin/convert "$tmp/1-settings.xpm" "$tmp/2-exit.xpm" "$tmp/3-version.xpm" "$tmp/4-context-help.xpm" +append \
  -type Palette -colors 16 -compress None BMP3:nuvari/res/Toolbar.bmp
