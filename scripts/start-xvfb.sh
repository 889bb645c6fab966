# shellcheck shell=bash
# Sourced: start_xvfb FOLDER starts a virtual X display whose number Xvfb
# picks itself (-displayfd), so a lock file another X server left behind,
# or a display started at the same moment, cannot give two servers one
# number; and the server never resets, since a reset when the last client
# leaves refuses the next one meanwhile (gtk-launch leaving as the program
# it started connected: 6 of 200 connections right after another's end
# were refused on a loaded machine, none with -noreset). It waits until the
# server is ready, exports DISPLAY, keeps the server's log in
# FOLDER/xvfb.log and its process id in xvfb_pid.
start_xvfb() {
  local folder=$1
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$folder/display" 2>"$folder/xvfb.log" &
  xvfb_pid=$!
  if ! timeout 10 bash -c "until [[ -s '$folder/display' ]]; do kill -0 $xvfb_pid 2>/dev/null || exit 1; sleep 0.05; done"; then
    kill "$xvfb_pid" 2>/dev/null || true
    echo "Xvfb did not start (see $folder/xvfb.log)" >&2
    return 1
  fi
  DISPLAY=":$(cat "$folder/display")"
  export DISPLAY
}
