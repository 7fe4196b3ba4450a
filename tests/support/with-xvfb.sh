#!/usr/bin/env bash
# Runs a command on a private X server (Xvfb, display chosen by the server
# itself) with openbox as window manager, and ends both afterwards.
# usage: with-xvfb.sh [--size WxH] [--no-wm] -- command [args...]
# The command's exit code is returned.
set -u
size=1024x768
wm=1
while [ $# -gt 0 ]; do
  case "$1" in
    --size) size=$2; shift 2 ;;
    --no-wm) wm=0; shift ;;
    --) shift; break ;;
    *) break ;;
  esac
done
[ $# -gt 0 ] || { echo "usage: $0 [--size WxH] [--no-wm] -- command" >&2; exit 2; }

tmp=$(mktemp -d)
xvfb_pid=""
wm_pid=""
cleanup() {
  [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  [ -n "$wm_pid" ] && wait "$wm_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && wait "$xvfb_pid" 2>/dev/null
  rm -rf "$tmp"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

exec 3>"$tmp/displayfd"
Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset >"$tmp/xvfb.log" 2>&1 &
xvfb_pid=$!
exec 3>&-
for _ in $(seq 1 100); do
  [ -s "$tmp/displayfd" ] && break
  kill -0 "$xvfb_pid" 2>/dev/null || { cat "$tmp/xvfb.log" >&2; exit 1; }
  sleep 0.05
done
display=$(head -n1 "$tmp/displayfd" | tr -d '[:space:]')
[ -n "$display" ] || { echo "Xvfb did not start" >&2; cat "$tmp/xvfb.log" >&2; exit 1; }
export DISPLAY=":$display"

if [ "$wm" = 1 ]; then
  openbox --sm-disable >"$tmp/wm.log" 2>&1 &
  wm_pid=$!
  # Wait until the window manager has claimed the screen.
  for _ in $(seq 1 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.05
  done
fi

"$@"
