# shellcheck shell=bash
# Sourced: start_xvfb FOLDER starts a virtual X display whose number Xvfb
# picks itself (-displayfd), so a lock file another X server left behind,
# or a display started at the same moment, cannot give two servers one
# number. It waits until the server is ready, exports DISPLAY, keeps the
# server's log in FOLDER/xvfb.log and its process id in xvfb_pid.
start_xvfb() {
  local folder=$1
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$folder/display" 2>"$folder/xvfb.log" &
  xvfb_pid=$!
  if ! timeout 10 bash -c "until [[ -s '$folder/display' ]]; do kill -0 $xvfb_pid 2>/dev/null || exit 1; sleep 0.05; done"; then
    kill "$xvfb_pid" 2>/dev/null || true
    echo "Xvfb did not start (see $folder/xvfb.log)" >&2
    return 1
  fi
  DISPLAY=":$(cat "$folder/display")"
  export DISPLAY
}
