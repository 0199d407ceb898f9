#!/bin/bash
# The grid's drag and drop and mouse movement in a real window: starts a
# virtual display with a window manager, the check window (grid_dnd_window)
# and a GTK program (desktop_peer.py), works the mouse with xdotool and reads
# what arrived:
#   1. the hand over the right grid's link and the cursor coming back;
#   2. cells dragged from the left grid into the right one (a move);
#   3. a CSV file dragged from the GTK program onto the right grid.
# Needs Xvfb, openbox, xdotool, ImageMagick's import and python3-gi with
# gir1.2-gtk-3.0. Usage: tests/window/grid_dnd_check.sh BUILD_DIR [DISPLAY_NUMBER]
set -u
BUILD=${1:?build folder}
NUM=${2:-31}
OUT=$(mktemp -d)
HERE=$(cd "$(dirname "$0")" && pwd)
. "$(dirname "$0")/display.sh"

fail=0
check() {  # file pattern what
  if wait_for "$1" "$2"; then echo "ok   $3"; else echo "FAIL $3"; fail=1; fi
}

"$BUILD/tests/grid_dnd_window" > "$OUT/grid.log" 2>&1 & pids+=($!)
wait_for "$OUT/grid.log" '^ready' || { echo "FAIL the check window did not start"; cat "$OUT/grid.log"; exit 1; }
read -r _ _ sx sy _ dx dy _ ux uy _ px py < <(grep '^ready' "$OUT/grid.log")

xdotool mousemove "$px" "$py"; sleep 0.3
xdotool mousemove "$ux" "$uy"; sleep 0.3
xdotool mousemove $(( ux + 2 )) "$uy"; sleep 0.3
check "$OUT/grid.log" '^cursor -21 hover row 1' "the hand over a link"
xdotool mousemove "$px" "$py"; sleep 0.3
check "$OUT/grid.log" '^cursor 0 hover row 5' "the cursor comes back off the link"

# The left grid's selected cells into the right grid.
drag_in_steps "$sx" "$sy" "$dx" "$dy"
check "$OUT/grid.log" '^dropped at 2,3 .*||s11|s21|| ||s12|s22||' "cells from one grid into another"
check "$OUT/grid.log" '^drag stopped effect 2' "the move is reported to the source"
import -window root "$OUT/after_cells.png" 2>/dev/null

# A CSV file from a GTK program.
printf 'a;b\r\nc;d\r\n' > "/tmp/peer grid.csv"
/usr/bin/python3 "$HERE/desktop_peer.py" files "/tmp/peer grid.csv" > "$OUT/peer.log" 2>&1 & peer=$!; pids+=($peer)
wait_for "$OUT/peer.log" '^ready' || { echo "FAIL the GTK program did not start"; cat "$OUT/peer.log"; exit 1; }
read -r _ _ fx fy _ _ _ < <(grep '^ready' "$OUT/peer.log")
drag_in_steps "$fx" "$fy" "$dx" "$dy"
check "$OUT/grid.log" '^file /tmp/peer grid.csv' "a file from a GTK program"
import -window root "$OUT/after_file.png" 2>/dev/null
# The GTK window goes, so that the pointer finds the grid again.
kill "$peer" 2>/dev/null; sleep 0.5
xdotool mousemove "$px" "$py"; sleep 0.3; xdotool mousemove "$ux" "$uy"; sleep 0.3
check "$OUT/grid.log" '^rows |d|' "the file's cells"
rm -f "/tmp/peer grid.csv"

echo "logs and screenshots in $OUT"
exit $fail
