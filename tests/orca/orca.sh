#!/bin/bash
# Runs walk.py against the real program with Debian's Orca listening: a
# display with a window manager, a session bus with the accessibility bus on
# it, the program, and Orca started by listener.py so that what it would say
# is written to its log.
set -u
/usr/bin/python3 -c "import orca.orca_platform" 2>/dev/null || { echo "FAIL: Orca is not installed (apt install orca)"; exit 1; }
program=$(readlink -f "$1")
here=$(dirname "$(readlink -f "$0")")
if [ -z "${ORCA_INNER:-}" ]; then
  export ORCA_INNER=1
  exec xvfb-run -a -s "-screen 0 1280x1024x24" dbus-run-session -- "$0" "$program" "${@:2}"
fi
. "$here/../desktopsession.sh"
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" >"$home/program.log" 2>&1 &
mkdir -p "$home/orca"
/usr/bin/python3 "$here/listener.py" "$home/orca.log" "$home/orca" >"$home/listener.log" 2>&1 &
/usr/bin/python3 "${WALK:-$here/walk.py}" "$home/orca.log"
status=$?
[ $status -eq 0 ] || { echo "--- listener"; tail -20 "$home/listener.log"; }
[ -n "${ORCA_KEEP_LOG:-}" ] && cp "$home/orca.log" "$ORCA_KEEP_LOG"
exit $status
