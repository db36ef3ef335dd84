#!/usr/bin/env bash
# Runs a widget test in a real X server with a window manager, under the
# platform theme given, as a desktop with that theme would start the game.
# Usage: under-desktop-theme.sh THEME TEST [TEST ARGUMENTS...]
set -euo pipefail
theme=$1; shift
work=$(mktemp -d)
cleanup() {
    kill "${wm:-}" "${xvfb:-}" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks a free display and writes its number once it accepts clients.
exec {displayfd}>"$work/display"
Xvfb -displayfd "$displayfd" -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb=$!
for _ in $(seq 200); do [[ -s $work/display ]] && break; sleep 0.05; done
export DISPLAY=:$(head -n1 "$work/display")
openbox --sm-disable >"$work/openbox.log" 2>&1 &
wm=$!
# The window manager is up once it names itself on the root window.
for _ in $(seq 200); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.05
done

export QT_QPA_PLATFORM=xcb QT_QPA_PLATFORMTHEME=$theme
unset QT_STYLE_OVERRIDE
exec dbus-run-session -- "$@"
