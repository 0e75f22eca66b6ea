# The steps of a game by keys, for tests/desktop/play.sh and
# tests/screenreader.sh, which define $answers, $work, fail, key NAME,
# type_text TEXT, typed VERDICT (are such answers typed) and meet STEP ARG...:
# what the player meets next (button NAME, window CAPTION, Play's warning,
# board, box, verdict N, judged N VERDICT back on the board, tally).

# answer QUESTION VERDICT: the boxes of QUESTION's first VERDICT line in the
# players' answers, one a line.
answer() {
    awk -F ' *[|] *' -v row="$1 $2" '$1 == row { for (i = 3; i <= NF; i++) print $i; exit }' "$answers"
}

# question N VERDICT: from button N - 1, opens question N, types the players'
# first answer of that verdict, presses DONE and closes the verdict.
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

# play_from_about RIGHT: from the About button, plays a game, the first RIGHT
# questions right, to the tally.
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
