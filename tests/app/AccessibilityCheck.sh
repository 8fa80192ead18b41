#!/usr/bin/env bash
# Runs AccessibilityCheck.py against the pixmaro program inside a virtual X server and a private
# D-Bus session. Exits 77 (skipped) when Xvfb, D-Bus or the AT-SPI Python bindings are missing.
set -u
program=$1
here=$(cd "$(dirname "$0")" && pwd)
for tool in xvfb-run dbus-run-session; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
/usr/bin/python3 -c "import pyatspi" 2>/dev/null ||
  { echo "skipped: python3-pyatspi is not installed"; exit 77; }
[ -x /usr/libexec/at-spi-bus-launcher ] || { echo "skipped: at-spi2-core is not installed"; exit 77; }
# A virtual server that is slow to come up under load (the sanitizer builds) can refuse the first
# connection: the whole check is tried once more before it counts as failed.
for attempt in 1 2; do
  xvfb-run -a -s "-screen 0 1024x768x24" \
    dbus-run-session -- /usr/bin/python3 "$here/AccessibilityCheck.py" "$program" && exit 0
  echo "attempt $attempt failed" >&2
done
exit 1
