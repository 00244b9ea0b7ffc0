#!/bin/sh
# Runs the screen-reader test on its own X server and private session bus, on which the AT-SPI
# bus starts when the game asks for it. Skipped (77) only where these cannot be installed.
for tool in xvfb-run dbus-run-session dbus-send /usr/libexec/at-spi-bus-launcher; do
  command -v "$tool" >/dev/null 2>&1 || { echo "SKIP: $tool is missing (tools/setup-debian installs it)"; exit 77; }
done
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "SKIP: python3-pyatspi is missing (tools/setup-debian installs it)"; exit 77; }
export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
# A desktop session starts the accessibility bus before any program; the game joins it at start.
exec xvfb-run -a -s "-screen 0 1024x768x24" dbus-run-session -- sh -c \
  'dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null && exec "$@"' sh "$@"
