#!/usr/bin/env bash
# Installs what is missing, builds kameng for the demo shop, serves the shop
# on 127.0.0.1 and opens the window; the shop stops when the window closes.
# With no display, runs on a private Xvfb, saves a screenshot once the shop
# page is painted, prints its path and closes the program.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

bash scripts/install-deps.sh

build=build/demo
mkdir -p "$build"
log="$root/$build/demo-access.log"
port_file="$root/$build/demo-port"
: >"$log"

# Serve first, so that the port the build is configured for stays ours.
# The port of the last run is taken again when it is free: the same
# addresses then need no rebuild.
server_pid=""
stop_server() {
  if [ -n "$server_pid" ]; then
    kill "$server_pid" 2>/dev/null || true
    wait "$server_pid" 2>/dev/null || true
    server_pid=""
  fi
}
trap stop_server EXIT

start_server() {  # start_server PORT: true once the shop listens
  local port_out="$root/$build/demo-port.new"
  rm -f "$port_out"
  python3 demo/server.py --port "$1" --port-file "$port_out" --log "$log" >/dev/null &
  server_pid=$!
  for _ in $(seq 1 200); do
    [ -s "$port_out" ] && { mv "$port_out" "$port_file"; return 0; }
    kill -0 "$server_pid" 2>/dev/null || { wait "$server_pid" 2>/dev/null || true; server_pid=""; return 1; }
    sleep 0.05
  done
  stop_server
  return 1
}

last_port=$(cat "$port_file" 2>/dev/null || true)
if ! { [ -n "$last_port" ] && start_server "$last_port" 2>/dev/null; }; then
  start_server 0 || { echo "run.sh: the demo shop could not start" >&2; exit 1; }
fi
port=$(cat "$port_file")
site="http://127.0.0.1:$port"

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
  -DSITE_START_URL="$site/Register.aspx" \
  -DSITE_AUX_URL="$site/" \
  -DCHAT_URL="$site/open_webaio.html?sigt=b03c0ae72f35123a89f394b3fa9d4ab633415044e75837d72d8aa7b2aefccb26122d7c8615a62a09929b0ae1c34ce5ad&sigu=1d9107840e3eb5b297c74274b97b3615e8203a583bc3b88db33ab6c0812da42cf1884fe907f6dbf5&tuin=1234567890" \
  -DMICROBLOG_URL="$site/t/1234567890" \
  -DRADIO_URL="$site/radio/" \
  -DSTATS_URL="$site/stats/?1234567890" >/dev/null

if ! cmake --build "$build" --target help | grep -q '^kameng:'; then
  echo "run.sh: there is no kameng program to run yet: the desktop back end" \
       "(src/platform/gtk) is not part of this source tree." >&2
  exit 1
fi
cmake --build "$build" --target kameng -j "$(nproc)"
program=$(find "$root/$build" -type f -name kameng -perm -u+x | head -n 1)
[ -n "$program" ] || { echo "run.sh: kameng was built but cannot be found" >&2; exit 1; }

echo "demo shop: $site/Register.aspx"
if [ -n "${DISPLAY:-}" ]; then
  "$program"
else
  screenshot="$root/$build/screenshot.png"
  bash tests/support/with-xvfb.sh --size 1024x768 -- \
    bash demo/show-headless.sh "$program" "$log" "$screenshot"
fi
