#!/bin/bash
# Starts the real program under Xvfb with a window manager: the main window
# must appear; its About box must stand centred, frame and all; a second copy
# must say so and end; Alt+E must end the program only from the main window;
# a copy killed outright must not keep the next one from starting; without a
# display the program must say so and end with status 1.
set -u
program=$(readlink -f "$1")
if [ -z "${SMOKE_INNER:-}" ]; then
  export SMOKE_INNER=1
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$program"
fi

. "$(dirname "$(readlink -f "$0")")/desktopsession.sh"

fail() { echo "FAIL: $*"; exit 1; }
# windows_of PID NAME: the ids of that process's windows titled exactly NAME
# (--all: both conditions, not either; case matters: the toolkit's own
# hidden windows carry the lower-case name)
windows_of() {
  for id in $(xdotool search --all --pid "$1" --name "$2" 2>/dev/null); do
    [ "$(xdotool getwindowname "$id")" = "$2" ] && echo "$id"
  done
}
# wait_for PID NAME [EXCEPT]: the id of such a window other than EXCEPT
wait_for() {
  for _ in $(seq "${tries:-100}"); do
    for id in $(windows_of "$1" "$2"); do
      [ "$id" != "${3:-}" ] && { echo "$id"; return 0; }
    done
    sleep 0.2
  done
  return 1
}
# centred ID: the window, with the frame the window manager gave it, stands
# in the middle of the 1280 x 1024 screen (to a pixel or two)
centred() {
  # xwininfo, not xdotool: xdotool counts the frame twice for a framed window
  local X Y WIDTH HEIGHT
  X=$(xwininfo -id "$1" | sed -n 's/.*Absolute upper-left X: *//p')
  Y=$(xwininfo -id "$1" | sed -n 's/.*Absolute upper-left Y: *//p')
  WIDTH=$(xwininfo -id "$1" | sed -n 's/.*Width: *//p')
  HEIGHT=$(xwininfo -id "$1" | sed -n 's/.*Height: *//p')
  read -r left right top bottom < <(xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,/ /g')
  local dx=$(( (X - left) + (WIDTH + left + right) / 2 - 640 ))
  local dy=$(( (Y - top) + (HEIGHT + top + bottom) / 2 - 512 ))
  echo "About box off centre by $dx, $dy (frame $left $right $top $bottom)"
  [ "${dx#-}" -le 2 ] && [ "${dy#-}" -le 2 ]
}

"$program" & first=$!
main=$(wait_for $first "Augurium v1.20") || fail "the main window did not appear"
echo "main window shown"

# Help > About, by keyboard; again if the keys came before the window took them
for _ in 1 2 3; do
  xdotool windowactivate --sync "$main" key --clearmodifiers alt+h a
  about=$(tries=15 wait_for $first "Augurium v1.20" "$main") && break
done
[ -n "${about:-}" ] || fail "the About box did not appear"
sleep 0.5
centred "$about" || fail "the About box is not centred"
xdotool windowactivate --sync "$about" key --clearmodifiers Escape
for _ in $(seq 50); do [ -z "$(windows_of $first "Augurium v1.20" | grep -v "^$main$")" ] && break; sleep 0.1; done
echo "About box centred and closed"

"$program" & second=$!
box=$(wait_for $second "Augurium") || fail "a second copy showed no message"
xdotool windowactivate --sync "$box" key --clearmodifiers Return
for _ in $(seq 50); do kill -0 $second 2>/dev/null || break; sleep 0.2; done
kill -0 $second 2>/dev/null && fail "the second copy did not end"
wait $second || fail "the second copy ended with an error"
kill -0 $first 2>/dev/null || fail "the first copy did not survive the second"
echo "second copy refused"

kill -9 $first; wait $first 2>/dev/null

"$program" & third=$!
main=$(wait_for $third "Augurium v1.20") || fail "a stale lock kept the program from starting"
xdotool windowactivate --sync "$main" key --clearmodifiers alt+F4  # the close box, through the window manager
for _ in $(seq 50); do kill -0 $third 2>/dev/null || break; sleep 0.2; done
kill -0 $third 2>/dev/null && fail "closing the main window did not end the program"
echo "stale lock recovered; closing ends the program"

# Enter on the focused first launcher button opens the Domino oracle; Alt+E
# there is that window's business and must not end the program; once it is
# closed (File > Exit, from the window's own menus), Alt+E is the main
# window's Exit again.
"$program" & fourth=$!
main=$(wait_for $fourth "Augurium v1.20") || fail "the program did not start again"
xdotool windowactivate --sync "$main" key --clearmodifiers Return
sleep 1
xdotool key --clearmodifiers alt+e
sleep 1
kill -0 $fourth 2>/dev/null || fail "Alt+E in an oracle window ended the program"
xdotool key --clearmodifiers alt+f x
sleep 0.5
xdotool key --clearmodifiers alt+e
for _ in $(seq 50); do kill -0 $fourth 2>/dev/null || break; sleep 0.2; done
kill -0 $fourth 2>/dev/null && fail "Alt+E in the main window did not end the program"
echo "Alt+E: the oracle window's, then the main window's"

for display in "" ":77"; do
  out=$(env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY="$display" "$program" 2>&1); status=$?
  [ $status -eq 1 ] || fail "without a display ('$display') the program ended with $status"
  echo "$out" | grep -q "needs a desktop session" || fail "without a display the program said: $out"
done
echo "no display: plain message, status 1"
echo "1 passed, 0 failed"
