#!/bin/sh
# Starts the program on a virtual X display, waits for its window by title and screenshots the
# display. Exit 77 (skipped) when the virtual display or the X tools are missing.
#   window_smoke.sh <radirav binary> <window title> <screenshot.png> [program arguments...]
set -u
program=$1 title=$2 shot=$3
shift 3
for tool in xvfb-run Xvfb xdotool import timeout; do
    command -v "$tool" >/dev/null 2>&1 || { echo "skipped: $tool is not installed"; exit 77; }
done
rm -f "$shot"
export RADIRAV_SMOKE_PROGRAM="$program" RADIRAV_SMOKE_TITLE="$title" RADIRAV_SMOKE_SHOT="$shot"
xvfb-run -a -s "-screen 0 1280x1024x24" sh -c '
    unset QT_QPA_PLATFORM
    "$RADIRAV_SMOKE_PROGRAM" "$@" & pid=$!
    status=0
    if timeout 20 xdotool search --sync --onlyvisible --name "$RADIRAV_SMOKE_TITLE" >/dev/null; then
        sleep 0.3
        import -window root "$RADIRAV_SMOKE_SHOT" || status=1
    else
        echo "no window titled $RADIRAV_SMOKE_TITLE appeared"; status=1
    fi
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    exit $status
' smoke "$@"
status=$?
[ "$status" -eq 0 ] || exit "$status"
[ -s "$shot" ] || { echo "no screenshot at $shot"; exit 1; }
echo "screenshot: $shot"
