#include "TestMain.h"
#include "TestSupport.h"

#include "platform/LastWindowWatch.h"
#include "platform/Twips.h"
#include "quiz/QuizBoard.h"
#include "quiz/ScoreWindow.h"
#include "shell/MainWindow.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace {
const ShownBox kAttempted{"Sorry", "This question has already been attempted!"};

void play(TestProgram &program)
{
    QTest::mouseClick(child<QPushButton>(program->main.show(), "playbutton"), Qt::LeftButton);
    program.boxes.take();
}

QString scoreText(Program &program)
{
    return program.scorecard.get()->scorelabel->text();
}
} // namespace

class TestQuizBoard : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { verifyNoWindowLeft(); }

    void boardLaysOutTwoColumnsOfQuestions()
    {
        TestProgram program;
        QuizBoard *board = program->quiz.show();
        QCOMPARE(board->windowTitle(), QString("The Quiz!"));
        QCOMPARE(board->centralWidget()->size(), twips::size(9060, 6000));
        QCOMPARE(child<QPushButton>(board, "q1")->geometry(), twips::rect(4200, 600, 1695, 615));
        QCOMPARE(child<QPushButton>(board, "q7")->geometry(), twips::rect(4200, 4920, 1695, 615));
        QCOMPARE(child<QPushButton>(board, "q8")->geometry(), twips::rect(6480, 600, 1695, 615));
        QCOMPARE(child<QPushButton>(board, "q14")->text(), QString("Question 14"));
        QCOMPARE(child<QGroupBox>(board, "Frame1")->title(), QString("The questions"));
        QCOMPARE(child<QLabel>(board, "Image1")->pixmap().size(), QSize(216, 177));
        QCOMPARE(child<QAction>(board, "file_back")->shortcut(), QKeySequence("Ctrl+B"));
    }

    void scoreWindowReadsAsAFraction()
    {
        TestProgram program;
        ScoreWindow *scorecard = program->scorecard.get();
        QCOMPARE(scorecard->windowTitle(), QString("Score Window"));
        QCOMPARE(scorecard->size(), twips::size(5205, 3210));
        QCOMPARE(scorecard->scorelabel->text(), QString());
        QCOMPARE(scorecard->score(), 0.0);
        QCOMPARE(child<QLabel>(scorecard, "Label3")->text(), QString("14"));
    }

    void attemptedQuestionSaysSorry_data()
    {
        QTest::addColumn<int>("question");
        QTest::addRow("first") << 1;
        QTest::addRow("left column bottom") << 7;
        QTest::addRow("right column top") << 8;
        QTest::addRow("last") << 14;
    }

    void attemptedQuestionSaysSorry()
    {
        QFETCH(int, question);
        TestProgram program;
        play(program);
        program->attempted.set(question);
        const QStringList before = existingWindows();

        const QByteArray name = "q" + QByteArray::number(question);
        QTest::mouseClick(child<QPushButton>(program->quiz.peek(), name.constData()), Qt::LeftButton);

        QCOMPARE(program.boxes.take(), QList<ShownBox>{kAttempted});
        QCOMPARE(existingWindows(), before);
    }

    void backButtonHidesBoardAndBringsMainForward()
    {
        TestProgram program;
        play(program);
        QuizBoard *board = program->quiz.peek();
        QTest::mouseClick(child<QPushButton>(board, "backbutton"), Qt::LeftButton);
        QVERIFY(!board->isVisible());
        QCOMPARE(visibleWindows(), (QStringList{"main", "scorecard"}));
        QVERIFY(QTest::qWaitForWindowActive(program->main.peek()));
    }

    void fileBackOnlyHidesBoard()
    {
        TestProgram program;
        play(program);
        QuizBoard *board = program->quiz.peek();
        QVERIFY(QTest::qWaitForWindowActive(board));
        QTest::keyClick(board, Qt::Key_B, Qt::ControlModifier);
        QVERIFY(!board->isVisible());
        QCOMPARE(visibleWindows(), (QStringList{"main", "scorecard"}));
        QCOMPARE(scoreText(*program), QString("0"));

        play(program);
        QCOMPARE(program->quiz.peek(), board);
        QVERIFY(board->isVisible());
    }

    void mainClosedDuringGameComesBackFresh()
    {
        TestProgram program;
        play(program);
        program->attempted.set(2);
        program->attempted.set(9);
        program->scorecard.get()->setScoreText(" 2");

        pressCloseBox(program->main.peek());
        QVERIFY(!program->main.peek());
        QVERIFY(program->attempted.isSet(2)); // the flags outlive the window
        QCOMPARE(visibleWindows(), (QStringList{"quiz", "scorecard"}));

        QTest::mouseClick(child<QPushButton>(program->quiz.peek(), "backbutton"), Qt::LeftButton);
        QVERIFY(program->main.peek());
        QCOMPARE(visibleWindows(), (QStringList{"main", "scorecard"}));
        for (int question = 1; question <= 14; ++question)
            QVERIFY(!program->attempted.isSet(question));
        QCOMPARE(scoreText(*program), QString(" 2"));
        QCOMPARE(existingWindows(), (QStringList{"main", "quiz", "scorecard"}));
    }

    void closedBoardComesBackOnPlay()
    {
        TestProgram program;
        play(program);
        pressCloseBox(program->quiz.peek());
        QVERIFY(!program->quiz.peek());
        play(program);
        QVERIFY(program->quiz.peek()->isVisible());
        QCOMPARE(existingWindows(), (QStringList{"main", "quiz", "scorecard"}));
    }

    // Closing the score window must not lose the score: its close box hides it.
    void closingScoreWindowKeepsTheScore()
    {
        TestProgram program;
        play(program);
        ScoreWindow *scorecard = program->scorecard.peek();
        scorecard->setScoreText(" 3");

        pressCloseBox(scorecard);
        QCOMPARE(program->scorecard.peek(), scorecard);
        QVERIFY(!scorecard->isVisible());
        QCOMPARE(scorecard->score(), 3.0);

        play(program);
        QCOMPARE(program->scorecard.peek(), scorecard);
        QVERIFY(scorecard->isVisible());
        QCOMPARE(scoreText(*program), QString("0"));
    }

    void programEndsWhenNoWindowIsLeftVisible()
    {
        TestProgram program;
        int ends = 0;
        LastWindowWatch watch([&ends] { ++ends; });
        play(program);

        // A window hidden and shown again within one command ends nothing.
        pressCloseBox(program->main.peek());
        QTest::mouseClick(child<QPushButton>(program->quiz.peek(), "backbutton"), Qt::LeftButton);
        QCoreApplication::processEvents();
        QCOMPARE(ends, 0);

        // The main window closed while the board and score are up: the game goes on.
        play(program);
        pressCloseBox(program->main.peek());
        QCoreApplication::processEvents();
        QCOMPARE(ends, 0);

        pressCloseBox(program->scorecard.peek());
        QCoreApplication::processEvents();
        QCOMPARE(ends, 0);

        // Hiding the board leaves nothing on screen, though windows still exist.
        program->quiz.peek()->file_back_Click();
        QCOMPARE(ends, 0); // not before the command has finished
        QCoreApplication::processEvents();
        QCOMPARE(ends, 1);
    }
};

LVTRIV_TEST_MAIN(TestQuizBoard)
#include "tst_quizboard.moc"
