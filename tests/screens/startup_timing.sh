#!/bin/sh
# Time from launching the program to its title window being mapped, and its resident memory
# once idle, on a virtual X display started beforehand (so the server's start is not counted).
#   startup_timing.sh <radirav binary> [runs]
set -u
program=$1 runs=${2:-5}
display=:$(( $$ % 500 + 100 ))
Xvfb "$display" -screen 0 1280x1024x24 -noreset -nolisten tcp >/dev/null 2>&1 & xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
export DISPLAY=$display
unset QT_QPA_PLATFORM
until xdotool getdisplaygeometry >/dev/null 2>&1; do sleep 0.05; done
i=0
while [ "$i" -lt "$runs" ]; do
    start=$(date +%s%N)
    "$program" & pid=$!
    tries=0
    until xdotool search --onlyvisible --name "Введение" >/dev/null 2>&1; do
        tries=$((tries + 1))
        [ "$tries" -lt 2000 ] && kill -0 "$pid" 2>/dev/null || { echo "no title window"; exit 1; }
    done
    end=$(date +%s%N)
    sleep 1
    rss=$(ps -o rss= -p "$pid")
    echo "run $((i + 1)): mapped after $(( (end - start) / 1000000 )) ms, idle RSS $((rss / 1024)) MB"
    kill "$pid"; wait "$pid" 2>/dev/null
    i=$((i + 1))
done
