#!/bin/sh
# What a blind player hears: whole games by keys under Orca, on an X server
# and buses of its own, each step awaiting what Orca's transcript says
# ("SPEECH OUTPUT: '...'" lines), never a fixed time. Fourteen right, twelve
# and ten. Each game has an Orca of its own, started first; the first two
# games find it by the accessibility bus, as a player's do, the third by Qt's
# variable.
# Usage: screenreader.sh LVTRIV ANSWERS
set -eu
program=$1
answers=$2

fail() {
    echo "screenreader: $*" >&2
    [ ! -s "${transcript:-/nonexistent}" ] || {
        echo "--- what Orca said last:" >&2
        heard | tail -n 30 >&2
        cp "$transcript" "${TMPDIR:-/tmp}/screenreader-transcript.log"
        echo "--- Orca's whole log: ${TMPDIR:-/tmp}/screenreader-transcript.log" >&2
    }
    show_logs game
    exit 1
}
tests_dir=$(dirname "$0")
. "$tests_dir/xvfb.sh"

. "$tests_dir/session.sh"

require Xvfb openbox orca xdotool dbus-daemon gdbus /usr/libexec/at-spi-bus-launcher

work=$(mktemp -d)
xserver=""

cleanup() {
    end_session
    [ -z "$xserver" ] || end "$xserver"
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

start_xvfb "$work"
openbox --sm-disable --config-file /dev/null >"$work/openbox.log" 2>&1 &
remember $!

home_of_its_own
# No dconf service: settings live in each process's memory.
export GSETTINGS_BACKEND=memory LC_ALL=C.UTF-8
# A player's game finds Orca by the accessibility bus alone, in a desktop's
# session: GNOME's on X11, where Qt would choose GTK's platform theme.
unset QT_LINUX_ACCESSIBILITY_ALWAYS_ON
session_variables gnome-xorg

start_session_bus
start_a11y_bus

# Orca's own settings: the transcript written line by line, no key echo, no
# braille display to look for.
orcadir="$XDG_DATA_HOME/orca"
mkdir -p "$orcadir"
cat >"$orcadir/orca-customizations.py" <<'PY'
import orca.debug
import orca.settings
orca.debug.debugFile.reconfigure(line_buffering=True)
orca.debug.debugLevel = orca.debug.LEVEL_INFO
orca.settings.enableKeyEcho = False
orca.settings.enableEchoByCharacter = False
orca.settings.enableEchoByWord = False
orca.settings.enableBraille = False
PY

# start_orca: a new Orca for each game, its transcript a new one. Orca 48
# keeps what it learnt of an object for a minute, by the address of its own
# record of it, and a new game's objects soon take over those addresses: a box
# would be read with a label of the last game's.
games=0
start_orca() {
    [ "$games" -eq 0 ] || { end "$orca" && forget "$orca"; }
    games=$((games + 1)) seen=0
    transcript="$work/orca-$games.log"
    orca --debug-file="$transcript" >"$work/orca.out" 2>&1 &
    orca=$!
    remember "$orca"
    # Orca is up once it has greeted. Qt reads the accessibility bus's state
    # once, when it finds the bus, and turns its accessibility on when the bus
    # reports a screen reader (ScreenReaderEnabled, which the desktop's
    # screen-reader switch sets) or accessibility on (IsEnabled, which Orca
    # sets as it starts): a game started before that stays silent.
    said "Screen reader on"
    within 30 "the accessibility bus never reported a screen reader" "$orca" screen_reader_on
}
screen_reader_on() { a11y_status ScreenReaderEnabled || a11y_status IsEnabled; }

# The transcript's utterances, one a line, without the rest of Orca's log
# (Orca indents the further lines of an utterance that has line breaks;
# Orca 48 puts a blank before the utterance's settings, and calls a push
# button a "button.").
heard() {
    [ -e "$transcript" ] || return 0
    grep -a -A 20 "SPEECH OUTPUT: '" "$transcript" |
        awk 'substr($0, 1, 18) ~ /^ +$/ { line = line " " substr($0, 19); next }
             { if (line != "") print line; line = $0 } END { print line }' |
        sed -n "s/^.*SPEECH OUTPUT: '\(.*\)'\( voice=[a-z]*\)\{0,1\} \{0,1\}{.*$/\1/p" |
        sed '/push button[.]$/!s/^\(.* \)\{0,1\}button[.]$/\1push button./'
}

# Where the last awaited utterance was: `said` looks past it only.
seen=0

# said TEXT [SECONDS [OTHER]]: waits up to SECONDS (30) for Orca to say a line
# holding TEXT (or OTHER) after the last one awaited.
said() {
    within "${2:-30}" "Orca did not say \"$1\"" "$orca" heard_since "$1" "${3:-$1}"
    seen=$line
}
heard_since() {
    line=$(heard | awk -v from="$seen" -v text="$1" -v other="$2" \
        'NR > from && (index($0, text) || index($0, other)) { print NR; exit }')
    [ -n "$line" ]
}

# last_heard: the utterance awaited last.
last_heard() { heard | sed -n "${seen}p"; }

# also TEXT: the utterance awaited last holds TEXT too.
also() {
    last_heard | grep -qF -- "$1" || fail "Orca did not say \"$1\" there: $(last_heard)"
}

# Keys come as a player's do, once Orca has caught up with the game: Orca 48
# handles a key after the events queued before it, so a key pressed while it
# lags is taken for the window it brings, and a box's old caret event for the
# box that Tab focuses, which then goes unspoken. Orca is idle once its log
# stands still for a moment.
key() { idle && xdotool key --clearmodifiers "$@"; }
type_text() { idle && xdotool type --clearmodifiers --delay 5 -- "$1"; }
idle() { within 10 "Orca never caught up with the game" "$orca" log_stands_still; }
log_stands_still() {
    size=$(stat -c %s "$transcript")
    sleep 0.2
    [ "$(stat -c %s "$transcript")" = "$size" ]
}
# press KEY TEXT: presses KEY, then waits for Orca to say TEXT.
press() { key "$1" && said "$2"; }

# start_game [forced]: starts the program as a player does, with Orca
# running, and waits for its main window; "forced" turns Qt's accessibility
# on by its variable instead.
start_game() {
    start_orca
    run_start=$seen # for heard_well
    [ "${1:-}" != forced ] || set -- env QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
    QT_QPA_PLATFORM=xcb "$@" "$program" >"$work/game.log" 2>&1 &
    game=$!
    remember "$game"
    said "Lumen Vesper Quiz v3.0 frame"
    said "Help push button"
    a11y alone "$game"
}

end_game() { heard_well && key space && gone; } # all heard well; the prize's QUIT ends the program

# gone [KILLED]: the program ends within 30 s, with status 0 (or KILLED).
gone() {
    ended "$game" "the program" "${1:-}"
    forget "$game"
}

# between FROM TO: the utterances after the FROM-th up to the TO-th.
between() {
    heard | awk -v from="$1" -v to="$2" 'NR > from && NR <= to'
}

# read_a_while: a player's pause. Orca 48 keeps what it made of each control
# for up to 2 s ("GENERATOR: Clearing cache." in its log), so a control heard
# again sooner is heard as it was: where this Orca keeps such a cache, the
# game goes on after its next clearing.
read_a_while() {
    clearings=$(clearings)
    [ "$clearings" -eq 0 ] || within 10 "Orca did not clear what it had heard" "$orca" cleared_since "$clearings"
}
clearings() { grep -ac "GENERATOR: Clearing cache" "$transcript" || true; }
cleared_since() { [ "$(clearings)" -gt "$1" ]; }

# What Orca says of each step of a game (tests/game.sh). At a verdict, the
# verdict is spoken, and the question's prompt was spoken once, with its
# window; after a right answer Orca says the new score. Wrong answers are
# typed too.
meet() {
    case $1 in
    button) said "$2 push button" ;;
    window) said "$2 dialog"; opened=$seen ;;
    warning)
        said "Danger, Dud Ozezodiz!  Danger!"
        said "Keep your hands on the keyboard at all times."
        said "OK push button"
        ;;
    # Return opens the board as it goes down. Orca 48 takes the window that is
    # active at the key's release for its own, and then names no role as
    # the window's activation comes: the board is heard by its name.
    board) said "The Quiz!"; score=0 ;;
    box) said " text." ;;
    verdict)
        said "alert Message"
        verdict=$seen
        said "OK push button"
        between "$((verdict - 1))" "$((seen - 1))" | sed '1s/^.*alert Message[.]\{0,1\} *//' | grep -q . ||
            fail "question $2's verdict was not spoken"
        spoken_once "$2" "$opened" "$verdict"
        read_a_while
        ;;
    judged)
        said "Question $2 push button"
        [ "$3" = wrong ] || said "Score: $((score += 1)) of 14"
        ;;
    tally) said "questions right!"; said "OK push button" ;;
    esac
}
typed() { true; }
. "$tests_dir/game.sh"

# spoken_once N FROM TO: question N's prompt was spoken with its window, at
# FROM, and not again up to TO; and no box's name, spoken at its box, was
# spoken with the window too.
spoken_once() {
    window=$(between "$(($2 - 1))" "$2" | sed "s/^.*Question $1 dialog *//")
    prompt=$(echo "$window" | cut -c 1-40)
    [ -n "$prompt" ] || fail "question $1's window was announced without its prompt"
    times=$(between "$(($2 - 1))" "$3" | grep -cF -- "$prompt")
    [ "$times" -eq 1 ] || fail "question $1's prompt was spoken $times times while its window was filled"
    between "$2" "$3" | sed -n 's/^\(.*\) text\..*$/\1/p' >"$work/names"
    while IFS= read -r name; do
        case $window in *"$name"*) fail "question $1's label \"$name\" was spoken with its window and at its box" ;; esac
    done <"$work/names"
}

# heard_well: since the run started, no utterance came twice in a row and no
# control was spoken by its kind alone, without its name.
heard_well() {
    between "$run_start" "$seen" | uniq -d >"$work/twice"
    [ ! -s "$work/twice" ] || fail "said twice in a row: $(head -n 1 "$work/twice")"
    if between "$run_start" "$seen" | grep -E '^(push button|text|filler|panel|frame|dialog|label|image|alert)[.]?$'; then
        fail "a control was spoken without its name"
    fi
}

# play RIGHT: plays a game from the About button, the first RIGHT questions right, to the tally's end.
play() { play_from_about "$1" && key Return; }

# Fourteen right, with the help window and the About box first.
start_game
press space "Make sure you follow these rules explcitily!"
said "OK push button"
press Return "Lumen Vesper Quiz Help"
said "OK push button"
press space "Help push button"
press Tab "About push button"
press space "About lvtriv dialog"
also "Version 3.0.0"
press Return "About push button"
play 14
said "Lumen Vesper Lumen Comets game for the SFC dialog"
said "https://files.example.org/lumen-comets-sfc.zip"
said "https://mirror.example.net/lumen-comets-sfc.zip"
press Tab "QUIT push button"
end_game
echo "fourteen right: the grand prize heard whole"

# Twelve right: the browser prize, its page read by keys.
start_game
press Tab "About push button"
play 12
# The caption is "Working..." while the page loads, then the page's title;
# Orca names the window by the one it finds (Orca 48 without its role, as at
# the board). The page's heading takes the focus as it loads, so the page is
# heard without a key: Orca 43 names the document and the heading by the
# page's title; Orca 48 reads a heading by its text, which the engine gives
# Qt's accessibility as a child of its own, and so says only "heading" and
# the guide that describes it. On a loaded machine the engine's start holds
# the program for a while, and Orca's questions to it wait.
said "Lumen Vesper Manga Summaries" 180 "Working..."
said "document web" 90
said "heading"
last_heard | grep -qF "A fan's guide to the comics" || said "A fan's guide to the comics"
for volume in "Volume 1: The Star That Answered|a schoolgirl finds an owl" "Volume 2: Blue Tide|the second guardian" \
    "Volume 3: Ember Shrine|a fire at the old shrine"; do
    press Tab "${volume%%|*} link"
    said "${volume#*|}"
done
key Tab
before=$seen
said "editable combo box"
last_heard | grep -q "^Address: " || fail "the address box was not heard by its label: $(last_heard)"
! between "$before" "$((seen - 1))" | grep -F "qrc:/manga/" || fail "the address box's address was heard before its name"
heard_well
kill "$game"
gone 143
echo "twelve right: the browser prize's page heard"

# Ten right: the animation, its picture named, with accessibility forced on.
start_game forced
press Tab "About push button"
play 10
said "Animation Prize dialog"
also "Slide show of a toy robot"
said "QUIT push button"
end_game
echo "ten right: the animation heard"
