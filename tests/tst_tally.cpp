#include "TestMain.h"
#include "TestSupport.h"
#include "FakeBrowserPrize.h"

#include "prizes/BrowserPrize.h"
#include "platform/Twips.h"
#include "prizes/AnimationPrize.h"
#include "prizes/GrandPrize.h"
#include "quiz/QuestionWindow.h"
#include "quiz/QuizBoard.h"
#include "quiz/ScoreWindow.h"
#include "quiz/Tally.h"
#include "shell/MainWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace {

const ShownBox kTooFew{"Sorry",
                       "You didn't get enough questions right to win a prize.  Try again some other time."};

ShownBox award(const char *score)
{
    return {"Way to go!", QStringLiteral("You got  %1 questions right!  Now for your prize...").arg(score)};
}

class Tally
{
public:
    Tally()
    {
        QTest::mouseClick(child<QPushButton>(program->main.show(), "playbutton"), Qt::LeftButton);
        program.boxes.take();
    }

    void press() { QTest::mouseClick(child<QPushButton>(program->quiz.peek(), "donebutton"), Qt::LeftButton); }
    void setScore(const QString &text) { program->scorecard.get()->setScoreText(text); }

    QStringList browsers;
    TestProgram program{std::make_unique<FakeBrowserPrize>(browsers)};
};

} // namespace

class TestTally : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { verifyNoWindowLeft(); }

    void bands_data()
    {
        QTest::addColumn<QString>("score");
        QTest::addColumn<QList<ShownBox>>("boxes");
        QTest::addColumn<QString>("prize");

        QTest::addRow("-1") << "-1" << QList<ShownBox>{kTooFew} << "";
        QTest::addRow("0") << "0" << QList<ShownBox>{kTooFew} << "";
        QTest::addRow("9") << " 9" << QList<ShownBox>{kTooFew} << "";
        QTest::addRow("10") << " 10" << QList<ShownBox>{award("10")} << "Animation";
        QTest::addRow("11") << " 11" << QList<ShownBox>{award("11")} << "Animation";
        QTest::addRow("12") << " 12" << QList<ShownBox>{award("12")} << "browser";
        QTest::addRow("13") << " 13" << QList<ShownBox>{award("13")} << "browser";
        QTest::addRow("14") << " 14" << QList<ShownBox>{award("14")} << "cometsgame";
        QTest::addRow("15") << " 15" << QList<ShownBox>{kTooFew} << "";
        QTest::addRow("28") << " 28" << QList<ShownBox>{kTooFew} << "";
        QTest::addRow("no blank") << "12" << QList<ShownBox>{award("12")} << "browser";
        QTest::addRow("empty") << "" << QList<ShownBox>{kTooFew} << "";
        QTest::addRow("letters") << "abc" << QList<ShownBox>{kTooFew} << "";
        QTest::addRow("digits then junk") << "  7x" << QList<ShownBox>{kTooFew} << "";
        QTest::addRow("past 16 bits") << "99999999999" << QList<ShownBox>{kTooFew} << "";
    }

    void bands()
    {
        QFETCH(QString, score);
        QFETCH(QList<ShownBox>, boxes);
        QFETCH(QString, prize);
        Tally tally;
        tally.setScore(score);
        QStringList visibleDuringBox;
        tally.program.boxes.whileShown = [&](const ShownBox &) { visibleDuringBox = visibleWindows(); };

        tally.press();

        QCOMPARE(tally.program.boxes.take(), boxes);
        QCOMPARE(visibleDuringBox, (QStringList{"main", "quiz", "scorecard"})); // the prize comes after the box
        QStringList expected{"main", "quiz", "scorecard"};
        if (prize == "browser")
            QCOMPARE(tally.browsers, QStringList{kMangaSummariesAddress});
        else if (!prize.isEmpty())
            expected.append(prize);
        if (prize != "browser")
            QVERIFY(tally.browsers.isEmpty());
        expected.sort();
        QCOMPARE(visibleWindows(), expected);
        QCOMPARE(tally.program->scorecard.peek()->scorelabel->text(), score); // nothing is reset
    }

    void secondTallyRepeatsIt()
    {
        Tally tally;
        tally.setScore(" 13");
        tally.press();
        tally.press();
        QCOMPARE(tally.browsers, (QStringList{kMangaSummariesAddress, kMangaSummariesAddress}));

        tally.setScore(" 10");
        tally.press();
        AnimationPrize *animation = tally.program->animation.peek();
        tally.press();
        QCOMPARE(tally.program->animation.peek(), animation);
        QCOMPARE(tally.program.boxes.take(), (QList<ShownBox>{award("13"), award("13"), award("10"), award("10")}));
        QCOMPARE(existingWindows(), (QStringList{"Animation", "main", "quiz", "scorecard"}));
    }

    void tallyAfterScoreWindowClosedReadsItStill()
    {
        Tally tally;
        tally.setScore(" 11");
        pressCloseBox(tally.program->scorecard.peek());
        tally.press();
        QCOMPARE(tally.program.boxes.take(), QList<ShownBox>{award("11")});
    }

    void tallyWithoutScoreWindowReadsZero()
    {
        TestProgram program;
        QuizBoard *board = program->quiz.show();
        QTest::mouseClick(child<QPushButton>(board, "donebutton"), Qt::LeftButton);
        QCOMPARE(program.boxes.take(), QList<ShownBox>{kTooFew});
        QVERIFY(program->scorecard.peek());
        QVERIFY(!program->scorecard.peek()->isVisible());
    }

    void animationCyclesFramesAndKeepsItsCounter()
    {
        TestProgram program;
        AnimationPrize *animation = program->animation.show();
        QCOMPARE(animation->size(), twips::size(7440, 7485));
        auto *picture = child<QLabel>(animation, "Picture1");
        const QPoint corner = picture->pos();
        QVERIFY(picture->pixmap().isNull()); // empty until the first tick
        QVERIFY(animation->Timer1->isActive());
        QCOMPARE(animation->Timer1->interval(), 1000);
        for (int index = 1; index <= 4; ++index)
            QVERIFY(!child<QLabel>(animation, qPrintable(QStringLiteral("Image1(%1)").arg(index)))->isVisible());

        const QList<QSize> sizes{{300, 231}, {293, 160}, {300, 213}, {300, 232}, {300, 231}, {293, 160}};
        const int border = 2 * picture->frameWidth();
        for (int tick = 0; tick < 5; ++tick) {
            animation->Timer1_Timer();
            QCOMPARE(picture->pixmap().size(), sizes[tick]);
            QCOMPARE(picture->size(), sizes[tick] + QSize(border, border));
            QCOMPARE(picture->pos(), corner);
        }

        // The counter belongs to the window object: a reopened window goes on.
        pressCloseBox(animation);
        QVERIFY(!program->animation.peek());
        animation = program->animation.show();
        picture = child<QLabel>(animation, "Picture1");
        QVERIFY(picture->pixmap().isNull());
        animation->Timer1_Timer();
        QCOMPARE(picture->pixmap().size(), sizes[5]);
    }

    void animationTicksOnItsOwnOnlyWhileItExists()
    {
        TestProgram program;
        AnimationPrize *animation = program->animation.show();
        animation->Timer1->setInterval(1); // one tick, driven by the real timer
        auto *picture = child<QLabel>(animation, "Picture1");
        QTRY_COMPARE(picture->pixmap().size(), QSize(300, 231));
        QPointer<QTimer> timer = animation->Timer1;
        pressCloseBox(animation);
        QVERIFY(!timer); // the timer went with the window
    }

    void grandPrizeShowsTheAddresses()
    {
        TestProgram program;
        GrandPrize *prize = program->cometsgame.show();
        QVERIFY(QTest::qWaitForWindowActive(prize));
        QCOMPARE(prize->windowTitle(), QString("Lumen Vesper Lumen Comets game for the SFC"));
        QCOMPARE(prize->size(), twips::size(6705, 7455));
        auto *first = child<QLineEdit>(prize, "Text1");
        auto *second = child<QLineEdit>(prize, "Text2");
        QCOMPARE(QApplication::focusWidget(), first);
        QVERIFY(first->text().startsWith("https://") && second->text().startsWith("https://"));
        QCOMPARE(first->text().section('/', -1), second->text().section('/', -1)); // one archive, two hosts
        QVERIFY(QUrl(first->text()).host().endsWith(".example.org"));
        QVERIFY(QUrl(second->text()).host().endsWith(".example.net"));
        QCOMPARE(child<QLabel>(prize, "Image1")->pixmap().size(), QSize(260, 231));
        QVERIFY(child<QLabel>(prize, "Label2")->font().bold());

        // The close box only closes it; the next award makes it afresh.
        first->setText("edited");
        pressCloseBox(prize);
        QCOMPARE(child<QLineEdit>(program->cometsgame.show(), "Text1")->text(), QString(GrandPrize::kFirstAddress));
    }

    void prizeQuitButtonsEndTheProgram()
    {
        TestProgram program;
        QTest::mouseClick(child<QPushButton>(program->animation.show(), "quit"), Qt::LeftButton);
        QCOMPARE(program.endCount, 1);
        QTest::mouseClick(child<QPushButton>(program->cometsgame.show(), "quit"), Qt::LeftButton);
        QCOMPARE(program.endCount, 2);
    }

    void winningThroughTheRealWindows_data()
    {
        QTest::addColumn<int>("right");
        QTest::addColumn<QString>("prize");
        QTest::addRow("ten") << 10 << "Animation";
        QTest::addRow("fourteen") << 14 << "cometsgame";
    }

    void winningThroughTheRealWindows()
    {
        QFETCH(int, right);
        QFETCH(QString, prize);
        const QStringList answers{"Kaede Harada", "Ayane Sekine", "Yui Okabe", "Shiori Nagase", "Natsuki Ebina"};
        const char *singles[] = {nullptr, nullptr, "dragonfly", "gorvan tiakon", "green", "kuten land", nullptr,
                                 "emiko tanabe", "brent shintarou isozaki", "princess diamond", "todd",
                                 "vesper crystal power vesper star power", "robocop", "love line fm no. 10",
                                 "marla devane"};
        const QStringList voices{"Dana Pruitt", "Lois Carvell", "Nora Whitby", "Irene Colby", "Wendy Ashfield"};
        const char *boxes[] = {"vesper", "cobalt", "pyros", "gale", "iris"};

        Tally tally;
        for (int number = 1; number <= 14; ++number) {
            QTest::mouseClick(child<QPushButton>(tally.program->quiz.peek(), qPrintable(QStringLiteral("q%1").arg(number))),
                              Qt::LeftButton);
            QWidget *window = tally.program->question(number).peek();
            const bool answerRight = number <= right;
            if (number == 1 || number == 6) {
                for (int box = 0; box < 5; ++box)
                    QTest::keyClicks(child<QLineEdit>(window, boxes[box]),
                                     answerRight ? (number == 1 ? answers : voices)[box] : QString());
            } else {
                QTest::keyClicks(window->findChild<QLineEdit *>(), answerRight ? singles[number] : "no idea");
            }
            QTest::mouseClick(child<QPushButton>(window, "donebutton"), Qt::LeftButton);
        }
        tally.program.boxes.take();
        tally.press();
        QCOMPARE(tally.program.boxes.take(), QList<ShownBox>{award(qPrintable(QString::number(right)))});
        QVERIFY(visibleWindows().contains(prize));
    }
};

LVTRIV_TEST_MAIN(TestTally)
#include "tst_tally.moc"
