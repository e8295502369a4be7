#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# What a screen reader reads, taken from a private accessibility bus: the list named on the command line is a
# list named after its file, whose three entries read as their titles, the caret on the first; Down moves the
# caret and the selection to the second, as the bus then reports. In the finder and the settings dialog every
# button, slider and box has a name.
if [ -z "${TUNARY_E2E_SESSION_BUS:-}" ]; then
    command -v dbus-run-session >/dev/null || { echo "FAIL: no dbus-run-session (setup.sh installs dbus)" >&2; exit 1; }
    TUNARY_E2E_SESSION_BUS=1 exec dbus-run-session -- bash "$0" "$@"
fi
source "$(dirname "$0")/lib.sh"

launcher=/usr/libexec/at-spi-bus-launcher
[ -x "$launcher" ] || fail "no $launcher (scripts/setup.sh installs at-spi2-core)"
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || fail "no pyatspi in /usr/bin/python3 (setup.sh installs it)"
# In a process group of its own, so that its bus and the registry it starts end with it.
setsid "$launcher" --launch-immediately >"$work/bus.log" 2>&1 &
pids+=(-$!)
bus_up() { dbus-send --session --print-reply --dest=org.freedesktop.DBus / org.freedesktop.DBus.NameHasOwner \
    string:org.a11y.Bus | grep -q true; }
wait_until 10 bus_up || fail "the accessibility bus did not come up: $(cat "$work/bus.log")"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
reader() { /usr/bin/python3 "$(dirname "$0")/accessibility.py" "$1" "$tunary" "${@:2}"; }
reads() { [ "$(reader "${@:2}" 2>&1)" = "$1" ]; }

write_settings "$(make_player)"
printf '/m/a.mp3\r\n/m/b.mp3\r\n/m/c.mp3\r\n' >"$work/three.m3u"
start_playing "$work/three.m3u"
tunary=${pids[-1]}
activate "$frame"
wait_until 10 reads $'a caret\nb\nc' rows three.m3u || fail "the list reads: $(reader rows three.m3u 2>&1)"
xdotool key Down
wait_until 5 reads $'a\nb selected caret\nc' rows three.m3u || fail "after Down: $(reader rows three.m3u 2>&1)"

# The finder, opened on a folder that is not there, says so and opens the settings dialog.
xdotool key ctrl+a
answer "Error Number: 4"
wait_until 10 reads "" unnamed "Add MP3" 7 || fail "the finder: $(reader unnamed "Add MP3" 7 2>&1)"
wait_until 10 reads "" unnamed Options 25 || fail "the settings dialog: $(reader unnamed Options 25 2>&1)"
echo "PASS"
