# Sourced by the scripts that drive the real windows. Starts a virtual X display on a number
# Xvfb finds free itself (tests run side by side never share a display), then openbox on it,
# and returns once openbox gives new windows the focus.
#   start_virtual_display WIDTHxHEIGHT   exports DISPLAY; sets xvfb_pid and wm_pid
#   stop_virtual_display
# Needs Xvfb, openbox and xprop; a script checks for them before it starts.
start_virtual_display() {
    local number_file
    number_file=$(mktemp)
    # Xvfb writes its display number to fd 3 once it accepts clients.
    Xvfb -displayfd 3 -screen 0 "${1}x24" -nolisten tcp 3>"$number_file" >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 1 200); do [ -s "$number_file" ] && break; sleep 0.05; done
    DISPLAY=:$(tr -d '[:space:]' <"$number_file")
    export DISPLAY
    rm -f "$number_file"
    [ "$DISPLAY" != ":" ] || { echo "the virtual display did not start"; return 1; }
    openbox >/dev/null 2>&1 &
    wm_pid=$!
    # openbox sets its check window on the root early in its start; a window mapped before it
    # has entered its event loop is managed without the focus, so it is given a moment more.
    for _ in $(seq 1 100); do
        if xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window; then
            sleep 1
            return 0
        fi
        sleep 0.05
    done
    echo "openbox did not start"
    return 1
}

stop_virtual_display() {
    kill ${wm_pid:-} ${xvfb_pid:-} 2>/dev/null
}
