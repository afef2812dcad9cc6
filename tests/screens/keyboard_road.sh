#!/bin/bash
# The real program on a virtual X display with a window manager, driven by the keys a student
# presses. First a general group with a value out of range: Space, Enter, Escape and Tab on
# every window that comes up, every input box answered empty (0 is out of range for every
# general parameter), must never lead past the group and never end the program. Then the
# keyboard alone goes the constant-ALFA road to the results.
# Exit 77 (skipped) when the virtual display, the window manager or xdotool is missing.
#   keyboard_road.sh <radirav binary> <screenshot folder>
set -u
program=$1 shots=$2
for tool in Xvfb openbox xprop xdotool import timeout; do
    command -v "$tool" >/dev/null 2>&1 || { echo "skipped: $tool is not installed"; exit 77; }
done
mkdir -p "$shots"
# The input the program keeps at every hand-over goes to a folder of this run, not the user's.
XDG_DATA_HOME=$(mktemp -d)
export XDG_DATA_HOME
pid=
finish() { [ -n "$pid" ] && kill "$pid" 2>/dev/null; stop_virtual_display; wait 2>/dev/null; rm -rf "$XDG_DATA_HOME"; }
trap finish EXIT
. "$(dirname "$0")/virtual_display.sh"
start_virtual_display 1280x1024 || exit 1
env -u QT_QPA_PLATFORM "$program" >/dev/null 2>&1 & pid=$!
fail() { echo "FAILED: $*"; import -window root "$shots/keyboard-road-failure.png"; exit 1; }

active_name() { xdotool getwindowname "$(xdotool getactivewindow 2>/dev/null)" 2>/dev/null; }
# An input box is a window whose title has no leading blanks (the screens' captions of the
# typing state start with blanks) and starts with "ВВОД".
box_is_up() { local n; n=$(active_name); [[ "$n" == ВВОД* ]]; }
last_box=0
# Waits (up to 5 s) for an input box other than the last one answered, types, presses Enter.
answer() {
    local w n
    for _ in $(seq 1 100); do
        w=$(xdotool getactivewindow 2>/dev/null); n=$(xdotool getwindowname "$w" 2>/dev/null)
        if [ "$w" != "$last_box" ] && [[ "$n" == ВВОД* ]]; then break; fi
        sleep 0.05
    done
    [[ "$n" == ВВОД* ]] || fail "no input box for '$1' (active: $n)"
    last_box=$w
    [ -n "$1" ] && xdotool type --delay 2 "$1"
    xdotool key Return
}
wait_for() { # title prefix
    for _ in $(seq 1 100); do [[ "$(active_name)" == "$1"* ]] && return 0; sleep 0.05; done
    fail "no window '$1' (active: $(active_name))"
}
seen_beyond() { xdotool search --onlyvisible --name "Укрепляющая|РЕЗУЛЬТАТЫ|ВЫБОР ТАРЕЛОК" >/dev/null 2>&1; }

wait_for "Введение"
xdotool key Escape; sleep 0.3
[[ "$(active_name)" == "Введение" ]] || fail "Escape left the title screen"
xdotool key space
answer "Студент"; answer "Этанол-Вода"
for v in 0 0.08 0.95 0.0006 2257.67 46 18 0.187 0.0000263 760 5.25 1386.3; do answer "$v"; done
wait_for "   КОНТРОЛЬ"

# Hostile keys on the failing group and on whatever it opens.
for key in Escape space Return Escape Tab space Return Tab Tab Return space Escape Return Return space \
           Tab Escape space Return Escape Tab Return space; do
    xdotool key "$key"; sleep 0.25
    while box_is_up; do last_box=0; xdotool key Return; sleep 0.25; done
    seen_beyond && fail "a key led past the general group with F = 0 (after $key)"
    kill -0 "$pid" 2>/dev/null || fail "a key ended the program (after $key)"
done
import -window root "$shots/keyboard-road-held.png"
kill "$pid"; wait "$pid" 2>/dev/null

# The constant-ALFA road by keyboard alone.
env -u QT_QPA_PLATFORM "$program" >/dev/null 2>&1 & pid=$!
wait_for "Введение"; last_box=0
xdotool key Return
answer "Студент"; answer "Этанол-Вода"
for v in 2.78 0.08 0.95 0.0006 2257.67 46 18 0.187 0.0000263 760 5.25 1386.3; do answer "$v"; done
wait_for "   КОНТРОЛЬ"; xdotool key Return
for v in 0.683 0.04 0.6589 96.33 960.7 0.011 0.0121 0.21; do answer "$v"; done
wait_for "   КОНТРОЛЬ"; xdotool key Return
for v in 0.592 0.04 0.3602 81.9 796.676 0.01057 0.0115 0.0432; do answer "$v"; done
wait_for "   КОНТРОЛЬ"; xdotool key Return
wait_for "ВЫБОР ТАРЕЛОК"; xdotool key space
wait_for "ОПРЕДЕЛЕНИЕ ЛЕТУЧЕСТИ"
# "Not constant" comes first in tab order, "constant" second.
xdotool key Tab; sleep 0.2; xdotool key Return
answer "10"
wait_for "РЕЗУЛЬТАТЫ РАСЧЁТА"
sleep 0.5
# The sample with ALFA 10 on bubble-cap trays: 15 trays, feed tray 11 (no error line).
xdotool search --onlyvisible --name "РЕЗУЛЬТАТЫ РАСЧЁТА" >/dev/null || fail "no results window"
import -window root "$shots/keyboard-road-results.png"
echo "keyboard road passed; screenshots in $shots"
