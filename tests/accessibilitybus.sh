#!/bin/bash
# Runs a test with Qt's accessibility bridge on, as on a screen reader's
# desktop: a display and a session bus with the accessibility bus on it.
# Elsewhere Qt tells screen readers nothing, so no test can hear what it
# would tell them.
set -u
if [ -z "${ACCESSIBILITYBUS_INNER:-}" ]; then
  export ACCESSIBILITYBUS_INNER=1
  exec xvfb-run -a -s "-screen 0 1280x1024x24" dbus-run-session -- "$0" "$@"
fi
unset QT_QPA_PLATFORM
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
# The accessibility bus starts when first asked for; Qt waits until it is there.
dbus-send --session --dest=org.a11y.Bus --print-reply /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null
exec "$@"
