#!/usr/bin/env bash
# Inside a typing session (scripts/ime-session --ime-on): opens a zenity
# entry, sets the candidate window's sending mode, types h o a f 1, then
# h o a f Space, and writes what the entry holds to OUT. With STALL, it
# types v i, stops orvik2004 for STALL seconds while e is typed, continues
# it and types Space instead.
#
# usage: type_into_entry.sh 2K|98 OUT [STALL]    (SHOTS: a folder for screenshots)
set -euo pipefail
mode=$1
out=$2
stall=${3:-}

candidate_title='Han Viet Thau Nhap Phap Unicode'

# The entry's prompt is Vietnamese: zenity refuses a non-ASCII text in a
# locale that is not UTF-8, as a freshly installed system's POSIX one is.
export LC_ALL=C.UTF-8
zenity --entry --timeout=60 --title=orvik-e2e --text='Gõ vào đây' > "$out" 2> "$out-zenity.log" &
zenity_pid=$!

# Waits for a visible window named NAME; a search may meet a window that goes
# away under it, so it is tried again. When zenity ends before its window
# shows, what it said is the reason.
find_window() {
  local name=$1 found status
  for _ in $(seq 100); do
    found=$(xdotool search --onlyvisible --name "$name" 2> "$out-xdotool.log" | head -1) || true
    [[ -n "$found" ]] && { echo "$found"; return 0; }
    if ! kill -0 "$zenity_pid" 2>/dev/null; then
      status=0
      wait "$zenity_pid" || status=$?
      echo "zenity ended with status $status before the window $name showed; it said:" >&2
      cat "$out-zenity.log" >&2
      return 1
    fi
    sleep 0.1
  done
  echo "no window named $name after 10 s; xdotool said:" >&2
  cat "$out-xdotool.log" >&2
  return 1
}

entry=$(find_window '^orvik-e2e$')
candidates=$(find_window "^$candidate_title\$")
# Without a window manager both windows open at the top left; the entry
# moves below the candidate window and its popup.
xdotool windowmove --sync "$entry" 40 420
xdotool windowfocus --sync "$entry"
timeout 10 bash -c 'until [[ "$(fcitx5-remote)" != 0 ]]; do sleep 0.05; done'

# The "98"/"2K" button: its centre, from its place in the window's twips
# (left 5760, top 15, 480 x 270 of 8280 x 2220), whatever the screen's DPI.
if [[ "$mode" == 2K ]]; then
  eval "$(xdotool getwindowgeometry --shell "$candidates")"
  xdotool mousemove --sync --window "$candidates" $((WIDTH * 6000 / 8280)) $((HEIGHT * 150 / 2220)) click 1
  sleep 0.3
fi

shot() { [[ -n "${SHOTS:-}" ]] && import -window root "$SHOTS/$1-$mode.png"; return 0; }

# The program stopped mid-word, as a loaded machine or a hang stops it: each
# key must land once, in the application or in the word.
type_through_stall() {
  local program=${ORVIK_PROGRAM_PID:?the session names no orvik2004 process}
  xdotool type --delay 80 vi
  sleep 0.3
  kill -STOP "$program"
  xdotool type --delay 80 e
  sleep "$stall"
  kill -CONT "$program"
  sleep 0.5
  xdotool key --delay 80 space
}

if [[ -n "$stall" ]]; then
  type_through_stall
  sleep 1.5
  xdotool key Return
  status=0
  wait "$zenity_pid" || status=$?
  exit $status
fi

xdotool type --delay 80 hoaf
sleep 0.5
shot typing
xdotool key --delay 80 1
sleep 0.5
shot picked
xdotool type --delay 80 hoaf
xdotool key --delay 80 space
# Return is the application's own key and could overtake the last
# delivery on a loaded machine.
sleep 1.5
shot reading
xdotool key Return
status=0
wait "$zenity_pid" || status=$?
[[ $status -eq 0 ]] || { echo "zenity ended with status $status; it said:" >&2; cat "$out-zenity.log" >&2; exit 1; }
