# shellcheck shell=bash
# Sourced by the scripts that type into an application under a typing
# session: finding its windows and choosing the candidate window's sending
# mode.

# shellcheck disable=SC2034  # read by the scripts that source this
candidate_title='Han Viet Thau Nhap Phap Unicode'

# find_window PID LOG SECONDS SEARCH...: the newest visible window that
# `xdotool search SEARCH...` finds within SECONDS. A search may meet a
# window that goes away under it, so it is tried again; when the program
# PID ends before its window shows, what it wrote to LOG is the reason.
find_window() {
  local pid=$1 log=$2 seconds=$3 found
  shift 3
  for _ in $(seq $((seconds * 10))); do
    found=$(xdotool search --onlyvisible "$@" 2>/dev/null | tail -1) || true
    [[ -n "$found" ]] && { echo "$found"; return 0; }
    if ! kill -0 "$pid" 2>/dev/null; then
      echo "the program ended before a window ($*) showed; it said:" >&2
      cat "$log" >&2
      return 1
    fi
    sleep 0.1
  done
  echo "no window ($*) after $seconds s" >&2
  return 1
}

# Presses the candidate window's "98"/"2K" button (it starts in "98") when
# MODE is 2K: its centre, from its place in the window's twips (left 5760,
# top 15, 480 x 270 of 8280 x 2220), whatever the screen's DPI.
choose_sending_mode() {
  local mode=$1 candidates=$2 geometry width height
  [[ "$mode" == 2K ]] || return 0
  geometry=$(xdotool getwindowgeometry --shell "$candidates")
  width=$(sed -n 's/^WIDTH=//p' <<< "$geometry")
  height=$(sed -n 's/^HEIGHT=//p' <<< "$geometry")
  xdotool mousemove --sync --window "$candidates" $((width * 6000 / 8280)) $((height * 150 / 2220)) click 1
  sleep 0.3
}
