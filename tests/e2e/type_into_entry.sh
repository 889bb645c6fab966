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

# shellcheck source=windows.sh
source "$(dirname "$0")/windows.sh"

# The entry's prompt is Vietnamese: zenity refuses a non-ASCII text in a
# locale that is not UTF-8, as a freshly installed system's POSIX one is.
export LC_ALL=C.UTF-8
zenity --entry --timeout=60 --title=orvik-e2e --text='Gõ vào đây' > "$out" 2> "$out-zenity.log" &
zenity_pid=$!

entry=$(find_window "$zenity_pid" "$out-zenity.log" 10 --name '^orvik-e2e$')
candidates=$(find_window "$zenity_pid" "$out-zenity.log" 10 --name "^$candidate_title\$")
# Without a window manager both windows open at the top left; the entry
# moves below the candidate window and its popup.
xdotool windowmove --sync "$entry" 40 420
xdotool windowfocus --sync "$entry"
timeout 10 bash -c 'until [[ "$(fcitx5-remote)" != 0 ]]; do sleep 0.05; done'

choose_sending_mode "$mode" "$candidates"

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
