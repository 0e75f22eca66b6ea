# Sourced by the scripts that play whole games by keys, tests/desktop/play.sh
# on a desktop's own input and tests/screenreader.sh under Orca: the steps of
# a game, one list for both. The script defines $answers and $work, fail
# MESSAGE, key NAME (Tab, space or Return), type_text TEXT, typed VERDICT
# (whether it types the answers of that verdict or leaves the boxes empty),
# and meet STEP [ARGUMENT...], which waits, each script its own way, for what
# the player meets next:
#   button NAME          the keyboard on the button NAME
#   window CAPTION       the window CAPTION up, holding the keyboard
#   warning              Play's warning over the main window
#   board                the quiz board after Play, with the score
#   box                  the next answer box of the open question
#   verdict N            question N's verdict over its window
#   judged N VERDICT     the keyboard back on the board after the verdict
#   tally                the tally's answer

# answer QUESTION VERDICT: the boxes of QUESTION's first VERDICT line in the
# players' answers, one a line.
answer() {
    awk -F ' *[|] *' -v row="$1 $2" '$1 == row { for (i = 3; i <= NF; i++) print $i; exit }' "$answers"
}

# question N VERDICT: from the board, with the keyboard on button N - 1 (none
# for 1), opens question N, fills its boxes with the players' first answer of
# that verdict, presses DONE and closes the verdict.
question() {
    [ "$1" = 1 ] || key Tab
    meet button "Question $1"
    key space
    meet window "Question $1"
    if [ "$1" = 13 ]; then
        # It opens on DONE, as designed.
        meet button DONE
        key Tab
    fi
    answer "$1" "$2" >"$work/boxes"
    [ -s "$work/boxes" ] || fail "no $2 answer to question $1 in $answers"
    while IFS= read -r text <&4; do
        meet box
        ! typed "$2" || type_text "$text"
        key Tab
    done 4<"$work/boxes"
    meet button DONE
    key space
    meet verdict "$1"
    key Return
    meet judged "$1" "$2"
}

# play_from_about RIGHT: from the main window's About button, starts a game,
# plays all fourteen questions, the first RIGHT right and the rest wrong, and
# asks for the tally.
play_from_about() {
    key Tab
    meet button "Play the game!"
    key space
    meet warning
    key Return
    meet board
    for n in $(seq 1 14); do
        if [ "$n" -le "$1" ]; then question "$n" right; else question "$n" wrong; fi
    done
    key Tab
    meet button "Back to Main Screen"
    key Tab
    meet button "Click here when you have completed all the questions"
    key space
    meet tally
}
