#include "TestMain.h"
#include "TestSupport.h"

#include "prizes/AnimationPrize.h"
#include "prizes/GrandPrize.h"
#include "quiz/QuestionWindow.h"
#include "quiz/Score.h"
#include "quiz/ScoreWindow.h"
#include "quiz/Tally.h"

#include <QLabel>
#include <QLineEdit>
#include <QTimer>

using tally::Prize;

namespace {
const ShownBox kTooFew{"Sorry", "You didn't get enough questions right to win a prize.  Try again some other time."};

ShownBox award(const char *score)
{
    return {"Way to go!", QStringLiteral("You got  %1 questions right!  Now for your prize...").arg(score)};
}
} // namespace

class TestTally : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { verifyNoWindowLeft(); }

    void bands_data()
    {
        QTest::addColumn<QString>("score");
        QTest::addColumn<Boxes>("boxes");
        QTest::addColumn<int>("prize");

        const auto none = int(Prize::None);
        QTest::addRow("-1") << "-1" << Boxes{kTooFew} << none;
        QTest::addRow("9") << " 9" << Boxes{kTooFew} << none;
        QTest::addRow("10") << " 10" << Boxes{award("10")} << int(Prize::Animation);
        QTest::addRow("11") << " 11" << Boxes{award("11")} << int(Prize::Animation);
        QTest::addRow("12") << " 12" << Boxes{award("12")} << int(Prize::Browser);
        QTest::addRow("13 without blank") << "13" << Boxes{award("13")} << int(Prize::Browser);
        QTest::addRow("14") << " 14" << Boxes{award("14")} << int(Prize::GrandPrize);
        QTest::addRow("15") << " 15" << Boxes{kTooFew} << none;
        QTest::addRow("empty") << "" << Boxes{kTooFew} << none;
        QTest::addRow("14.9 rounds down") << "14.9" << Boxes{award("14")} << int(Prize::GrandPrize);
        QTest::addRow("past 32 bits") << "4294967308" << Boxes{kTooFew} << none;
    }

    void bands()
    {
        QFETCH(QString, score);
        QFETCH(Boxes, boxes);
        QFETCH(int, prize);
        RecordedBoxes shown;
        int boxesBeforePrize = -1;
        QList<Prize> opened;
        tally::award(score::read(score), [&](Prize won) {
            boxesBeforePrize = int(shown.boxes.size());
            opened.append(won);
        });
        QCOMPARE(shown.take(), boxes);
        if (prize == int(Prize::None)) {
            QVERIFY(opened.isEmpty());
        } else {
            QCOMPARE(opened, QList<Prize>{Prize(prize)});
            QCOMPARE(boxesBeforePrize, 1); // the prize comes after the box
        }
    }

    void eachBandOpensItsWindowAndTheTallyRepeats()
    {
        TestProgram game;
        game.play();
        game.program->scorecard.get()->setScoreText(" 13");
        click(game->quiz.peek(), "donebutton");
        click(game->quiz.peek(), "donebutton");
        QCOMPARE(game.browsers, (QStringList{kMangaSummariesAddress, kMangaSummariesAddress}));

        game.program->scorecard.get()->setScoreText(" 10");
        click(game->quiz.peek(), "donebutton");
        game.program->scorecard.get()->setScoreText(" 14");
        click(game->quiz.peek(), "donebutton");
        QCOMPARE(visibleWindows(), (QStringList{"Animation", "cometsgame", "main", "quiz", "scorecard"}));
        QCOMPARE(game.score(), QString(" 14")); // nothing is reset
    }

    void animationCyclesFramesAndKeepsItsCounter()
    {
        TestProgram game;
        AnimationPrize *animation = game->animation.show();
        auto *picture = child<QLabel>(animation, "Picture1");
        QVERIFY(picture->pixmap().isNull()); // empty until the first tick
        QList<QImage> shown;
        for (int tick = 0; tick < 5; ++tick) {
            animation->Timer1_Timer();
            shown.append(picture->pixmap().toImage());
            const int border = 2 * picture->frameWidth();
            QCOMPARE(picture->size(), picture->pixmap().size() + QSize(border, border)); // sized to the frame
        }
        QVERIFY(shown[0] != shown[1] && shown[1] != shown[2] && shown[2] != shown[3]);
        QCOMPARE(shown[4], shown[0]); // four frames, then round again

        // The counter belongs to the window object: a reopened window goes on.
        pressCloseBox(animation);
        animation = game->animation.show();
        animation->Timer1_Timer();
        QCOMPARE(child<QLabel>(animation, "Picture1")->pixmap().toImage(), shown[1]);
        QVERIFY(animation->Timer1->isActive());
    }

    void prizeWindowsQuitAndComeBackFresh()
    {
        TestProgram game;
        GrandPrize *prize = game->cometsgame.show();
        child<QLineEdit>(prize, "Text1")->setText("edited");
        pressCloseBox(prize);
        QCOMPARE(child<QLineEdit>(game->cometsgame.show(), "Text1")->text(), QString(GrandPrize::kFirstAddress));

        click(game->cometsgame.peek(), "quit");
        click(game->animation.show(), "quit");
        QCOMPARE(game.endCount, 2);
    }
};

LVTRIV_TEST_MAIN(TestTally)
#include "tst_tally.moc"
