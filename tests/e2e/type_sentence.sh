#!/usr/bin/env bash
# Inside a typing session (scripts/ime-session --ime-on): opens APP, sets
# the candidate window's sending mode, types the sentence of
# sentence_e2e.sh at DELAY ms per key and writes what the application then
# holds to OUT.
#
# usage: type_sentence.sh zenity|gtk4|qt|xterm|writer 2K|98 OUT DELAY_MS
# (ORVIK_BUILD: the build folder, for the Qt window; SHOTS: a folder for a
# screenshot of the application after the sentence). fcitx5's log, with the
# hook's lines, is kept as OUT.fcitx5.log.
set -euo pipefail
app=$1
mode=$2
out=$3
delay=$4
trap 'echo "type_sentence: $app, $mode: failed at line $LINENO: $BASH_COMMAND" >&2' ERR

# shellcheck source=windows.sh
source "$(dirname "$0")/windows.sh"
# The applications' texts are Vietnamese: a UTF-8 locale, whatever the
# machine's.
export LC_ALL=C.UTF-8
# GTK 4 draws with OpenGL unless told otherwise; Xvfb has none.
export GSK_RENDERER=cairo

: > "$out"
case $app in
  zenity)
    zenity --text-info --editable --title=orvik-e2e-gtk3 --width=700 --height=300 > "$out" 2> "$out.log" &
    search=(--name '^orvik-e2e-gtk3$') ;;
  gtk4)
    gnome-text-editor --standalone --ignore-session "$out" > "$out.log" 2>&1 &
    search=(--class '^gnome-text-editor$') ;;
  qt)
    "${ORVIK_BUILD:?}/bin/e2e_qt_notepad" "$out" > "$out.log" 2>&1 &
    search=(--name '^orvik-e2e-qt$') ;;
  xterm)
    xterm -T orvik-e2e-xterm -geometry 80x10 -e sh -c "cat > '$out'" > "$out.log" 2>&1 &
    search=(--name '^orvik-e2e-xterm$') ;;
  writer)
    # A profile of its own that leaves the typed text as typed; the text
    # is saved as a text file.
    profile="$out.profile"
    mkdir -p "$profile/user"
    cp "$(dirname "$0")/writer_settings.xcu" "$profile/user/registrymodifications.xcu"
    : > "$out.txt"
    soffice -env:UserInstallation="file://$profile" --norestore --nologo --nodefault --writer "$out.txt" > "$out.log" 2>&1 &
    search=(--name "^$(basename "$out").txt - LibreOffice Writer\$") ;;
  *) echo "type_sentence: no application $app" >&2; exit 2 ;;
esac
app_pid=$!

window=$(find_window "$app_pid" "$out.log" 30 "${search[@]}")
candidates=$(find_window "$app_pid" "$out.log" 30 --name "^$candidate_title\$")
xdotool windowmove --sync "$window" 40 300
# Focused, with a click in the middle that puts the focus in its text, until
# its input context is fcitx5's focused one.
focus_text() {
  for _ in $(seq 15); do
    xdotool windowfocus --sync "$window"
    eval "$(xdotool getwindowgeometry --shell "$window")"
    # Without --sync: the pointer is already there from the attempt before,
    # and xdotool would wait for a move that never comes.
    xdotool mousemove --window "$window" $((WIDTH / 2)) $((HEIGHT / 2)) click 1
    # GTK 4 gives its text an input context only at the first key it sees:
    # a Shift alone, which types nothing.
    xdotool key shift
    timeout 2 bash -c 'until [[ "$(fcitx5-remote)" != 0 ]]; do sleep 0.05; done' && return 0
  done
  echo "$app: its text never took the input method's focus" >&2
  return 1
}
focus_text
# The application settles before the first key.
sleep 1

if [[ "$mode" == 2K ]]; then
  choose_sending_mode "$mode" "$candidates"
  focus_text
fi

# shellcheck disable=SC2046  # the sentence is words of keys
xdotool key --delay "$delay" $(cat "$(dirname "$0")/sentence.keys")
# The last deliveries (a paste, its Space) land before the text is read.
sleep 2
[[ -n "${SHOTS:-}" ]] && import -window root "$SHOTS/$app-$mode-${delay}ms.png"

wait_for_text() {
  timeout 10 bash -c "until [[ -s '$1' ]]; do sleep 0.1; done" || { echo "$app saved nothing" >&2; return 1; }
}
case $app in
  zenity)
    eval "$(xdotool getwindowgeometry --shell "$window")"
    xdotool mousemove --sync --window "$window" $((WIDTH - 50)) $((HEIGHT - 25)) click 1  # OK
    wait "$app_pid" ;;
  gtk4)
    xdotool key ctrl+s
    wait_for_text "$out"
    kill "$app_pid" ;;
  qt)
    xdotool key ctrl+s
    wait "$app_pid" ;;
  xterm)
    # The last line has no line end: the first Ctrl+D hands it to cat, the
    # second ends cat.
    xdotool key ctrl+d ctrl+d
    wait "$app_pid" ;;
  writer)
    xdotool key ctrl+s
    wait_for_text "$out.txt"
    xdotool key ctrl+q
    wait "$app_pid"
    # Writer begins its text files with a byte-order mark.
    sed '1s/^\xEF\xBB\xBF//' "$out.txt" > "$out" ;;
esac
cp "$(dirname "$ORVIK_HOOK_SOCKET")/fcitx5.log" "$out.fcitx5.log"
