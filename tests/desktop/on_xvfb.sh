#!/usr/bin/env bash
# Runs a test program on a virtual X server of its own, with a real window manager (--wm) or
# with none (--bare), so that stacking, activation and keyboard focus are those of a desktop.
# usage: on_xvfb.sh --wm|--bare PROGRAM [ARGS...]
set -euo pipefail
mode=$1
shift

workdir=$(mktemp -d)
cleanup() {
  [ -n "${wm_pid:-}" ] && kill "$wm_pid" 2>/dev/null || true
  [ -n "${x_pid:-}" ] && kill "$x_pid" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$workdir"
}
trap cleanup EXIT

# The server picks a free display number and writes it to the pipe once it accepts clients.
mkfifo "$workdir/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$workdir/display" 2>"$workdir/xvfb.log" &
x_pid=$!
read -r -t 30 number <"$workdir/display" || { cat "$workdir/xvfb.log" >&2; exit 1; }
export DISPLAY=":$number"

if [ "$mode" = "--wm" ]; then
  HOME="$workdir" openbox --sm-disable >"$workdir/openbox.log" 2>&1 &
  wm_pid=$!
  # Ready once it announces itself on the root window.
  for _ in $(seq 1 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
  done
  xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id' || {
    cat "$workdir/openbox.log" >&2
    exit 1
  }
fi

export QT_QPA_PLATFORM=xcb
export VANTREL_DESKTOP="${mode#--}"
"$@"
