# Sourced by the end-to-end tests: a work folder named after $1, a home in
# it (GTK and the desktop settings need one, and no accessibility bus) and a
# virtual X display. At the end the processes named in e2e_pids (Xvfb's
# among them) are ended, and the folder is removed, or kept with the
# programs' logs shown when the test failed. Needs `top`, the source tree.
work=$(mktemp -d "${TMPDIR:-/tmp}/$1.XXXXXX")
e2e_pids=()
e2e_cleanup() {
  local rc=$? pid
  for pid in "${e2e_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  if [[ $rc -eq 0 ]]; then rm -rf "$work"; else "$top/scripts/show-logs" "$work"; echo "FAILED, files in $work" >&2; fi
}
trap e2e_cleanup EXIT

mkdir -p "$work/home"
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share" \
       XDG_CACHE_HOME="$work/home/.cache" NO_AT_BRIDGE=1 GSETTINGS_BACKEND=memory

# shellcheck source=../../scripts/start-xvfb.sh
source "$top/scripts/start-xvfb.sh"
start_xvfb "$work"
e2e_pids+=("$xvfb_pid")
