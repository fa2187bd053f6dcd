# shellcheck shell=bash
# Sourced by the scripts that start the real program: an X display of its own (Xvfb, on a free
# display number) with a window manager (openbox, which maximises a window only after the
# program's first layout, as a desktop does).
#
#   x_session_start WORK    # logs go to WORK; sets DISPLAY
#   x_session_stop          # ends both again
x_session_pids=()

x_session_start() {
  local work=$1
  # Xvfb writes the display number it picked to fd 3.
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
  x_session_pids+=($!)
  for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
  [ -s "$work/display" ] || { echo "Xvfb did not start" >&2; cat "$work/xvfb.log" >&2; return 1; }
  DISPLAY=":$(cat "$work/display")"
  export DISPLAY

  # The window manager is ready once it has announced itself on the root window.
  openbox --config-file /dev/null >"$work/openbox.log" 2>&1 &
  x_session_pids+=($!)
  for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep 'window id' >/dev/null && return 0
    sleep 0.1
  done
  echo "openbox did not start" >&2
  cat "$work/openbox.log" >&2
  return 1
}

x_session_stop() {
  local pid
  for pid in "${x_session_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${x_session_pids[@]}"; do wait "$pid" 2>/dev/null || true; done
  x_session_pids=()
}
