#include "TestMain.h"
#include "TestSupport.h"

#include "platform/MessageBox.h"
#include "quiz/QuizBoard.h"
#include "quiz/ScoreWindow.h"

#include <QDeadlineTimer>
#include <QMessageBox>
#include <QProcess>
#include <QRegularExpression>
#include <QTimer>
#include <QWindow>

// The game on a Wayland compositor, where a program cannot place its windows
// (tests/on_weston.sh runs this on Weston, which places new windows at random).
namespace {

// The captions of the compositor's top-level windows, topmost first.
QStringList stacking()
{
    QProcess debug;
    debug.start("weston-debug", {"scene-graph"});
    debug.waitForFinished(10000);
    QStringList captions;
    static const QRegularExpression window("top-level window '(.*)' of ");
    for (const QString &line : QString::fromUtf8(debug.readAllStandardOutput()).split('\n')) {
        if (const QRegularExpressionMatch found = window.match(line); found.hasMatch())
            captions.append(found.captured(1));
    }
    return captions;
}

// Whether the compositor shows `upper` above `lower`.
bool above(const QString &upper, const QString &lower)
{
    const QStringList order = stacking();
    return order.contains(upper) && order.contains(lower) && order.indexOf(upper) < order.indexOf(lower);
}

} // namespace

class TestWayland : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QCOMPARE(QGuiApplication::platformName(), QString("wayland")); }
    void cleanup() { verifyNoWindowLeft(); }

    // Each way the board comes up, several times over: Weston places at random.
    void scoreStaysAboveTheBoard_data()
    {
        QTest::addColumn<QString>("then");
        for (int run = 1; run <= 3; ++run) {
            for (const char *then : {"", "a new board", "Back and Play"})
                QTest::addRow("%s, run %d", *then ? then : "Play", run) << then;
        }
    }

    void scoreStaysAboveTheBoard()
    {
        QFETCH(QString, then);
        TestProgram game;
        game.play();
        if (then == "a new board") {
            pressCloseBox(game->quiz.peek());
            game.play();
        } else if (then == "Back and Play") {
            click(game->quiz.peek(), "backbutton");
            game.play();
        }
        QVERIFY(QTest::qWaitForWindowExposed(game->quiz.peek()));
        QVERIFY(QTest::qWaitForWindowExposed(game->scorecard.peek()));
        QTRY_VERIFY_WITH_TIMEOUT(above("Score Window", "The Quiz!"), 10000);
    }

    // A real box, raised from the board: it belongs to the board and is shown above it.
    void messageBoxBelongsToItsWindow()
    {
        TestProgram game;
        game.play();
        QuizBoard *board = game->quiz.peek();
        QVERIFY(QTest::qWaitForWindowExposed(board));
        MessageBox::setHandler(nullptr);

        QWindow *owner = nullptr;
        bool shownAbove = false;
        const QDeadlineTimer deadline(10000);
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box || !box->windowHandle())
                return;
            owner = box->windowHandle()->transientParent();
            shownAbove = above("Sorry", "The Quiz!");
            if (shownAbove || deadline.hasExpired())
                box->accept();
        });
        poll.start(100);
        game->attempted.set(2);
        board->q_Click(2);
        QCOMPARE(owner, board->windowHandle());
        QVERIFY(shownAbove);
    }
};

LVTRIV_TEST_MAIN(TestWayland)
#include "tst_wayland.moc"
