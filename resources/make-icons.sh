#!/usr/bin/env bash
# Draws the program's icons and the meter panel's background with ImageMagick.
# The results are committed; run this only to change them.
set -euo pipefail
cd "$(dirname "$0")"
IM=/usr/bin/convert
FONT=DejaVu-Sans-Bold
T="-size"

# Floppy disk.
$IM $T 24x24 xc:none -fill '#1f4e9c' -stroke '#0c2a5c' -draw 'roundrectangle 2,2 21,21 2,2' \
  -stroke none -fill '#dfe6f2' -draw 'rectangle 6,3 17,9' -fill '#1f4e9c' -draw 'rectangle 13,4 15,8' \
  -fill white -draw 'rectangle 5,13 18,21' -fill '#9aa9c4' -draw 'line 7,16 16,16' -draw 'line 7,18 16,18' icons/save.png
# Spreadsheet page with a red record dot.
$IM $T 24x24 xc:none -fill white -stroke '#4a5a4a' -draw 'rectangle 3,2 18,21' -stroke '#2e8b3e' \
  -draw 'line 3,7 18,7' -draw 'line 3,12 18,12' -draw 'line 3,17 18,17' -draw 'line 9,2 9,21' \
  -stroke '#8b0000' -fill '#e02020' -draw 'circle 18,18 22,18' icons/log.png
# Open folder.
$IM $T 24x24 xc:none -fill '#d9a521' -stroke '#8a6410' -draw 'polygon 2,6 9,6 11,8 20,8 20,20 2,20' \
  -fill '#f5cd4c' -draw 'polygon 5,11 23,11 20,20 2,20' icons/open.png
# Sheet wiped clean: page with a red cross.
$IM $T 24x24 xc:none -fill white -stroke '#555555' -draw 'rectangle 3,2 18,21' \
  -stroke '#d01818' -strokewidth 3 -draw 'line 8,8 20,20' -draw 'line 20,8 8,20' icons/clear.png
# Pause and start.
$IM $T 24x24 xc:none -fill '#1f4e9c' -stroke '#0c2a5c' -draw 'rectangle 6,4 10,19' -draw 'rectangle 14,4 18,19' icons/pause.png
$IM $T 24x24 xc:none -fill '#1f9c3a' -stroke '#0c5c20' -draw 'polygon 7,4 19,12 7,20' icons/start.png
# Monitor showing an information sign.
$IM $T 32x32 xc:none -fill '#303030' -stroke '#101010' -draw 'roundrectangle 2,3 29,23 2,2' \
  -fill '#2f7fd8' -stroke none -draw 'rectangle 5,6 26,20' -fill '#505050' -draw 'rectangle 12,24 19,26' \
  -draw 'rectangle 8,27 23,29' -fill white -font $FONT -pointsize 14 -gravity north -annotate +0+5 'i' icons/sysinfo.png
# Gear.
$IM $T 32x32 xc:none -fill '#6a6f78' -stroke '#33363b' \
  -draw 'polygon 14,2 18,2 19,7 23,5 26,8 24,12 29,13 29,18 24,19 26,23 23,26 19,24 18,29 14,29 13,24 9,26 6,23 8,19 3,18 3,13 8,12 6,8 9,5 13,7' \
  -fill '#e8e8e8' -draw 'circle 16,16 16,21' icons/services.png
# Help, About and the web site.
$IM $T 16x16 xc:none -fill '#1f6fd0' -stroke '#0c3a7c' -draw 'circle 7.5,7.5 7.5,0.5' \
  -fill white -stroke none -font $FONT -pointsize 11 -gravity center -annotate +0+0 '?' icons/help.png
$IM $T 16x16 xc:none -fill '#1f6fd0' -stroke '#0c3a7c' -draw 'circle 7.5,7.5 7.5,0.5' \
  -fill white -stroke none -font $FONT -pointsize 11 -gravity center -annotate +0+0 'i' icons/about.png
$IM $T 16x16 xc:none -fill '#4aa3f0' -stroke '#0c3a7c' -draw 'circle 7.5,7.5 7.5,0.5' -fill none \
  -draw 'ellipse 7.5,7.5 3,7 0,360' -draw 'line 1,7.5 14,7.5' -draw 'line 2,4 13,4' -draw 'line 2,11 13,11' icons/web.png
# The program: a small history graph, at every size a desktop asks for (the
# window uses 16 and 32; the desktop entry and menus use them all).
for size in 16 32 48 64 128 256; do
  s=$((size - 1))
  $IM $T ${size}x${size} xc:black -stroke '#808080' -draw "line 0,$((size / 3)) $s,$((size / 3))" \
    -draw "line 0,$((2 * size / 3)) $s,$((2 * size / 3))" -strokewidth $((size / 16)) \
    -stroke '#0064ff' -fill none -draw "polyline 0,$((size * 3 / 4)) $((size / 4)),$((size / 2)) $((size / 2)),$((size * 2 / 3)) $((size * 3 / 4)),$((size / 5)) $s,$((size / 3))" \
    -stroke '#ffff00' -draw "polyline 0,$((size / 2)) $((size / 3)),$((size * 2 / 5)) $((size * 2 / 3)),$((size * 2 / 5)) $s,$((size / 4))" \
    -type TrueColor -depth 8 icons/tidemark$size.png
done
# The meter panel: dark green glass with faint scan lines.
$IM $T 99x217 gradient:'#0d4a1e-#021407' \( $T 99x217 pattern:horizontal2 -negate -level 0,400% \) \
  -compose multiply -composite images/panel.png
