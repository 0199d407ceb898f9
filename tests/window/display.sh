# Sourced by the window checks after NUM is set: a virtual display with a
# window manager, stopped together with every program the check adds to
# pids when the check ends.
pids=()
cleanup() { for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done; }
trap cleanup EXIT
export DISPLAY=:$NUM
Xvfb ":$NUM" -screen 0 1280x1024x24 >/dev/null 2>&1 & pids+=($!)
sleep 1
openbox >/dev/null 2>&1 & pids+=($!)
sleep 1

wait_for() {  # file pattern [count]: waits up to 10 s for the count-th matching line
  local n=${3:-1}
  for _ in $(seq 100); do [ "$(grep -c "$2" "$1" 2>/dev/null)" -ge "$n" ] && return 0; sleep 0.1; done
  return 1
}

drag_in_steps() {  # x0 y0 x1 y1, screen coordinates: a drag with ten moves between
  xdotool mousemove "$1" "$2"; sleep 0.3
  xdotool mousedown 1; sleep 0.3
  local i
  for i in 1 2 3 4 5 6 7 8 9 10; do
    xdotool mousemove $(( $1 + ($3 - $1) * i / 10 )) $(( $2 + ($4 - $2) * i / 10 )); sleep 0.1
  done
  sleep 0.3
  xdotool mouseup 1; sleep 0.8
}
