# Sourced by the test scripts that need an X server of their own; the script
# defines fail MESSAGE, and its trap ends $xserver.

# require TOOL...: fails unless every TOOL is installed.
require() {
    for tool in "$@"; do
        command -v "$tool" >/dev/null 2>&1 || fail "$tool is missing; scripts/install-deps.sh installs it"
    done
}

# wait_for TEST PATH PROCESS WHAT LOG: within 30 s, `test TEST PATH` while
# PROCESS runs; else shows LOG and fails, saying that WHAT did not start.
wait_for() { within_log=$5; within 30 "$4 did not start" "$3" test "$1" "$2"; within_log=""; }

# start_xvfb FOLDER [SIZE]: starts Xvfb with a screen of SIZE (1600x1200),
# which picks a free display itself and writes its number into FOLDER/display
# once it is ready; sets xserver and exports DISPLAY.
start_xvfb() {
    Xvfb -displayfd 3 -screen 0 "${2:-1600x1200}x24" -nolisten tcp 3>"$1/display" 2>"$1/xvfb.log" &
    xserver=$!
    wait_for -s "$1/display" "$xserver" Xvfb "$1/xvfb.log"
    DISPLAY=":$(head -n 1 "$1/display")"
    export DISPLAY
}

# within SECONDS WHAT PID COMMAND...: polls COMMAND every 0.1 s until it
# holds, for up to SECONDS by the clock (a poll may itself take seconds) while
# the process PID runs (- for none); else shows $within_log and fails: WHAT.
within() {
    read -r within_end _ </proc/uptime
    within_end=$((${within_end%.*} + $1)) within_what=$2 within_pid=$3
    shift 3
    until "$@"; do
        read -r within_now _ </proc/uptime
        [ "$within_pid" = - ] || kill -0 "$within_pid" 2>/dev/null ||
            within_what="$within_what (process $within_pid ended)" within_now=$((within_end + 1))
        [ "${within_now%.*}" -le "$within_end" ] || { cat "${within_log:-/dev/null}" >&2; fail "$within_what"; }
        sleep 0.1
    done
}

# ended PID WHAT [KILLED]: the child PID ends within 30 s with status 0 (or
# KILLED, that of our own kill: 143; a crash gives 139); else fails: WHAT.
ended() {
    within 30 "$2 did not end" - ended_already "$1"
    wait "$1" 2>/dev/null || { ended_status=$?; [ "$ended_status" -eq "${3:-0}" ] || fail "$2 ended with status $ended_status"; }
}
ended_already() { ! kill -0 "$1" 2>/dev/null; }
