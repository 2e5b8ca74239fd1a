#!/bin/sh
# Runs a GUI test program on a display of its own, of the given size, with the openbox window
# manager (window frames, and where the windows go, are the window manager's).
# Usage: on-screen.sh WIDTHxHEIGHT PROGRAM [ARGUMENTS...]
set -eu
size=$1
shift
exec xvfb-run -a -s "-screen 0 ${size}x24" sh -c '
  openbox >/dev/null 2>&1 &
  wm=$!
  i=0
  until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; do
    i=$((i + 1))
    [ $i -lt 100 ] || { echo "openbox did not start" >&2; kill $wm; exit 1; }
    sleep 0.1
  done
  status=0
  "$@" || status=$?
  kill $wm 2>/dev/null || true
  exit $status' on-screen "$@"
