#!/usr/bin/env bash
# Inside a typing session (scripts/ime-session --ime-on): opens xterm, which
# takes its keys through the X input method, stops it while "Nam 和 2005
# Đà?" is typed (Shift for the capitals and the question mark, a pick, a
# Backspace), continues it, types a Space and takes it back with Backspace,
# and writes the line it received to OUT.
# Stopped, xterm hands the keys to fcitx5 only after every Shift was let
# go, and the answers reach it in a burst.
#
# usage: type_into_stopped_xterm.sh OUT
set -euo pipefail
out=$1
export LC_ALL=C.UTF-8
# shellcheck source=windows.sh
source "$(dirname "$0")/windows.sh"

: > "$out"
xterm -T orvik-e2e-xterm -geometry 80x10 -e sh -c "cat > '$out'" > "$out.log" 2>&1 &
xterm_pid=$!
window=$(find_window "$xterm_pid" "$out.log" 10 --name '^orvik-e2e-xterm$')
xdotool windowfocus --sync "$window"
timeout 10 bash -c 'until [[ "$(fcitx5-remote)" != 0 ]]; do sleep 0.05; done'

kill -STOP "$xterm_pid"
xdotool key --delay 30 shift+n a m space h o a f 1 2 0 0 4 BackSpace 5 space shift+d d a f shift+slash
kill -CONT "$xterm_pid"
sleep 1.5
# Running again: a Space, and a Backspace right after it that takes it back.
xdotool key --delay 60 space BackSpace
sleep 1
# The line's end hands it to cat, Ctrl+D ends cat.
xdotool key Return ctrl+d
wait "$xterm_pid"
