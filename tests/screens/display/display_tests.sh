#!/bin/bash
# Runs the display tests on a virtual X display of 1366x768 with a window manager and the us and
# ru keyboard layouts, us active. Exit 77 (skipped) when a tool is missing.
#   display_tests.sh <radirav_display_tests binary> [gtest arguments...]
set -u
program=$1
shift
for tool in Xvfb openbox setxkbmap xdotool xprop; do
    command -v "$tool" >/dev/null 2>&1 || { echo "skipped: $tool is not installed"; exit 77; }
done
display=:$((100 + RANDOM % 100))
Xvfb "$display" -screen 0 1366x768x24 -nolisten tcp >/dev/null 2>&1 & xvfb=$!
export DISPLAY=$display
wm=
finish() { kill $wm "$xvfb" 2>/dev/null; wait 2>/dev/null; }
trap finish EXIT
until xdotool getdisplaygeometry >/dev/null 2>&1; do sleep 0.05; done
openbox >/dev/null 2>&1 & wm=$!
# openbox manages the screen once it has set its check window on the root.
for _ in $(seq 1 100); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window && break; sleep 0.05; done
setxkbmap us,ru
# The sanitizer build: leaks inside the system libraries of a real X session are not ours.
export LSAN_OPTIONS="suppressions=$(dirname "$0")/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
"$program" "$@"
