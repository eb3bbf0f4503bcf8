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
home=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$home"' EXIT
export HOME=$home XDG_CONFIG_HOME=$home/config XDG_RUNTIME_DIR=$home/run
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM
openbox >/dev/null 2>&1 &
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" >/dev/null 2>&1 &
/usr/bin/python3 "$here/screenreader.py"
