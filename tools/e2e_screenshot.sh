#!/usr/bin/env bash
# End-to-end check of the desktop program: start the real `ravnelok` under Xvfb with a window
# manager (openbox, which maximises the window only after the program's first layout) on the
# xcb platform with a sheet on its command line, show the graph area, take a screenshot of the
# screen, and check that the window came up, drew something (not a blank image) and that the
# graph's bottom frame line lies inside the window.
#
#   tools/e2e_screenshot.sh [BINARY] [SHEET] [OUTPUT.png]
#
# BINARY defaults to build/dev/src/gui/ravnelok, SHEET to the first examples/*.rlk (or a small
# sheet written on the spot), OUTPUT to build/e2e/ravnelok.png.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
binary=${1:-$root/build/dev/src/gui/ravnelok}
sheet=${2:-}
output=${3:-$root/build/e2e/ravnelok.png}

for tool in Xvfb openbox xdotool xprop import identify convert xwininfo; do
  command -v "$tool" >/dev/null || { echo "e2e: $tool is missing" >&2; exit 2; }
done
[ -x "$binary" ] || { echo "e2e: no program at $binary" >&2; exit 2; }
# The program runs in a fresh working folder, so every path must be absolute.
binary=$(cd "$(dirname "$binary")" && pwd)/$(basename "$binary")

# shellcheck source=tools/x_session.sh
source "$root/tools/x_session.sh"
work=$(mktemp -d)
app_pid=""
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
  x_session_stop
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

if [ -z "$sheet" ]; then
  sheet=$(ls "$root"/examples/*.rlk 2>/dev/null | head -n 1 || true)
fi
if [ -z "$sheet" ]; then
  sheet=$work/cirkel.rlk
  printf '4\r\n*\r\nradius\r\n5\r\ncm\r\n \r\nareal\r\nPI*radius^2\r\ncm2\r\n \r\nomkreds\r\n2*PI*radius\r\ncm\r\n-1\r\n-1\r\n-1\r\n' >"$sheet"
fi
sheet=$(cd "$(dirname "$sheet")" && pwd)/$(basename "$sheet")
mkdir -p "$(dirname "$output")"

x_session_start "$work" || { echo "e2e: no X session" >&2; exit 1; }

# The working folder is a fresh one: no ravnmenu.txt, so the Danish texts are used.
(cd "$work" && QT_QPA_PLATFORM=xcb exec "$binary" "$sheet") >"$work/app.log" 2>&1 &
app_pid=$!

# Wait for the main window to be mapped, then give it a moment to paint.
found=""
for _ in $(seq 100); do
  if xwininfo -root -tree 2>/dev/null | grep 'Ravnelok  version 1.69' >/dev/null; then found=yes; break; fi
  kill -0 "$app_pid" 2>/dev/null || break
  sleep 0.1
done
if [ -z "$found" ]; then
  echo "e2e: the main window did not come up" >&2
  cat "$work/app.log" >&2
  exit 1
fi
sleep 1.5
# Show sheet, table and graph: the third view button, in the tool bar below the menu bar.
window=$(xdotool search --name 'Ravnelok  version 1.69' | head -n 1)
xdotool mousemove --window "$window" 222 52 click 1
sleep 1
import -window root "$output"

# A drawn window has many colours and a clear spread; a blank screen has one colour.
colours=$(identify -format '%k' "$output")
spread=$(convert "$output" -colorspace Gray -format '%[fx:int(1000*standard_deviation)]' info:)
echo "e2e: $output: $colours colours, spread $spread"
if [ "$colours" -lt 8 ] || [ "$spread" -lt 20 ]; then
  echo "e2e: the screenshot is blank" >&2
  exit 1
fi

# The graph area fills the window's lower left part down to its bottom edge; its bitmap's frame
# must end there too, not below the window. Column 400 crosses the graph area.
info=$(xwininfo -id "$window")
top=$(awk '/Absolute upper-left Y/ {print $NF}' <<<"$info")
height=$(awk '/^ *Height:/ {print $NF}' <<<"$info")
bottom=$((top + height))
lowest=$(convert "$output" -crop "1x${bottom}+400+0" +repage txt:- |
  awk -F'[,:]' '/#000000/ {y = $2} END {print y + 0}')
echo "e2e: window rows $top..$((bottom - 1)), lowest frame line at row $lowest"
if [ "$lowest" -lt $((bottom - 6)) ]; then
  echo "e2e: the graph's bottom frame line is outside the window" >&2
  exit 1
fi

# Restored by a double click on its title bar, the window keeps its title bar on the screen.
xdotool mousemove 640 $((top / 2)) click --repeat 2 --delay 80 1
sleep 1
restored_top=$(xwininfo -id "$window" | awk '/Absolute upper-left Y/ {print $NF}')
echo "e2e: restored window's client area starts at row $restored_top"
if [ "$restored_top" -lt $((top / 2)) ]; then
  echo "e2e: the restored window's title bar is above the screen" >&2
  exit 1
fi
kill -0 "$app_pid" 2>/dev/null || { echo "e2e: the program ended by itself" >&2; exit 1; }
echo "e2e: ok"
