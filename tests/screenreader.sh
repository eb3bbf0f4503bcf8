#!/bin/bash
# Gives screenreader.py what a screen reader has on a desktop: a display with
# a window manager, a session bus with the accessibility bus on it, and the
# program running with its accessibility bridge on.
set -u
program=$(readlink -f "$1")
here=$(dirname "$(readlink -f "$0")")
if [ -z "${SCREENREADER_INNER:-}" ]; then
  export SCREENREADER_INNER=1
  exec xvfb-run -a -s "-screen 0 1280x1024x24" dbus-run-session -- "$0" "$program"
fi
. "$(dirname "$(readlink -f "$0")")/desktopsession.sh"
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" >/dev/null 2>&1 &
/usr/bin/python3 "$here/screenreader.py"
