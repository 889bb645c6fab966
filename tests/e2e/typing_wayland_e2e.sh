#!/usr/bin/env bash
# End to end on Wayland: a headless sway compositor, the real fcitx5 with the
# key hook, orvik2004 on Qt's Wayland platform and a GTK text field running
# natively on Wayland (zenity --entry); keys typed with wtype, through the
# compositor's virtual keyboard. A pick and a reading sent with Space land in
# the field, in the "2K" mode (characters committed).
#
# usage: typing_wayland_e2e.sh BUILD_DIR|--installed [SCREENSHOT_DIR]
# sway refuses to run as root: run by root, the session runs as "nobody".
# A tool it needs that is missing is named (scripts/check-package installs
# them all).
set -euo pipefail

missing() { echo "typing_wayland_e2e: $1 is not installed" >&2; exit 1; }
for tool in sway wtype fcitx5 fcitx5-remote zenity dbus-daemon gdbus; do
  command -v "$tool" >/dev/null || missing "$tool"
done
[[ -e /usr/lib/$(gcc -print-multiarch)/qt6/plugins/platforms/libqwayland-generic.so ]] || missing qt6-wayland

here=$(cd "$(dirname "$0")" && pwd)
top=$(cd "$here/../.." && pwd)
if [[ "$1" == --installed ]]; then
  program=$(command -v orvik2004)
  data_option=()
  addon_places=()
else
  build=$(realpath "$1")
  program=$build/bin/orvik2004
  data_option=(--data "$build/data")
  addon_places=(FCITX_ADDON_DIRS="$build/addon/lib:/usr/lib/$(gcc -print-multiarch)/fcitx5"
                XDG_DATA_DIRS="$build/addon/share:/usr/local/share:/usr/share")
fi
shots=${2:+$(realpath "$2")}

if [[ $(id -u) -eq 0 ]]; then
  work=$(mktemp -d "${TMPDIR:-/tmp}/orvik-wayland.XXXXXX")
  chown nobody "$work"
  [[ -n "$shots" ]] && chown nobody "$shots"
  exec setpriv --reuid=nobody --regid=nogroup --clear-groups \
    env ORVIK_WAYLAND_WORK="$work" "$0" "$@"
fi
work=${ORVIK_WAYLAND_WORK:-$(mktemp -d "${TMPDIR:-/tmp}/orvik-wayland.XXXXXX")}
pids=()
cleanup() {
  local rc=$? i
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
    kill "${pids[i]}" 2>/dev/null || continue
    timeout 5 tail --pid="${pids[i]}" -f /dev/null || kill -9 "${pids[i]}" 2>/dev/null || true
  done
  if [[ $rc -eq 0 ]]; then rm -rf "$work"; else "$top/scripts/show-logs" "$work"; echo "FAILED, files in $work" >&2; fi
}
trap cleanup EXIT

mkdir -p "$work/home/.config/fcitx5" "$work/home/.config/orvik2004" "$work/runtime"
chmod 700 "$work/runtime"
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_DATA_HOME=$work/home/.local/share \
       XDG_CACHE_HOME=$work/home/.cache XDG_RUNTIME_DIR=$work/runtime NO_AT_BRIDGE=1 GSETTINGS_BACKEND=memory
unset DISPLAY

# The compositor, drawing in memory, with no input device but the virtual
# keyboard wtype makes.
# The program's windows float and never take the focus from the field, as
# they do not on a desktop that honours "show without activating".
printf '%s\n' 'output HEADLESS-1 resolution 1024x768' \
  'for_window [app_id="orvik2004"] floating enable' 'no_focus [app_id="orvik2004"]' > "$work/sway.conf"
WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman sway -c "$work/sway.conf" > "$work/sway.log" 2>&1 &
pids+=($!)
timeout 10 bash -c "until compgen -G '$XDG_RUNTIME_DIR/wayland-*.lock' >/dev/null; do sleep 0.1; done" \
  || { echo "sway did not start (see sway.log)" >&2; exit 1; }
WAYLAND_DISPLAY=$(basename "$(compgen -G "$XDG_RUNTIME_DIR/wayland-*.lock")" .lock)
timeout 10 bash -c "until compgen -G '$XDG_RUNTIME_DIR/sway-ipc.*.sock' >/dev/null; do sleep 0.1; done"
SWAYSOCK=$(compgen -G "$XDG_RUNTIME_DIR/sway-ipc.*.sock")
export WAYLAND_DISPLAY SWAYSOCK

# A bus of its own, fcitx5 with the key hook, and orvik2004 in the "2K"
# mode with the input method on.
printf '%s\n' '<busconfig><type>session</type><listen>unix:tmpdir=/tmp</listen><auth>EXTERNAL</auth>' \
  '<policy context="default"><allow send_destination="*" eavesdrop="true"/><allow eavesdrop="true"/>' \
  '<allow own="*"/></policy></busconfig>' > "$work/bus.conf"
dbus-daemon --config-file="$work/bus.conf" --fork --nopidfile --print-address=1 --print-pid=1 > "$work/bus"
DBUS_SESSION_BUS_ADDRESS=$(sed -n 1p "$work/bus")
export DBUS_SESSION_BUS_ADDRESS
pids+=("$(sed -n 2p "$work/bus")")
export ORVIK_HOOK_SOCKET=$work/hook GTK_IM_MODULE=fcitx QT_IM_MODULE=fcitx XMODIFIERS=@im=fcitx
printf '%s\n' '[Groups/0]' Name=Default 'Default Layout=us' DefaultIM=keyboard-us \
  '[Groups/0/Items/0]' Name=keyboard-us '[GroupOrder]' 0=Default > "$XDG_CONFIG_HOME/fcitx5/profile"
env "${addon_places[@]}" fcitx5 > "$work/fcitx5.log" 2>&1 &
pids+=($!)
timeout 10 bash -c "until [[ -S '$ORVIK_HOOK_SOCKET' ]]; do sleep 0.05; done" \
  || { echo "fcitx5 did not load orvikhook (see fcitx5.log)" >&2; exit 1; }
printf '%s\n' '[Settings]' 'System 98=False' > "$XDG_CONFIG_HOME/orvik2004/VietOrvikU2004.ini"
QT_QPA_PLATFORM=wayland "$program" "${data_option[@]}" --ime-on > "$work/orvik2004.log" 2>&1 &
pids+=($!)
timeout 30 bash -c "until grep -qs 'the key hook answers' '$work/orvik2004.log'; do sleep 0.05; done" \
  || { echo "orvik2004 did not reach the key hook (see orvik2004.log)" >&2; exit 1; }
sleep 1

# The entry's prompt is Vietnamese, which zenity refuses in a locale that is
# not UTF-8.
LC_ALL=C.UTF-8 GDK_BACKEND=wayland zenity --entry --timeout=60 --title=orvik-e2e --text='Gõ vào đây' > "$work/typed" 2>"$work/zenity.log" &
zenity_pid=$!
timeout 10 bash -c 'until swaymsg -t get_tree | grep -q "\"app_id\": \"zenity\""; do sleep 0.1; done' \
  || { echo "the entry did not open" >&2; exit 1; }
swaymsg '[app_id="zenity"] focus' >/dev/null
timeout 10 bash -c 'until [[ "$(fcitx5-remote)" != 0 ]]; do sleep 0.05; done' \
  || { echo "the entry has no input context of fcitx5" >&2; exit 1; }
# fcitx5 has the input context as soon as the field enables text input, but
# grabs the keyboard through the compositor a moment later; a key typed in
# between reaches the field untouched.
sleep 1
swaymsg -t get_tree > "$work/tree.json"

shot() { [[ -n "$shots" ]] && grim "$shots/wayland-$1.png"; return 0; }
wtype -d 80 hoaf
sleep 0.5
shot typing
wtype 1
sleep 0.5
wtype -d 80 hoaf
wtype -k space
sleep 1.5
shot reading
wtype -k Return
wait "$zenity_pid" || true
typed=$(cat "$work/typed")
echo "2K mode on Wayland: [$typed]"
[[ "$typed" == "和 hòa " ]] || { echo "expected [和 hòa ]" >&2; exit 1; }
echo "PASSED"
