#!/bin/sh
# The web engine keeps its sandbox for everyone but root, who turns it off and
# says so on standard error. Runs the bundled page's test as a user (nobody,
# as root) whose environment asks for no sandbox, and as root, reading the
# engine's processes' command lines: a switch that takes a sandbox away must
# be on root's alone, and a user's renderers run under seccomp's filter.
# Usage: sandbox_kept.sh TST_WEBENGINE
set -eu
award=$1

fail() {
    echo "sandbox_kept: $*" >&2
    exit 1
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
trap 'exit 1' INT TERM

# descendants PID: the processes below PID, however deep.
descendants() {
    for child in $(pgrep -P "$1" || true); do
        echo "$child"
        descendants "$child"
    done
}

# run NAME COMMAND...: runs the page's test and writes what the engine's
# processes were started with into $work/NAME.flags, its output into NAME.log.
run() {
    name=$1
    shift
    "$@" "$award" bundledPageLoadsAndItsLinksWork >"$work/$name.log" 2>&1 &
    test=$!
    : >"$work/$name.flags"
    while kill -0 "$test" 2>/dev/null; do
        for p in $(descendants "$test"); do
            tr '\0' '\n' 2>/dev/null <"/proc/$p/cmdline" | grep -E "^--type=|$sandbox_off" >>"$work/$name.flags" || true
            sed -n 's/^Seccomp:\t*/seccomp=/p' "/proc/$p/status" >>"$work/$name.flags" 2>/dev/null || true
        done
        sleep 0.05
    done
    wait "$test" || { cat "$work/$name.log" >&2; fail "the page's test failed for $name"; }
    grep -q -- '--type=zygote' "$work/$name.flags" || fail "no engine process of $name's was seen"
}

# Every switch that takes a sandbox away, as the game knows them.
sandbox_off='^--?(no-sandbox|single-process|in-process-gpu|(no|disable)-[^=]*sandbox)(=|$)'
environment="env QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 HOME=$work/home XDG_RUNTIME_DIR=$work/runtime"
# A user whose environment asks the engine, in ways it reads, to run without
# its sandbox (with --single-process it would start no process of its own):
# the engine trims blanks, tabs and line ends from each argument.
asking=QTWEBENGINE_DISABLE_SANDBOX=1
flags=$(printf 'QTWEBENGINE_CHROMIUM_FLAGS="--no-sandbox" -no-sandbox=1 \t--single-process --in-process-gpu\r')

as_user=""
if [ "$(id -u)" -ne 0 ]; then
    mkdir -m 700 "$work/home" "$work/runtime"
else
    command -v runuser >/dev/null 2>&1 || fail "runuser is missing"
    install -d -m 700 -o nobody "$work/home" "$work/runtime"
    chmod 755 "$work"
    if ! runuser -u nobody -- test -x "$award"; then
        echo "sandbox_kept: nobody cannot reach $award; skipped"
        exit 77
    fi
    as_user="runuser -u nobody --"
fi
# The engine's own switches (its unsandboxed zygote's, for one) are those of
# a user who asks nothing; asking adds none.
run plain $as_user $environment
run user $as_user $environment $asking "$flags"
if [ -n "$as_user" ]; then
    rm -rf "$work/home" "$work/runtime"
    mkdir -m 700 "$work/home" "$work/runtime"
    run root $environment
    grep -q -- '--no-sandbox' "$work/root.flags" || fail "root's engine kept a sandbox it cannot start with"
    grep -q "sandbox is turned off" "$work/root.log" || fail "root was not told that the sandbox is off"
fi
grep -E -- "$sandbox_off" "$work/user.flags" | grep -vxF -f "$work/plain.flags" | sort -u >"$work/added" || true
if [ -s "$work/added" ] || grep -q "sandbox is turned off" "$work/user.log"; then
    fail "a user's engine ran without its sandbox: $(tr '\n' ' ' <"$work/added")"
fi
grep -qx 'seccomp=2' "$work/user.flags" || fail "no process of a user's engine ran under seccomp's filter"
echo "the engine kept its sandbox for a user$( [ "$(id -u)" -ne 0 ] || echo ' and turned it off for root alone')"
