#!/bin/sh
# Plays the game by keys on a desktop of its own (gnome.sh, kwin.sh, sway.sh,
# x11.sh: keys through its own input, checks from its own window list), a game
# for each SCORE (14, 10, 0; on X11 12 as well, the browser prize's page on a
# real display) to its end: grand prize, browser page, animation, or Sorry,
# Back, Play again and the board's close box. Each check fails with
# what the player would meet; with DESKTOP_ENTRY on X11, the window's class is
# checked against its StartupWMClass.
# Usage: play.sh gnome|kwin|sway|x11 LVTRIV ANSWERS [SCORE...]
set -eu
desktop=$1
program=$2
answers=$3
shift 3
[ $# -gt 0 ] || if [ "$desktop" = x11 ]; then set -- 14 12 10 0; else set -- 14 10 0; fi
desktop_dir=$(dirname "$0")
tests_dir=$desktop_dir/..

fail() {
    echo "$desktop: $*" >&2
    # A game still running when it failed: the windows as they stand now, not
    # as last looked at, and where the game waits (a close ignored or an exit
    # that hangs). A failure in either is not reported again.
    if [ -n "${game:-}" ] && [ -z "${failed:-}" ] && ! ended_already "$game"; then
        failed=1
        (desktop_windows >"$work/windows") 2>/dev/null || true
        ! command -v gdb >/dev/null || gdb -p "$game" -batch -ex 'bt 25' 2>/dev/null | grep '^#' >&2 || true
    fi
    if [ -s "${work:-/nonexistent}/windows" ]; then
        echo "--- windows, top first (caption, x, y, width, height, keyboard):" >&2
        cat "$work/windows" >&2
    fi
    show_logs compositor game
    [ -z "${work:-}" ] || desktop_screenshot "${TMPDIR:-/tmp}/lvtriv-$desktop-failed.png" 2>/dev/null || true
    exit 1
}
. "$tests_dir/xvfb.sh"
. "$tests_dir/session.sh"
. "$desktop_dir/$desktop.sh"
require dbus-daemon gdbus /usr/libexec/at-spi-bus-launcher
# find_key_client NAME: $key_client, the key client NAME that tests/desktop builds into $KEY_CLIENTS.
find_key_client() { key_client=${KEY_CLIENTS:-}/$1 && [ -x "$key_client" ] || fail "no $key_client: build tests/desktop, and name its folder in KEY_CLIENTS"; }

work=$(mktemp -d)
export work LC_ALL=C.UTF-8
home_of_its_own
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
game=""
cleanup() {
    [ -z "$game" ] || kill "$game" 2>/dev/null || true
    desktop_stop
    end_session
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

start_session_bus
start_a11y_bus
desktop_start
a11y_enable

# await WHAT TEST...: waits up to $patience s (30) for the command TEST to
# hold on the window list while the game runs, else fails: WHAT.
await() {
    what=$1
    shift
    within "${patience:-30}" "$what" "${game:--}" listed "$@"
}
listed() { desktop_windows >"$work/windows" && not_urgent && "$@"; }

# not_urgent: no window is marked urgent (a column of its own where the
# desktop tells), which the game may not ask for; else fails.
not_urgent() {
    ! awk -F '\t' '$8 == 1 { print $1; found = 1 } END { exit !found }' "$work/windows" >"$work/urgent" ||
        fail "$(cat "$work/urgent") is marked urgent"
}

# keyboard_on CAPTION: the window captioned CAPTION holds the keyboard. KWin
# shows a run of blanks in a caption as one, so captions are compared so.
keyboard_on() { row "$1" | awk -F '\t' '$6 == 1 { held = 1 } END { exit !held }'; }

# shown CAPTION: a window captioned CAPTION is up.
shown() { row "$1" | grep -q .; }

# row CAPTION: CAPTION's line of the window list.
row() {
    awk -F '\t' -v caption="$1" '{ shown = $1; gsub(/ +/, " ", shown); gsub(/ +/, " ", caption) }
        shown == caption { print; exit }' "$work/windows"
}

# over BOX OWNER: BOX is above OWNER and overlaps it.
over() {
    box=$(row "$1")
    owner=$(row "$2")
    [ -n "$box" ] && [ -n "$owner" ] || return 1
    printf '%s\n%s\n' "$box" "$owner" | awk -F '\t' '
        NR == 1 { x = $2; y = $3; r = $2 + $4; b = $3 + $5 }
        NR == 2 { exit !(x < $2 + $4 && $2 < r && y < $3 + $5 && $3 < b) }' &&
        awk -v box="$box" -v owner="$owner" '$0 == box { exit 0 } $0 == owner { exit 1 }' "$work/windows"
}

# score_alone: the board is gone, the score window is up (on Sway, riding
# on the main window).
score_alone() {
    [ -z "$(row "The Quiz!")" ] && { [ -n "$(row "Score Window")" ] || [ -n "$(row "(popup)")" ]; }
}

# uncovered: the score (on Wayland the board's uncaptioned popup, above it;
# on X11 a window the window manager stacks) on screen, over none of the
# board's buttons and menu bar, which the accessibility bus lists (one button
# at least) in the board; the board on screen, none of them cut.
uncovered() {
    card=$(row "Score Window")
    [ -n "$card" ] || card=$(row "(popup)")
    [ -n "$card" ] || return 1
    board=$(row "The Quiz!")
    if ! awk -F '\t' '$1 == "Score Window" || $1 == "(popup)" { exit } $1 == "The Quiz!" { exit 1 }' "$work/windows"; then
        [ "$desktop" = x11 ] || fail "the score window is under the board"
        return 0
    fi
    [ -s "$work/board.$game" ] || a11y window "$game" "The Quiz!" >"$work/board.$game"
    grep -q '^push button' "$work/board.$game" || fail "the accessibility bus lists no board with a push button"
    { echo "$card"; echo "$board"; cat "$work/board.$game"; } | awk -F '\t' '
        NR == 1 { x = $2; y = $3; r = $2 + $4; b = $3 + $5
                  if (x < 0 || y < 0 || r > 1024 || b > 768) { print "the score window is off the screen"; exit 1 } }
        NR == 2 { if ($2 < 0 || $3 < 0 || $2 + $4 > 1024 || $3 + $5 > 768) { print "the board is off the screen"; exit 1 }
                  frame = $0 }
        NR == 3 { split(frame, f, "\t"); split($2, c, " "); width = c[3]; height = c[4]
                  border = (f[4] - width) / 2; left = f[2] + border; top = f[3] + f[5] - border - height }
        NR > 3 && ($1 == "push button" || $1 == "menu bar") { split($2, c, " ")
            if (c[1] < 0 || c[2] < 0 || c[1] + c[3] > width || c[2] + c[4] > height) { print "the board cuts a control"; exit 1 }
            cx = left + c[1]; cy = top + c[2]; cr = cx + c[3]; cb = cy + c[4]
            if (x < cr && cx < r && y < cb && cy < b) { print "the score window covers the board at " cx "," cy; exit 1 } }' \
        >"$work/covered" || fail "$(cat "$work/covered")"
}

# Linux key codes of the keys pressed and characters typed (letters, digits, space, . , / ;).
key() {
    case $1 in
    Tab) desktop_keys 15 ;;
    space) desktop_keys 57 ;;
    F1) desktop_keys 59 ;;
    Return) desktop_keys 28 ;;
    esac
}
type_text() {
    codes=$(printf '%s' "$1" | tr 'A-Z' 'a-z' | od -An -tu1 -v | tr -s ' ' '\n' | awk '
        BEGIN { split("q w e r t y u i o p", top, " "); split("a s d f g h j k l", home, " ")
                split("z x c v b n m", bottom, " ")
                for (i in top) code[top[i]] = 15 + i; for (i in home) code[home[i]] = 29 + i
                for (i in bottom) code[bottom[i]] = 43 + i
                for (i = 1; i <= 9; i++) code[i] = i + 1; code[0] = 11
                code[" "] = 57; code["."] = 52; code[","] = 51; code["/"] = 53; code[";"] = 39 }
        NF { c = sprintf("%c", $1); if (!(c in code)) { print "no key for " c > "/dev/stderr"; exit 1 }; printf "%d ", code[c] }')
    # shellcheck disable=SC2086 # one code a word
    desktop_keys $codes
}

# up_as_window CAPTION: CAPTION has the keyboard, and the accessibility bus
# gives it a window's role, as a screen reader announces it: frame, dialog or
# window (on X11 the score window a dialog).
up_as_window() {
    await "$1 did not come up with the keyboard" keyboard_on "$1"
    role=$(a11y role "$game" "$1")
    case $role in
    frame | dialog | window) ;;
    *) fail "$1 is a \"$role\" on the accessibility bus, not a window" ;;
    esac
}

# Each step of a game (tests/game.sh) as the window list shows it; buttons and
# boxes show nothing of their own. Wrong answers leave the boxes empty.
meet() {
    case $1 in
    window) up_as_window "$2" ;;
    warning)
        await "Play's warning did not come up" keyboard_on "Danger, Dud Ozezodiz!  Danger!"
        await "Play's warning is not on top over the main window" over "Danger, Dud Ozezodiz!  Danger!" "Lumen Vesper Quiz v3.0"
        ;;
    # The board takes the first key typed once it has the keyboard, as a
    # player types it: the score is looked for after the first verdict.
    board) await "the keyboard is not on the board after Play" keyboard_on "The Quiz!" ;;
    verdict)
        await "question $2's verdict did not come up with the keyboard" keyboard_on Message
        await "question $2's verdict is not on top over its window" over Message "Question $2"
        ;;
    judged)
        await "the keyboard is not back on the board after question $2's verdict" keyboard_on "The Quiz!"
        [ "$2" != 1 ] || await "the score window is not up beside the board" uncovered
        # A window of its own on X11, which a screen reader meets as a dialog.
        [ "$2" != 1 ] || [ "$desktop" != x11 ] || [ "$(a11y role "$game" "Score Window")" = dialog ] ||
            fail "the score window is not a dialog on the accessibility bus"
        ;;
    esac
}
typed() { [ "$1" = right ]; }
. "$tests_dir/game.sh"

# started_well: with its main window up, the game has loaded no web engine,
# image plugin or GTK (Qt's GTK theme is installed, as Debian installs it);
# where the compositor draws the title bars (KWin, Sway) neither Qt's nor the
# OpenGL driver they bring, on X11 no OpenGL driver, and on GNOME Qt's title
# bars, whatever the desktop's name says. It is one application on the
# accessibility bus, and its peak is within 1.10x of the first game's.
started_well() {
    grep -q '/libQt6Widgets' "/proc/$game/maps" || fail "the game's memory map could not be read"
    ls /usr/lib/*/qt6/plugins/platformthemes/libqgtk3.so >/dev/null 2>&1 || fail "Qt's GTK platform theme is missing"
    heavy='/libQt6WebEngine[^/]*$|/imageformats/|/libgtk-3[^/]*$|/libatk-bridge[^/]*$'
    case $desktop in
    kwin | sway) heavy="$heavy|/libEGL_mesa|/wayland-decoration-client/" ;;
    x11) heavy="$heavy|_dri\.so$|/libLLVM[^/]*$" ;;
    # Qt's decoration plugin: bradient, or from Qt 6.8 on GNOME, adwaita.
    gnome) grep -q /wayland-decoration-client/ "/proc/$game/maps" || fail "the game drew no title bars of its own" ;;
    esac
    if awk '$6 ~ /^\// { print $6 }' "/proc/$game/maps" | sort -u | grep -E "$heavy" >&2; then
        fail "the game loaded at start what its first window does not use"
    fi
    a11y alone "$game"
    peak=$(awk '/^VmHWM/ { print $2 }' "/proc/$game/status")
    first_peak=${first_peak:-$peak}
    [ "$((peak * 10))" -le "$((first_peak * 11))" ] ||
        fail "peak memory at start $((peak / 1024)) MiB, above 1.10x the first game's $((first_peak / 1024)) MiB"
}

# play RIGHT: starts the game as a launcher does and plays it to the tally.
play() {
    launches=$((${launches:-0} + 1))
    # As the desktop's launcher starts it: in the session (session.sh), with
    # its own variables from desktop_launch N, and not sway.sh's key pipes (7, 8).
    (
        # shellcheck disable=SC2046 # the session, then a word each variable
        set -- $(desktop_launch "$launches")
        session_variables "$1"
        shift
        exec env "$@" "$program"
    ) >"$work/game.log" 2>&1 7>&- 8>&- &
    game=$!
    await "the main window did not come up with the keyboard" keyboard_on "Lumen Vesper Quiz v3.0"
    if [ -n "${DESKTOP_ENTRY:-}" ] && command -v desktop_window_class >/dev/null; then
        wanted=$(sed -n 's/^StartupWMClass=//p' "$DESKTOP_ENTRY")
        class=$(desktop_window_class "Lumen Vesper Quiz v3.0")
        [ -n "$wanted" ] && [ "$class" = "$wanted" ] ||
            fail "the main window's class is \"$class\", $DESKTOP_ENTRY says \"$wanted\""
    fi
    started_well
    key Tab
    play_from_about "$1"
}

# quiet: the game printed nothing but, as root, the browser's word on it.
quiet() {
    if [ "$(id -u)" = 0 ]; then
        ! grep -v -e '^lvtriv: running as root, so ' -e '^Sandboxing disabled by user\.$' "$work/game.log"
    else
        [ ! -s "$work/game.log" ]
    fi
}

# ends WHAT: the game ends at WHAT (stop: kills it), status 0 (143 killed), printing nothing.
ends() {
    [ "$1" != stop ] || kill "$game"
    ended "$game" "the game (at $1)" "$([ "$1" != stop ] || echo 143)"
    game=""
    quiet || fail "the game printed something"
}

for right in "$@"; do
    play "$right"
    if [ "$right" -ge 10 ]; then
        await "the award did not come up" keyboard_on "Way to go!"
        key Return
    fi
    case $right in
    14)
        up_as_window "Lumen Vesper Lumen Comets game for the SFC"
        key Tab
        key space
        ends "the grand prize's QUIT"
        echo "$desktop: fourteen right, the grand prize"
        ;;
    12 | 13)
        # The engine starts with the first page: slow on a loaded machine.
        patience=120 await "the browser prize did not show its page" shown "Lumen Vesper Manga Summaries"
        ends stop
        echo "$desktop: $right right, the browser prize's page"
        ;;
    10 | 11)
        up_as_window "Animation Prize"
        key space
        ends "the animation's QUIT"
        echo "$desktop: $right right, the animation"
        ;;
    *)
        await "the tally's answer did not come up" keyboard_on Sorry
        key Return
        await "the keyboard is not back on the board after the tally" keyboard_on "The Quiz!"
        # From the tally button round to Back, past the fourteen questions.
        for n in $(seq 1 15); do key Tab; done
        key space
        await "Back did not give the keyboard to the main window" keyboard_on "Lumen Vesper Quiz v3.0"
        # Help by F1, after its reminder; asked for again from the main
        # window (where the window manager switches windows by Alt+Tab), it
        # comes to the front with the keyboard. Its OK gives the keyboard
        # back to the main window, with the score still up.
        key F1
        await "Help's reminder did not come up" keyboard_on "Follow the rules"
        key Return
        up_as_window "Lumen Vesper Quiz Help"
        if command -v desktop_switch >/dev/null; then
            desktop_switch
            await "Alt+Tab did not give the main window the keyboard" keyboard_on "Lumen Vesper Quiz v3.0"
            key F1
            await "Help asked for again did not come up with the keyboard" keyboard_on "Lumen Vesper Quiz Help"
        fi
        key space
        await "the keyboard is not back on the main window after Help" keyboard_on "Lumen Vesper Quiz v3.0"
        await "the score is not up after Help" score_alone
        if command -v desktop_close >/dev/null; then
            # Play again, and close the board as its close box does: the
            # score window stays up, a window of its own.
            key space
            await "Play's warning did not come up again" keyboard_on "Danger, Dud Ozezodiz!  Danger!"
            key Return
            await "the keyboard is not on the board after Play again" keyboard_on "The Quiz!"
            desktop_close
            await "the board's close box took the score window with it" score_alone
            # The main window's close box leaves the score, a window of its
            # own, the last one up: its close box ends the game.
            await "the keyboard is not on the main window after the board's close box" \
                keyboard_on "Lumen Vesper Quiz v3.0"
            desktop_close
            await "the main window's close box left no score window to close" keyboard_on "Score Window"
            desktop_close
            ends "the last window's close box"
        else
            key Tab
            key space
            ends "the main window's QUIT"
        fi
        echo "$desktop: $right right"
        ;;
    esac
done
