#!/bin/bash
# Starts the real program under Xvfb with a window manager: the main window
# must appear; a second copy must say so and end; a copy killed outright must
# not keep the next one from starting.
set -u
program=$(readlink -f "$1")
if [ -z "${SMOKE_INNER:-}" ]; then
  export SMOKE_INNER=1
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$program"
fi

home=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$home"' EXIT
export HOME=$home XDG_CONFIG_HOME=$home/config XDG_RUNTIME_DIR=$home/run
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM
openbox >/dev/null 2>&1 &

fail() { echo "FAIL: $*"; exit 1; }
# wait_for PID NAME: the id of a window of that process titled exactly NAME
# (case matters: the toolkit's own hidden windows carry the lower-case name)
wait_for() {
  for _ in $(seq 100); do
    for id in $(xdotool search --pid "$1" --name "$2" 2>/dev/null); do
      [ "$(xdotool getwindowname "$id")" = "$2" ] && { echo "$id"; return 0; }
    done
    sleep 0.2
  done
  return 1
}

"$program" & first=$!
main=$(wait_for $first "Augurium v1.20") || fail "the main window did not appear"
echo "main window shown"

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
echo "1 passed, 0 failed"
