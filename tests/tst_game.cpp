#include "TestMain.h"
#include "TestSupport.h"

#include "platform/LastWindowWatch.h"
#include "platform/MessageBox.h"
#include "quiz/QuestionBank.h"
#include "quiz/QuestionWindow.h"
#include "quiz/QuizBoard.h"
#include "quiz/ScoreWindow.h"
#include "shell/HelpWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

// The game as the player drives it: main window, help, quiz board, score
// window and question windows, through their buttons, keys and close boxes.
namespace {
const ShownBox kPlayWarning{"Danger, Dud Ozezodiz!  Danger!",
                            "Keep your hands on the keyboard at all times.  No harm will come to you if you do so."};
const ShownBox kReminder{"Follow the rules", "Make sure you follow these rules explcitily!"};
const ShownBox kAttempted{"Sorry", "This question has already been attempted!"};

QStringList focusChain(int steps)
{
    QStringList chain;
    for (int i = 0; i < steps; ++i) {
        chain.append(QApplication::focusWidget()->objectName());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    return chain;
}
} // namespace

class TestGame : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { verifyNoWindowLeft(); }

    void realMessageBoxIsPlainWithOkAlone()
    {
        QString seen;
        QTimer answer;
        QObject::connect(&answer, &QTimer::timeout, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            answer.stop();
            seen = QStringLiteral("%1|%2|%3|%4|%5|%6")
                       .arg(box->windowTitle(), box->text())
                       .arg(box->icon())
                       .arg(box->textFormat())
                       .arg(box->windowModality())
                       .arg(box->standardButtons());
            QTest::keyClick(box, Qt::Key_Enter);
        });
        answer.start(10);
        MessageBox::show("Two blanks.  <b>not bold</b>");
        QCOMPARE(seen, QStringLiteral("lvtriv|Two blanks.  <b>not bold</b>|%1|%2|%3|%4")
                           .arg(QMessageBox::NoIcon)
                           .arg(Qt::PlainText)
                           .arg(Qt::ApplicationModal)
                           .arg(QMessageBox::Ok));
    }

    void playWarnsFirstThenShowsScoreAndBoard()
    {
        TestProgram game;
        QVERIFY(QTest::qWaitForWindowActive(game->main.show()));
        QCOMPARE(focusChain(5), (QStringList{"helpbutton", "aboutbutton", "playbutton", "quitbutton", "prizes"}));
        QStringList visibleDuringBox;
        game.boxes.whileShown = [&](const ShownBox &) { visibleDuringBox = visibleWindows(); };

        click(game->main.peek(), "playbutton");
        QCOMPARE(game.boxes.take(), Boxes{kPlayWarning});
        QCOMPARE(visibleDuringBox, QStringList{"main"});
        QCOMPARE(visibleWindows(), (QStringList{"main", "quiz", "scorecard"}));
        QCOMPARE(game.score(), QString("0"));

        // Play again mid-game: the score starts over, the flags and the board stay.
        game.program->scorecard.get()->setScoreText(" 5");
        game->attempted.set(3);
        QuizBoard *board = game->quiz.peek();
        game.play();
        QCOMPARE(game.score(), QString("0"));
        QCOMPARE(game->quiz.peek(), board);
        QVERIFY(game->attempted.isSet(3));
    }

    void prizeListQuitAndCtrlQ()
    {
        TestProgram game;
        click(game->main.show(), "prizes");
        QCOMPARE(game.boxes.take(), (Boxes{{"THE PRIZES", "Grand prize: The Lumen Comets SFC game!  2nd prize: Manga "
                                                          "summaries  3rd prize: A neat little animation"}}));
        click(game->main.peek(), "quitbutton");
        QCOMPARE(game.endCount, 1);
        QVERIFY(QTest::qWaitForWindowActive(game->main.peek()));
        QTest::keyClick(game->main.peek(), Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(game.endCount, 2);
    }

    void helpRemindsOncePerCreation()
    {
        TestProgram game;
        QVERIFY(QTest::qWaitForWindowActive(game->main.show()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter); // Help has the focus
        QCOMPARE(game.boxes.take(), Boxes{kReminder});
        HelpWindow *help = game->help.peek();
        QVERIFY(QTest::qWaitForWindowActive(help));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); // no cancel button
        QVERIFY(help->isVisible());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); // OK only hides it
        QVERIFY(!help->isVisible());

        QTest::keyClick(game->main.peek(), Qt::Key_F1);
        QCOMPARE(game->help.peek(), help);
        QCOMPARE(game.boxes.take(), Boxes{});

        pressCloseBox(help); // the close box destroys it: the next one greets again
        click(game->main.peek(), "helpbutton");
        QCOMPARE(game.boxes.take(), Boxes{kReminder});
    }

    void backButtonAndFileBack()
    {
        TestProgram game;
        game.play();
        QuizBoard *board = game->quiz.peek();
        click(board, "backbutton");
        QCOMPARE(visibleWindows(), (QStringList{"main", "scorecard"}));
        QVERIFY(QTest::qWaitForWindowActive(game->main.peek()));

        game.play();
        QVERIFY(QTest::qWaitForWindowActive(board));
        game->main.peek()->hide();
        QTest::keyClick(board, Qt::Key_B, Qt::ControlModifier); // only hides the board
        QCOMPARE(visibleWindows(), QStringList{"scorecard"});
    }

    void mainClosedMidGameComesBackWithFlagsCleared()
    {
        TestProgram game;
        game.play();
        game->attempted.set(9);
        game.program->scorecard.get()->setScoreText(" 2");
        pressCloseBox(game->main.peek());
        QVERIFY(game->attempted.isSet(9)); // the flags outlive the window

        click(game->quiz.peek(), "backbutton");
        QVERIFY(!game->attempted.isSet(9)); // its load step ran again
        QCOMPARE(game.score(), QString(" 2"));
        QCOMPARE(existingWindows(), (QStringList{"main", "quiz", "scorecard"}));
    }

    void closingScoreWindowKeepsTheScore()
    {
        TestProgram game;
        game.play();
        ScoreWindow *scorecard = game->scorecard.peek();
        scorecard->setScoreText(" 3");
        pressCloseBox(scorecard);
        QCOMPARE(game->scorecard.peek(), scorecard);
        QCOMPARE(scorecard->score(), 3.0);
    }

    void programEndsWhenNoWindowIsLeftVisible()
    {
        TestProgram game;
        int ends = 0;
        LastWindowWatch watch([&ends] { ++ends; });
        game.play();

        // A window hidden and shown again within one command ends nothing.
        pressCloseBox(game->main.peek());
        click(game->quiz.peek(), "backbutton");
        game.play();
        pressCloseBox(game->main.peek()); // the board and the score are still up
        pressCloseBox(game->scorecard.peek());
        QCoreApplication::processEvents();
        QCOMPARE(ends, 0);

        game->quiz.peek()->file_back_Click(); // hidden windows still exist, none is visible
        QCOMPARE(ends, 0);                    // not before the command has finished
        QCoreApplication::processEvents();
        QCOMPARE(ends, 1);
    }

    void questionWindowsShowWholeTextsAndFocusTheFirstBox()
    {
        TestProgram game;
        game.play();
        for (int number = 1; number <= questions::kCount; ++number) {
            QuestionWindow *window = game.open(number);
            QVERIFY(QTest::qWaitForWindowActive(window));
            for (const questions::Text &text : questions::question(number).texts) {
                auto *label = child<QLabel>(window, text.name);
                QCOMPARE(label->textFormat(), Qt::PlainText);
                QVERIFY2(label->heightForWidth(label->width()) <= label->height(), text.name);
            }
            const char *first = number == 13 ? "donebutton" : questions::question(number).boxes.front().name;
            QCOMPARE(QApplication::focusWidget()->objectName(), QString(first));
            pressCloseBox(window);
        }
    }

    void doneJudgesOnceScoreFirstThenVerdictThenHide()
    {
        TestProgram game;
        game.play();
        QuestionWindow *form2 = game.open(2);
        game.boxes.whileShown = [&](const ShownBox &) {
            QCOMPARE(game.score(), QString(" 1")); // the new score shows behind the verdict
            QVERIFY(form2->isVisible());
            QVERIFY(!game->attempted.isSet(2));
        };
        game.answer(form2, {"I think it was a Dragonfly!"});
        game.boxes.whileShown = nullptr;
        QCOMPARE(game.boxes.take(), (Boxes{{"Message", "Correct, you sound like the right kind of guy."}}));
        QVERIFY(!form2->isVisible());
        QVERIFY(game->attempted.isSet(2));

        game.answer(game.open(6), {"Dana Pruitt", "Lois Carvell", "Nora Whitby", "Irene Colby", ""});
        QCOMPARE(game.boxes.take(), (Boxes{{"Message", "We knew you'd get that wrong."}}));
        QCOMPARE(game.score(), QString(" 1"));

        QCOMPARE(game.open(2), form2); // judged: stays hidden, says Sorry
        QCOMPARE(game.boxes.take(), Boxes{kAttempted});
        QVERIFY(!form2->isVisible());
    }

    void enterJudgesOnlyFromDone()
    {
        TestProgram game;
        game.play();
        QuestionWindow *form4 = game.open(4);
        QVERIFY(QTest::qWaitForWindowActive(form4));
        QTest::keyClicks(QApplication::focusWidget(), "green");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(game.boxes.take(), Boxes{});
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
        QCOMPARE(game.boxes.take(), (Boxes{{"Message", "You really know what show you were watching!"}}));
    }

    void questionOneLocksWhenOpenedOthersWhenJudged()
    {
        TestProgram game;
        game.play();
        QuestionWindow *form1 = game.open(1);
        QVERIFY(game->attempted.isSet(1));
        pressCloseBox(form1);
        QVERIFY(!game.open(1));
        QCOMPARE(game.boxes.take(), Boxes{kAttempted});

        QTest::keyClicks(child<QLineEdit>(game.open(5), "q5ans"), "half typed");
        pressCloseBox(game->question(5).peek());
        QVERIFY(!game->attempted.isSet(5));
        QCOMPARE(child<QLineEdit>(game.open(5), "q5ans")->text(), QString());
    }

    void fourteenRightAnswersScoreFourteen()
    {
        TestProgram game;
        game.play();
        for (int number = 1; number <= questions::kCount; ++number)
            game.answer(game.open(number), rightAnswers(number));
        QCOMPARE(game.score(), QString(" 14"));
        const Boxes boxes = game.boxes.take();
        for (int number = 1; number <= questions::kCount; ++number)
            QCOMPARE(boxes.value(number - 1).prompt, questions::question(number).rightMessage);
    }
};

LVTRIV_TEST_MAIN(TestGame)
#include "tst_game.moc"
