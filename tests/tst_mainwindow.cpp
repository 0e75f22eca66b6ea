#include "TestMain.h"
#include "TestSupport.h"

#include "platform/Twips.h"
#include "quiz/QuizBoard.h"
#include "quiz/ScoreWindow.h"
#include "shell/HelpWindow.h"
#include "shell/MainWindow.h"

#include <QLabel>
#include <QMenuBar>
#include <QPushButton>

namespace {
const ShownBox kPlayWarning{"Danger, Dud Ozezodiz!  Danger!",
                            "Keep your hands on the keyboard at all times.  No harm will come to you if you do so."};
const ShownBox kReminder{"Follow the rules", "Make sure you follow these rules explcitily!"};

QString scoreText(Program &program)
{
    return program.scorecard.get()->scorelabel->text();
}
} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { verifyNoWindowLeft(); }

    void startShowsOnlyMainWithHelpFocused()
    {
        TestProgram program;
        MainWindow *main = program->main.show();
        QVERIFY(QTest::qWaitForWindowActive(main));

        QCOMPARE(visibleWindows(), QStringList{"main"});
        QCOMPARE(main->windowTitle(), QString("Lumen Vesper Quiz v3.0"));
        QCOMPARE(QApplication::focusWidget(), child<QPushButton>(main, "helpbutton"));
        QCOMPARE(main->centralWidget()->size(), twips::size(9165, 6255));
        QCOMPARE(child<QPushButton>(main, "playbutton")->geometry(), twips::rect(480, 2400, 2295, 1455));
        QCOMPARE(child<QLabel>(main, "Image1")->pixmap().size(), QSize(441, 139));
        QCOMPARE(child<QLabel>(main, "Image2")->pixmap().size(), QSize(243, 199));
        for (int question = 1; question <= 14; ++question)
            QVERIFY(!program->attempted.isSet(question));

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
        QCOMPARE(program.boxes.take(), QList<ShownBox>{kReminder});
        QVERIFY(program->help.peek() && program->help.peek()->isVisible());
    }

    void tabOrderFollowsTheDesign()
    {
        TestProgram program;
        MainWindow *main = program->main.show();
        QVERIFY(QTest::qWaitForWindowActive(main));
        QStringList order;
        for (int i = 0; i < 5; ++i) {
            order.append(QApplication::focusWidget()->objectName());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(order, (QStringList{"helpbutton", "aboutbutton", "playbutton", "quitbutton", "prizes"}));
    }

    void playWarnsFirstThenShowsScoreAndBoard()
    {
        TestProgram program;
        MainWindow *main = program->main.show();
        QStringList visibleDuringBox;
        program.boxes.whileShown = [&](const ShownBox &) { visibleDuringBox = visibleWindows(); };

        QTest::mouseClick(child<QPushButton>(main, "playbutton"), Qt::LeftButton);

        QCOMPARE(program.boxes.take(), QList<ShownBox>{kPlayWarning});
        QCOMPARE(visibleDuringBox, QStringList{"main"});
        QCOMPARE(visibleWindows(), (QStringList{"main", "quiz", "scorecard"}));
        QCOMPARE(scoreText(*program), QString("0"));
        QVERIFY(QTest::qWaitForWindowActive(program->quiz.peek()));
    }

    void playDuringGameResetsScoreButNotFlags()
    {
        TestProgram program;
        MainWindow *main = program->main.show();
        auto *play = child<QPushButton>(main, "playbutton");
        QTest::mouseClick(play, Qt::LeftButton);
        program->scorecard.get()->setScoreText(" 5");
        program->attempted.set(3);
        QuizBoard *board = program->quiz.peek();
        program->main.show();

        QTest::mouseClick(play, Qt::LeftButton);

        QCOMPARE(scoreText(*program), QString("0"));
        QCOMPARE(program->quiz.peek(), board);
        QVERIFY(program->attempted.isSet(3));
        QCOMPARE(existingWindows(), (QStringList{"main", "quiz", "scorecard"}));
        QVERIFY(QTest::qWaitForWindowActive(board));
    }

    void prizeListIsOneBox()
    {
        TestProgram program;
        QTest::mouseClick(child<QPushButton>(program->main.show(), "prizes"), Qt::LeftButton);
        const ShownBox prizes{"THE PRIZES", "Grand prize: The Lumen Comets SFC game!  2nd prize: Manga "
                                            "summaries  3rd prize: A neat little animation"};
        QCOMPARE(program.boxes.take(), QList<ShownBox>{prizes});
        QCOMPARE(visibleWindows(), QStringList{"main"});
    }

    void quitAndCtrlQEndAtOnce()
    {
        TestProgram program;
        MainWindow *main = program->main.show();
        QTest::mouseClick(child<QPushButton>(main, "playbutton"), Qt::LeftButton);
        QTest::mouseClick(child<QPushButton>(main, "quitbutton"), Qt::LeftButton);
        QCOMPARE(program.endCount, 1);

        QVERIFY(QTest::qWaitForWindowActive(program->main.show()));
        QTest::keyClick(main, Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(program.endCount, 2);
        program.boxes.take();
        QVERIFY(program.boxes.boxes.isEmpty());
    }

    void menusCarryAccessKeysAndShortcuts()
    {
        TestProgram program;
        MainWindow *main = program->main.get();
        const QList<QPair<const char *, QString>> items{{"file_exit", "E&xit"}, {"help_help", "&Help..."},
                                                        {"help_about", "&About..."}};
        for (const auto &[name, text] : items)
            QCOMPARE(child<QAction>(main, name)->text(), text);
        QCOMPARE(child<QAction>(main, "file_exit")->shortcut(), QKeySequence("Ctrl+Q"));
        QCOMPARE(child<QAction>(main, "help_help")->shortcut(), QKeySequence("F1"));
        QVERIFY(child<QAction>(main, "sep1")->isSeparator());
        QCOMPARE(main->menuBar()->actions().size(), 2);
    }

    void helpRemindsOncePerCreation()
    {
        TestProgram program;
        MainWindow *main = program->main.show();
        QStringList visibleDuringReminder;
        program.boxes.whileShown = [&](const ShownBox &) { visibleDuringReminder = visibleWindows(); };

        QTest::mouseClick(child<QPushButton>(main, "helpbutton"), Qt::LeftButton);
        QCOMPARE(program.boxes.take(), QList<ShownBox>{kReminder});
        QCOMPARE(visibleDuringReminder, QStringList{"main"});
        HelpWindow *help = program->help.peek();
        QCOMPARE(help->windowTitle(), QString("Lumen Vesper Quiz Help"));

        // Visible already: brought forward, no second window, no box.
        QVERIFY(QTest::qWaitForWindowActive(program->main.show()));
        QTest::keyClick(main, Qt::Key_F1);
        QCOMPARE(program.boxes.take(), QList<ShownBox>{});
        QCOMPARE(program->help.peek(), help);

        // OK hides it; F1 shows the same window again without a reminder.
        QTest::mouseClick(child<QPushButton>(help, "okbutton"), Qt::LeftButton);
        QVERIFY(!help->isVisible());
        QTest::keyClick(main, Qt::Key_F1);
        QCOMPARE(program.boxes.take(), QList<ShownBox>{});
        QCOMPARE(program->help.peek(), help);
        QVERIFY(help->isVisible());

        // The close box destroys it: the next opening greets the player again.
        pressCloseBox(help);
        QVERIFY(!program->help.peek());
        QTest::mouseClick(child<QPushButton>(main, "helpbutton"), Qt::LeftButton);
        QCOMPARE(program.boxes.take(), QList<ShownBox>{kReminder});
        QCOMPARE(existingWindows(), (QStringList{"help", "main"}));
    }

    void helpOkButtonIsPressedByEnterButNotEscape()
    {
        TestProgram program;
        HelpWindow *help = program->help.show();
        QVERIFY(QTest::qWaitForWindowActive(help));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(help->isVisible());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(!help->isVisible());
    }
};

LVTRIV_TEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
