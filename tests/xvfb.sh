# Sourced by the test scripts that need an X server of their own; the script
# defines fail MESSAGE, and its trap ends $xserver.

# require TOOL...: fails unless every TOOL is installed.
require() {
    for tool in "$@"; do
        command -v "$tool" >/dev/null 2>&1 || fail "$tool is missing; scripts/install-deps.sh installs it"
    done
}

# wait_for TEST PATH PROCESS WHAT LOG: polls `test TEST PATH` for up to 30 s
# while PROCESS runs; else shows LOG and fails, saying that WHAT did not start.
wait_for() {
    tries=0
    until test "$1" "$2"; do
        tries=$((tries + 1))
        [ "$tries" -le 300 ] && kill -0 "$3" 2>/dev/null || { cat "$5" >&2; fail "$4 did not start"; }
        sleep 0.1
    done
}

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
# holds, for up to SECONDS while the process PID runs (- for none); else
# fails: WHAT.
within() {
    within_tries=$(($1 * 10)) within_what=$2 within_pid=$3
    shift 3
    until "$@"; do
        within_tries=$((within_tries - 1))
        [ "$within_tries" -gt 0 ] || fail "$within_what"
        [ "$within_pid" = - ] || kill -0 "$within_pid" 2>/dev/null || fail "$within_what (process $within_pid ended)"
        sleep 0.1
    done
}

# ended PID WHAT: waits up to 30 s for PID to end; else fails: WHAT.
ended() { within 30 "$2" - ended_already "$1"; }
ended_already() { ! kill -0 "$1" 2>/dev/null; }
