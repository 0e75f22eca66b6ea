#include "TestMain.h"
#include "TestSupport.h"

#include "prizes/AnimationPrize.h"
#include "prizes/GrandPrize.h"
#include "quiz/QuestionBank.h"
#include "shell/AboutBox.h"
#include "shell/HelpWindow.h"

#include <QAction>

// The game as the player drives it: main window, help, quiz board, score
// window, question windows, the final tally and the prizes it opens.
namespace {
const ShownBox kPlayWarning{"Danger, Dud Ozezodiz!  Danger!",
                            "Keep your hands on the keyboard at all times.  No harm will come to you if you do so."};
const ShownBox kReminder{"Follow the rules", "Make sure you follow these rules explcitily!"};
const ShownBox kAttempted{"Sorry", "This question has already been attempted!"};

// Keys pressed on a window that has the keyboard.
void keysOn(QWidget *window, QKeySequence keys)
{
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QTest::keySequence(window, keys);
}

// A way out a player may take, before Play or after it with the board up;
// and whether it ends the program.
struct WayOut
{
    const char *name;
    bool afterPlay, ends;
    void (*take)(TestProgram &game);
};
const WayOut kWaysOut[] = {
    {"QUIT", true, true, [](TestProgram &game) { click(game->main.peek(), "quitbutton"); }},
    {"File, Exit", true, true, [](TestProgram &game) { child<QAction>(game->main.peek(), "file_exit")->trigger(); }},
    {"Ctrl+Q", true, true, [](TestProgram &game) { keysOn(game->main.peek(), QKeySequence(Qt::CTRL | Qt::Key_Q)); }},
    {"the animation's QUIT", false, true, [](TestProgram &game) { click(game->animation.show(), "quit"); }},
    {"the grand prize's QUIT", false, true, [](TestProgram &game) { click(game->cometsgame.show(), "quit"); }},
    {"the last window's close box", false, true, [](TestProgram &game) { pressCloseBox(game->main.peek()); }},
    {"Back", true, false, [](TestProgram &game) { click(game->quiz.peek(), "backbutton"); }},
    {"File, Back", true, false, [](TestProgram &game) { child<QAction>(game->quiz.peek(), "file_back")->trigger(); }},
    {"Ctrl+B", true, false, [](TestProgram &game) { keysOn(game->quiz.peek(), QKeySequence(Qt::CTRL | Qt::Key_B)); }},
    {"the board's close box", true, false, [](TestProgram &game) { pressCloseBox(game->quiz.peek()); }},
    {"a question's close box", true, false, [](TestProgram &game) { pressCloseBox(game.open(4)); }},
    {"help's close box", true, false, [](TestProgram &game) { pressCloseBox(game->help.show()); }},
    {"About's close box", true, false, [](TestProgram &game) { pressCloseBox(game->about.show()); }},
    {"About's OK", true, false, [](TestProgram &game) { click(game->about.show(), "cmdOK"); }},
    {"the score's close box", true, false, [](TestProgram &game) { pressCloseBox(game->scorecard.peek()); }},
    {"main's close box with the board up", true, false, [](TestProgram &game) { pressCloseBox(game->main.peek()); }},
};

} // namespace
Q_DECLARE_METATYPE(const WayOut *)
Q_DECLARE_METATYPE(const PlayerAnswer *)

class TestGame : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { verifyNoWindowLeft(); }

    void playWarnsFirstThenShowsScoreAndBoard()
    {
        TestProgram game;
        QStringList visibleDuringBox;
        game.boxes.whileShown = [&](const ShownBox &) { visibleDuringBox = windows(); };
        click(game->main.show(), "playbutton");
        QCOMPARE(game.boxes.take(), Boxes{kPlayWarning});
        QCOMPARE(visibleDuringBox, QStringList{"main"});
        QCOMPARE(windows(), (QStringList{"main", "quiz", "scorecard"}));
        QCOMPARE(game.score(), QString("0"));
        QVERIFY(!game->scorecard.peek()->frameGeometry().intersects(game->quiz.peek()->frameGeometry()));
        game->scorecard.peek()->move(700, 600); // the player's place is kept

        // Play again mid-game: the score starts over, the flags and the board stay.
        game.answer(game.open(3), rightAnswers(3));
        QCOMPARE(game.score(), QString(" 1"));
        QuizBoard *board = game->quiz.peek();
        game.play();
        QCOMPARE(game.score(), QString("0"));
        QCOMPARE(game->quiz.peek(), board);
        QVERIFY(game->attempted.isSet(3));
        QCOMPARE(spoken(child<QWidget>(board, "q3"), QAccessible::Description), QString("Attempted. Score: 0 of 14"));
        QCOMPARE(game->scorecard.peek()->pos(), QPoint(700, 600));
    }

    void helpRemindsOncePerCreation()
    {
        TestProgram game;
        QVERIFY(QTest::qWaitForWindowActive(game->main.show()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter); // Help has the focus
        QCOMPARE(game.boxes.take(), Boxes{kReminder});
        HelpWindow *help = game->help.peek();
        click(help, "okbutton"); // only hides it
        QVERIFY(!help->isVisible());

        QTest::keyClick(game->main.peek(), Qt::Key_F1);
        QCOMPARE(game->help.peek(), help);
        QCOMPARE(game.boxes.take(), Boxes{});

        pressCloseBox(help); // the close box destroys it: the next one greets again
        // Asked for while its greeting is up, the help window is the one being made, not yet shown.
        QStringList duringBox;
        game.boxes.whileShown = [&](const ShownBox &) {
            if (duringBox.isEmpty())
                duringBox << (game->help.get()->isVisible() ? "shown" : "not shown")
                          << QString::number(windows(Shown::Any).count("help")) + " help window(s)";
        };
        click(game->main.peek(), "helpbutton");
        QCOMPARE(game.boxes.take(), Boxes{kReminder});
        QCOMPARE(duringBox, (QStringList{"not shown", "1 help window(s)"}));
        QVERIFY(game->help.peek()->isVisible());
    }

    // Windows hide or die as they should; the program ends once none is left visible.
    void windowsHideOrDieAndTheLastOneEndsTheProgram()
    {
        TestProgram game;
        game.play();
        game.answer(game.open(9), rightAnswers(9));
        ScoreWindow *scorecard = game->scorecard.peek();
        pressCloseBox(scorecard); // hides only: the score survives
        pressCloseBox(game->main.peek());
        QVERIFY(game->attempted.isSet(9)); // the flags outlive the main window

        click(game->quiz.peek(), "backbutton"); // hides the board, brings a fresh main window: nothing ends
        QVERIFY(!game->attempted.isSet(9));     // whose load step cleared the flags
        QCOMPARE(game->scorecard.peek(), scorecard);
        QCOMPARE(game.score(), QString(" 1"));
        QCOMPARE(windows(), QStringList{"main"});

        game.play();
        keysOn(game->quiz.peek(), QKeySequence(Qt::CTRL | Qt::Key_B)); // File, Back only hides the board
        QCOMPARE(windows(), (QStringList{"main", "scorecard"}));

        game.play();
        pressCloseBox(game->main.peek()); // the board and the score are still up
        pressCloseBox(game->scorecard.peek());
        QCoreApplication::processEvents();
        QCOMPARE(game.endCount, 0);

        // Hidden windows still exist, none is visible: the end comes once the command has finished.
        child<QAction>(game->quiz.peek(), "file_back")->trigger();
        QCOMPARE(game.endCount, 0);
        QCoreApplication::processEvents();
        QCOMPARE(game.endCount, 1);
    }

    void waysOutEndTheProgramOnce_data()
    {
        QTest::addColumn<const WayOut *>("way");
        for (const WayOut &way : kWaysOut)
            QTest::addRow("%s", way.name) << &way;
    }

    void waysOutEndTheProgramOnce()
    {
        QFETCH(const WayOut *, way);
        TestProgram game;
        game->main.show();
        if (way->afterPlay)
            game.play();
        way->take(game);
        flushDeletes();
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        QCOMPARE(game.endCount, way->ends ? 1 : 0);
    }

    // Every line of tests/answers.txt, typed into its question's window.
    void everyAnswerThroughItsWindow_data()
    {
        QTest::addColumn<const PlayerAnswer *>("answer");
        for (const PlayerAnswer &answer : playerAnswers())
            QTest::addRow("q%d %s: %s", answer.question, answer.right ? "right" : "wrong", qPrintable(answer.tries))
                << &answer;
    }

    void everyAnswerThroughItsWindow()
    {
        QFETCH(const PlayerAnswer *, answer);
        TestProgram game;
        game.play();
        QuestionWindow *window = game.open(answer->question);
        const questions::Question &asked = questions::question(answer->question);
        const QString score = answer->right ? " 1" : "0";
        // The new score shows behind the verdict, before the window goes and the question locks.
        game.boxes.whileShown = [&](const ShownBox &) {
            QCOMPARE(game.score(), score);
            QVERIFY(window->isVisible());
            QCOMPARE(game->attempted.isSet(answer->question), asked.attemptedWhenOpened);
        };
        game.answer(window, answer->boxes);
        game.boxes.whileShown = nullptr;
        QCOMPARE(game.boxes.take(), (Boxes{{"Message", answer->right ? asked.rightMessage : asked.wrongMessage}}));
        QCOMPARE(game.score(), score);
        QVERIFY(game->attempted.isSet(answer->question));
        QVERIFY(!window->isVisible());

        QCOMPARE(game.open(answer->question), window); // judged once: stays hidden, says Sorry
        QCOMPARE(game.boxes.take(), Boxes{kAttempted});
        QVERIFY(!window->isVisible());
    }

    // Questions 1 to `right` answered right, the others wrong, then the tally,
    // twice: nothing is reset between them.
    void tallyAwardsWhatTheAnswersEarn_data()
    {
        QTest::addColumn<int>("right");
        QTest::addColumn<QStringList>("prizeWindows");
        QTest::addColumn<QStringList>("browsers");
        QTest::addRow("9") << 9 << QStringList{} << QStringList{};
        QTest::addRow("10") << 10 << QStringList{"Animation"} << QStringList{};
        QTest::addRow("11") << 11 << QStringList{"Animation"} << QStringList{};
        QTest::addRow("12") << 12 << QStringList{} << QStringList(2, kMangaSummariesAddress);
        QTest::addRow("13") << 13 << QStringList{} << QStringList(2, kMangaSummariesAddress);
        QTest::addRow("14") << 14 << QStringList{"cometsgame"} << QStringList{};
    }

    void tallyAwardsWhatTheAnswersEarn()
    {
        QFETCH(int, right);
        QFETCH(QStringList, prizeWindows);
        TestProgram game;
        game.answerAll(right);
        QCOMPARE(game.score(), QStringLiteral(" %1").arg(right));

        QList<qsizetype> prizesUp; // prizes up while each box is
        game.boxes.whileShown = [&](const ShownBox &) { prizesUp.append(windows().size() - 3 + game.browsers.size()); };
        click(game->quiz.peek(), "donebutton");
        click(game->quiz.peek(), "donebutton");
        QCOMPARE(prizesUp.first(), 0); // the prize comes once its box is closed
        const ShownBox award = right < 10 ? ShownBox{"Sorry", "You didn't get enough questions right to win a prize.  "
                                                              "Try again some other time."}
                                          : ShownBox{"Way to go!", QStringLiteral("You got  %1 questions right!  "
                                                                                  "Now for your prize...")
                                                                       .arg(right)};
        QCOMPARE(game.boxes.take(), (Boxes{award, award}));
        QCOMPARE(windows(), (prizeWindows + QStringList{"main", "quiz", "scorecard"})); // the prizes' names sort first
        QTEST(game.browsers, "browsers");
    }
};

LVTRIV_TEST_MAIN(TestGame)
#include "tst_game.moc"
