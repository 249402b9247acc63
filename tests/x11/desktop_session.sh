#!/bin/sh
# Runs the desktop program on a real X server (Xvfb, started by the caller
# through xvfb-run) under openbox, and drives it with xdotool as a person
# would: Esc, the stay-on-top box, and the system-wide Enter key of the
# prompt, also with a second instance running.
#   desktop_session.sh VORLITH_BINARY
set -u
VORLITH=$1
fail() { echo "FAIL: $*"; cleanup; exit 1; }
pids=""
cleanup() { for p in $pids; do kill "$p" 2>/dev/null; done; wait 2>/dev/null; }
trap cleanup EXIT

openbox >/dev/null 2>&1 &
pids="$pids $!"
sleep 1

# Waits for a window whose title matches $1 and prints its id.
window() { timeout 10 xdotool search --sync --onlyvisible --name "$1" 2>/dev/null | head -n1; }
gone() {
  i=0
  while [ $i -lt 50 ]; do
    xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
    sleep 0.1; i=$((i + 1))
  done
  return 1
}
# Retries a check for up to three seconds: the window manager answers later.
eventually() {
  i=0
  while [ $i -lt 30 ]; do
    "$@" && return 0
    sleep 0.1; i=$((i + 1))
  done
  return 1
}
above() { xprop -id "$1" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE; }
not_above() { ! above "$1"; }
start_vorlith() {
  "$VORLITH" >/dev/null 2>&1 &
  VPID=$!
  pids="$pids $VPID"
}
# Clicks at client coordinates of window $1.
click() { xdotool mousemove --window "$1" "$2" "$3" click 1; sleep 0.3; }
# Opens the source picker of window $1, cancels it: the prompt appears.
show_prompt() {
  click "$1" 80 22
  dialog=$(window "请选择源照片目录:") || true
  [ -n "$dialog" ] || fail "the folder picker did not open"
  xdotool windowactivate --sync "$dialog" key Escape
  sleep 0.5
}

echo "-- Esc on the main window ends the program with 0"
start_vorlith
W=$(window '^Vorlith$'); [ -n "$W" ] || fail "no main window"
xdotool windowactivate --sync "$W" key Escape
timeout 10 sh -c "while kill -0 $VPID 2>/dev/null; do sleep 0.1; done" || fail "Esc did not end the program"
wait "$VPID"; code=$?
[ "$code" = 0 ] || fail "exit code $code after Esc"

echo "-- stay on top: _NET_WM_STATE_ABOVE, same place and size"
start_vorlith
W=$(window '^Vorlith$'); [ -n "$W" ] || fail "no main window"
before=$(xdotool getwindowgeometry "$W")
click "$W" 420 22
eventually above "$W" || fail "not above after checking 置顶"
[ "$(xdotool getwindowgeometry "$W")" = "$before" ] || fail "the window moved or resized"
click "$W" 420 22
eventually not_above "$W" || fail "still above after unchecking"

echo "-- Enter in another application closes the prompt, which keeps the key"
show_prompt "$W"
P=$(window '提示：'); [ -n "$P" ] || fail "no prompt"
xmessage -default okay -name other "another application" &
XPID=$!
pids="$pids $XPID"
X=$(window 'other'); [ -n "$X" ] || fail "no xmessage window"
xdotool windowactivate --sync "$X"
sleep 0.3
xdotool key Return
gone '提示：' || fail "Enter did not close the prompt"
kill -0 "$XPID" 2>/dev/null || fail "the other application received the Enter key"
xdotool windowactivate --sync "$X" key Return
sleep 0.5
kill -0 "$XPID" 2>/dev/null && fail "Enter is still taken after the prompt went"

echo "-- a second instance gets no Enter key"
show_prompt "$W"
FIRSTPID=$VPID
start_vorlith
SECONDPID=$VPID
sleep 1
W2=$(xdotool search --all --sync --onlyvisible --pid "$SECONDPID" --name '^Vorlith$' | head -n1)
[ -n "$W2" ] || fail "no second main window"
show_prompt "$W2"
[ "$(xdotool search --onlyvisible --name '提示：' | wc -l)" = 2 ] || fail "expected two prompts"
xdotool key Return
sleep 0.8

sleep 0.8
P2=$(xdotool search --all --onlyvisible --pid "$SECONDPID" --name '提示：' | head -n1)
[ -n "$P2" ] || fail "Enter closed the second instance's prompt"
xdotool search --all --onlyvisible --pid "$FIRSTPID" --name '提示：' >/dev/null 2>&1 && fail "Enter did not close the first prompt"
xdotool windowactivate --sync "$P2" key Escape
sleep 0.5
xdotool search --all --onlyvisible --pid "$SECONDPID" --name '提示：' >/dev/null 2>&1 && fail "Esc did not close the second prompt"

echo "PASS"
