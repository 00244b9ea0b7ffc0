#!/bin/sh
# The screen-reader test on an X server and session bus of its own; skipped (77) without its tools.
for tool in Xvfb dbus-run-session dbus-send /usr/libexec/at-spi-bus-launcher; do
  command -v "$tool" >/dev/null 2>&1 || { echo "SKIP: $tool is missing (tools/setup-debian installs it)"; exit 77; }
done
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "SKIP: python3-pyatspi is missing"; exit 77; }
set -e
export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
dir=$(mktemp -d)
trap 'kill "$xvfb" 2>/dev/null; rm -rf "$dir"' EXIT
mkfifo "$dir/display"  # the server names a free display once it takes clients: no race between tests
Xvfb -displayfd 3 -nolisten tcp -screen 0 1024x768x24 3>"$dir/display" 2>"$dir/xvfb.log" &
xvfb=$!
read -r display <"$dir/display" || { cat "$dir/xvfb.log"; exit 1; }
export DISPLAY=":$display"
dbus-run-session -- sh -c 'dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
  org.a11y.Bus.GetAddress >/dev/null && exec "$@"' sh "$@"
