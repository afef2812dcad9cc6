#!/bin/bash
# The real program on a virtual X display with openbox: the close button of the title bar is
# clicked on every working window of a first run, the menu, the re-entry choice and the editor.
# Each time the question "Завершить работу с программой?" must come, and Escape, Enter, "Нет"
# or its own close must leave the program going on the same window. Enter on the menu and after
# printing never ends the program. One "Да" ends it, and `radirav --last` starts with every value
# typed. The re-entry choice closed or left with Escape brings the menu back, whose
# recalculation uses the points it shows; no road leaves a second results window or a check
# screen behind the editor.
# Exit 77 (skipped) when the virtual display, the window manager or xdotool is missing.
#   close_road.sh <radirav binary> <screenshot folder> <a case file with points>
set -u
program=$1 shots=$2 points_case=$3
for tool in Xvfb openbox xprop xdotool xwininfo import; do
    command -v "$tool" >/dev/null 2>&1 || { echo "skipped: $tool is not installed"; exit 77; }
done
mkdir -p "$shots"
home=$(mktemp -d)
export HOME=$home XDG_DATA_HOME=$home/data XDG_DOCUMENTS_DIR=$home/docs
last=$XDG_DATA_HOME/radirav/last.case
pid=
start() { env -u QT_QPA_PLATFORM "$program" "$@" >/dev/null 2>&1 & pid=$!; }
finish() { [ -n "$pid" ] && kill "$pid" 2>/dev/null; stop_virtual_display; wait 2>/dev/null; rm -rf "$home"; }
trap finish EXIT
. "$(dirname "$0")/virtual_display.sh"
start_virtual_display 1366x768 || exit 1
fail() { echo "FAILED: $*"; import -window root "$shots/close-road-failure.png"; exit 1; }
alive() { kill -0 "$pid" 2>/dev/null; }

active() { xdotool getactivewindow 2>/dev/null; }
active_name() { xdotool getwindowname "$(active)" 2>/dev/null; }
wait_for() { # exact title or prefix
    for _ in $(seq 1 200); do [[ "$(active_name)" == "$1"* ]] && return 0; sleep 0.05; done
    fail "no window '$1' (active: '$(active_name)')"
}
last_box=0
answer() { # waits for an input box other than the last one answered, types, presses Enter
    local w n
    for _ in $(seq 1 100); do
        w=$(active); n=$(xdotool getwindowname "$w" 2>/dev/null)
        if [ "$w" != "$last_box" ] && [[ "$n" == ВВОД* || "$n" == Ведите* ]]; then break; fi
        sleep 0.05
    done
    [[ "$n" == ВВОД* || "$n" == Ведите* ]] || fail "no input box for '$1' (active: $n)"
    last_box=$w
    [ -n "$1" ] && xdotool type --delay 2 -- "$1"
    xdotool key Return
}
# The frame openbox put around a client window: its outermost ancestor below the root.
root=$(xwininfo -root | awk '/Window id:/ {print $4}')
frame_of() {
    local w=$1 parent
    while parent=$(xwininfo -tree -id "$w" | awk '/Parent window id:/ {print $4}'); [ -n "$parent" ] && [ "$parent" != "$root" ]; do
        w=$parent
    done
    echo "$w"
}
# Clicks the close button at the right end of the title bar of window $1 (the active one by
# default), as a student does.
click_close() {
    local f x y w
    f=$(frame_of "${1:-$(active)}")
    x=$(xwininfo -id "$f" | awk '/Absolute upper-left X/ {print $4}')
    y=$(xwininfo -id "$f" | awk '/Absolute upper-left Y/ {print $4}')
    w=$(xwininfo -id "$f" | awk '/Width/ {print $2}')
    xdotool mousemove $((x + w - 11)) $((y + 9)) click 1
}
# A left click at x, y inside the active window (its own pixels, as the screens place controls).
click_in() {
    local w=$(active) x y
    x=$(xwininfo -id "$w" | awk '/Absolute upper-left X/ {print $4}')
    y=$(xwininfo -id "$w" | awk '/Absolute upper-left Y/ {print $4}')
    xdotool mousemove $((x + $1)) $((y + $2)) click 1
}
# The title-bar close asks; the way `how` answers must keep the program on window `title`.
close_keeps() { # title how
    local title=$1 how=$2
    wait_for "$title"
    click_close
    wait_for "Окончание работы"
    case $how in
        escape) xdotool key Escape ;;
        enter) xdotool key Return ;;
        no) xdotool key space ;;
        close) click_close ;;
    esac
    sleep 0.4
    alive || fail "closing '$title' and answering with $how ended the program"
    wait_for "$title"
}
close_yes() { # title
    wait_for "$1"
    click_close
    wait_for "Окончание работы"
    xdotool key Tab; sleep 0.1; xdotool key space  # from "Нет" back to "Да"
    for _ in $(seq 1 60); do alive || return 0; sleep 0.05; done
    fail "\"Да\" did not end the program"
}
count_windows() { xdotool search --name "$1" 2>/dev/null | wc -l; }
one_results_window() {
    local n; n=$(count_windows "^(РАСЧЁТ|РЕЗУЛЬТАТЫ РАСЧЁТА)$")
    [ "$n" -le 1 ] || fail "$n results windows loaded ($1)"
}

# First run: the constant-ALFA road, every window closed once on the way.
start
close_keeps "Введение" escape
xdotool key Return
# While an input box is open, the window behind it does not close.
wait_for "ВВОД ФАМИЛИИ"
click_close "$(xdotool search --onlyvisible --name "^   ВВОД ИСХОДНОЙ ИНФОРМАЦИИ$" | head -1)"; sleep 0.4
alive || fail "a close behind the name box ended the program"
[[ "$(active_name)" == "ВВОД ФАМИЛИИ" ]] || fail "the name box went away under a close (active: $(active_name))"
answer "student ivanov"
answer "ethanol-water"
# A feed of 0 fails the check: the confirmation's close keeps correcting, as its "Да" does.
for v in 0 0.08 0.95 0.0006 2257.67 46 18 0.187 0.0000263 760 5.25 1386.3; do answer "$v"; done
close_keeps "   КОНТРОЛЬ" enter
click_in 333 298                                 # "НЕ ИЗМЕНЯЕТЕ ИСХОДНУЮ ИНФОРМАЦИЮ", red
wait_for "Внимание !"
click_close; sleep 0.4
alive || fail "closing the confirmation ended the program"
wait_for "   ПРОВЕРКА"
close_keeps "   ПРОВЕРКА" escape
xdotool key Return                               # the list has the focus: its first line
answer "2.78"
wait_for "   ПРОВЕРКА"
click_in 244 260                                 # "КОНЕЦ ИСПРАВЛЕНИЙ"
for v in 0.683 0.04 0.6589 96.33 960.7 0.011 0.0121 0.21; do answer "$v"; done
close_keeps "   КОНТРОЛЬ" close
xdotool key Return
for v in 0.592 0.04 0.3602 81.9 796.676 0.01057 0.0115 0.0432; do answer "$v"; done
close_keeps "   КОНТРОЛЬ" no
xdotool key Return
close_keeps "ВЫБОР ТАРЕЛОК" escape
xdotool key space
close_keeps "ОПРЕДЕЛЕНИЕ ЛЕТУЧЕСТИ" enter
xdotool key Tab; sleep 0.2; xdotool key Return
answer "10"
close_keeps "РЕЗУЛЬТАТЫ РАСЧЁТА" escape
# Printing, then three Enters: the message, then printing again and its message.
xdotool key Return
wait_for "Печать"
for _ in 1 2 3; do xdotool key Return; sleep 0.6; done
alive || fail "Enter after printing ended the program"
for _ in $(seq 1 20); do [[ "$(active_name)" == "Печать"* ]] && xdotool key Return; sleep 0.2; done
wait_for "РЕЗУЛЬТАТЫ РАСЧЁТА"
import -window root "$shots/close-road-results.png"
# The menu opens on its first group: Enter there opens that group, never the end.
xdotool key Tab; sleep 0.2; xdotool key Return
close_keeps "Изменение исходной информации" escape
import -window root "$shots/close-road-menu.png"
xdotool key Return; sleep 0.5
alive || fail "Enter on the freshly opened menu ended the program"
close_keeps "   ВВОД ИСХОДНОЙ ИНФОРМАЦИИ" enter
close_yes "   ВВОД ИСХОДНОЙ ИНФОРМАЦИИ"
[ -s "$last" ] || fail "no last input in $last after the end"
grep -q '^NAME = Student Ivanov$' "$last" || fail "the last input lost the name: $(head -3 "$last")"
grep -q '^LSUK = 0.683' "$last" || fail "the last input lost a typed value"
grep -q '^ALFA = 10$' "$last" || fail "the last input lost ALFA"

# `radirav --last` starts with it: the names offered again, then the results of that input.
start --last
wait_for "Введение"; last_box=0
xdotool key Return
answer ""; answer ""
wait_for "РЕЗУЛЬТАТЫ РАСЧЁТА"
close_yes "РЕЗУЛЬТАТЫ РАСЧЁТА"

# Points, then Antoine constants, then back to the points through the re-entry choice.
start "$points_case"
wait_for "Введение"; last_box=0
xdotool key Return
answer ""; answer ""
wait_for "РЕЗУЛЬТАТЫ РАСЧЁТА"
tab_to() { for _ in $(seq 1 "$1"); do xdotool key Tab; sleep 0.05; done; }
xdotool key Tab; sleep 0.2; xdotool key Return  # the menu
wait_for "Изменение исходной информации"
tab_to 7; xdotool key Return; sleep 0.2          # "Смесь идеальна"
tab_to 1; xdotool key Return                     # "Константы Антуана", entered for the first time
for v in 23 1200 -120 12 1100 -145; do answer "$v"; done
wait_for "   ПРОВЕРКА"; xdotool key Return
wait_for "РЕЗУЛЬТАТЫ РАСЧЁТА"; one_results_window "Antoine results"
xdotool key Tab; sleep 0.2; xdotool key Return
wait_for "Изменение исходной информации"
tab_to 6; xdotool key Return; sleep 0.2          # "Смесь не идеальна"
tab_to 2; xdotool key Return                     # "Равновесные данные": the re-entry choice
for _ in $(seq 1 60); do [ "$(active_name)" = " " ] && break; sleep 0.05; done
[ "$(active_name)" = " " ] || fail "no re-entry choice (active: '$(active_name)')"
import -window root "$shots/close-road-reentry.png"
xdotool key Escape
wait_for "Изменение исходной информации"
tab_to 8; xdotool key Return                     # "Равновесные данные" again
for _ in $(seq 1 60); do [ "$(active_name)" = " " ] && break; sleep 0.05; done
[ "$(active_name)" = " " ] || fail "no re-entry choice the second time"
click_close
wait_for "Изменение исходной информации"
tab_to 9; xdotool key Return                     # "Расчёт с изменёнными данными"
wait_for "РЕЗУЛЬТАТЫ РАСЧЁТА"; one_results_window "recalculated"
# The menu showed the points as chosen: they, not the constants, were calculated with.
xdotool key Tab; sleep 0.2; xdotool key Return
wait_for "Изменение исходной информации"
tab_to 8; xdotool key Return
for _ in $(seq 1 60); do [ "$(active_name)" = " " ] && break; sleep 0.05; done
xdotool key Tab; sleep 0.1; xdotool key Return   # "Корректируете уже введённые данные ?"
wait_for "Коррекция равновесной зависимости"
[ "$(count_windows "КОНТРОЛЬ ВВОДА РАВНОВЕСНОЙ")" -eq 0 ] || fail "a check screen stays loaded behind the editor"
close_keeps "Коррекция равновесной зависимости" escape
import -window root "$shots/close-road-editor.png"
xdotool key Return                               # "Изменения задания точек"
close_keeps "Коррекция равновесной зависимости" enter
click_in 100 80                                  # the x of point 3 picked
sleep 0.3; xdotool key Escape; sleep 0.3          # given back its text, the editor idle
click_in 212 438                                 # "КОНЕЦ ИЗМЕНЕНИЙ"
wait_for "РЕЗУЛЬТАТЫ РАСЧЁТА"; one_results_window "from the editor"
close_yes "РЕЗУЛЬТАТЫ РАСЧЁТА"
grep -q '^POINT = ' "$last" || fail "the recalculation did not use the points the menu showed: $(grep -E 'ALFA|ANTOINE|POINT' "$last" | head -2)"
grep -q '^ANTOINE' "$last" && fail "the last calculation still names the Antoine constants"
echo "close road passed; screenshots in $shots"
