#!/usr/bin/env bash
# Shows kameng on the current (virtual) display until the demo shop page is
# painted and the visit counters have been read, saves a screenshot of the
# screen, prints its path, and closes the program as a user would (Esc).
# usage: show-headless.sh KAMENG ACCESS_LOG SCREENSHOT
set -uo pipefail
program=$1 log=$2 screenshot=$3
deadline_s=120

"$program" &
pid=$!
ended() { ! kill -0 "$pid" 2>/dev/null; }
finish() {  # ends the program if it is still running; returns its code
  if ! ended; then
    kill "$pid" 2>/dev/null
  fi
  wait "$pid"
}

wait_until() {  # wait_until WHAT COMMAND...: polls until COMMAND succeeds
  local what=$1; shift
  local end=$((SECONDS + deadline_s))
  until "$@"; do
    if ended; then echo "show-headless: kameng ended before $what" >&2; finish; exit 1; fi
    if [ $SECONDS -ge $end ]; then echo "show-headless: no $what after ${deadline_s} s" >&2; finish; exit 1; fi
    sleep 0.2
  done
}

painted() { grep -q '^GET /ping?page=%2FRegister.aspx ' "$log"; }
# Four statistics requests are two refreshes: the first one's counters are
# on screen by the time the second is answered.
counted() { [ "$(grep -c '^GET /stats/' "$log")" -ge 4 ]; }
window_id() { xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -n 1; }
has_window() { [ -n "$(window_id)" ]; }

wait_until "window" has_window
wait_until "painted shop page" painted
# The counters come every two seconds; a shot without them is still taken
# when the statistics page does not answer.
end=$((SECONDS + 15))
until counted || ended || [ $SECONDS -ge $end ]; do sleep 0.2; done

import -window root "$screenshot"
echo "screenshot: $screenshot"

window=$(window_id)
if [ -n "$window" ]; then
  xdotool windowactivate --sync "$window" key --clearmodifiers Escape 2>/dev/null
fi
end=$((SECONDS + 30))
until ended || [ $SECONDS -ge $end ]; do sleep 0.2; done
finish
