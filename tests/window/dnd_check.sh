#!/bin/bash
# Drag and drop in a real window: starts a virtual display with a window
# manager, the check window (dnd_window) and a GTK program (desktop_peer.py),
# drags with xdotool and reads what arrived:
#   1. text from our edit into our memo;
#   2. a file and then a link from the GTK program into our memo;
#   3. text from our edit into the GTK program.
# Needs Xvfb, openbox, xdotool, ImageMagick's import and python3-gi with
# gir1.2-gtk-3.0. Usage: tests/window/dnd_check.sh BUILD_DIR [DISPLAY_NUMBER]
set -u
BUILD=${1:?build folder}
NUM=${2:-30}
OUT=$(mktemp -d)
HERE=$(cd "$(dirname "$0")" && pwd)
. "$(dirname "$0")/display.sh"

fail=0
check() {  # file pattern what
  if wait_for "$1" "$2"; then echo "ok   $3"; else echo "FAIL $3"; fail=1; fi
}

"$BUILD/tests/dnd_window" > "$OUT/ours.log" 2>&1 & pids+=($!)
wait_for "$OUT/ours.log" '^ready' || { echo "FAIL the check window did not start"; cat "$OUT/ours.log"; exit 1; }
read -r _ _ ex ey _ mx my < <(grep '^ready' "$OUT/ours.log")

drag_in_steps "$ex" "$ey" "$mx" "$my"
check "$OUT/ours.log" '^dropped text: dragged text' "text from our edit into our memo"
check "$OUT/ours.log" '^drag dropped effect' "the edit's drag reports the drop"

/usr/bin/python3 "$HERE/desktop_peer.py" files "/tmp/peer file.csv" > "$OUT/peer.log" 2>&1 & peer=$!; pids+=($peer)
wait_for "$OUT/peer.log" '^ready' || { echo "FAIL the GTK program did not start"; cat "$OUT/peer.log"; exit 1; }
read -r _ _ sx sy _ dx dy < <(grep '^ready' "$OUT/peer.log")
drag_in_steps "$sx" "$sy" "$mx" "$my"
check "$OUT/ours.log" '^dropped file: /tmp/peer file.csv' "a file from a GTK program"
check "$OUT/ours.log" '^dropped text: /tmp/peer file.csv' "the file's text from a GTK program"

# Our edit's text into the GTK program (the edit has the focus back first).
xdotool mousemove "$ex" "$ey" click 1; sleep 0.3
xdotool key ctrl+a; sleep 0.3
drag_in_steps "$ex" "$ey" "$dx" "$dy"
check "$OUT/peer.log" '^peer got dragged text' "text from our edit into a GTK program"
import -window root "$OUT/after_drags.png" 2>/dev/null
kill "$peer" 2>/dev/null; sleep 0.5

/usr/bin/python3 "$HERE/desktop_peer.py" link > "$OUT/peer2.log" 2>&1 & pids+=($!)
wait_for "$OUT/peer2.log" '^ready' || { echo "FAIL the GTK program did not start"; exit 1; }
read -r _ _ sx sy _ _ _ < <(grep '^ready' "$OUT/peer2.log")
drag_in_steps "$sx" "$sy" "$mx" "$my"
check "$OUT/ours.log" '^dropped link: https://example.invalid/page' "a link from a GTK program"
import -window root "$OUT/after_link.png" 2>/dev/null

echo "logs and screenshots in $OUT"
exit $fail
