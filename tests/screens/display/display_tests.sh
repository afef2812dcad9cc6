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
finish() { stop_virtual_display; wait 2>/dev/null; }
trap finish EXIT
. "$(dirname "$0")/../virtual_display.sh"
start_virtual_display 1366x768 || exit 1
setxkbmap us,ru
# The sanitizer build: leaks inside the system libraries of a real X session are not ours.
export LSAN_OPTIONS="suppressions=$(dirname "$0")/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
"$program" "$@"
