#include "TestMain.h"
#include "TestSupport.h"

#include "platform/Twips.h"
#include "quiz/QuestionBank.h"
#include "quiz/QuestionWindow.h"
#include "quiz/QuizBoard.h"
#include "quiz/ScoreWindow.h"
#include "shell/MainWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const ShownBox kAttempted{"Sorry", "This question has already been attempted!"};

// A right answer for every box of every question.
const QStringList &rightAnswers(int number)
{
    static const std::array<QStringList, 14> answers{{
        {"Kaede Harada", "Ayane Sekine", "Yui Okabe", "Shiori Nagase", "Natsuki Ebina"},
        {"Dragonfly"},
        {"Gorvan, Tiakon"},
        {"green"},
        {"Kuten Land"},
        {"Dana Pruitt", "Lois Carvell", "Nora Whitby", "Irene Colby", "Wendy Ashfeld"},
        {"Emiko Tanabe"},
        {"Brent / Shintarou Isozaki"},
        {"Princess Diamond"},
        {"Todd"},
        {"Vesper Crystal Power; Vesper Star Power"},
        {"Robocop"},
        {"FM No. 10 - Love Line"},
        {"Marla Devane"},
    }};
    return answers.at(size_t(number - 1));
}

class Game
{
public:
    Game()
    {
        QTest::mouseClick(child<QPushButton>(program->main.show(), "playbutton"), Qt::LeftButton);
        program.boxes.take();
    }

    QuestionWindow *open(int number)
    {
        const QByteArray name = "q" + QByteArray::number(number);
        QTest::mouseClick(child<QPushButton>(program->quiz.peek(), name.constData()), Qt::LeftButton);
        return program->question(number).peek();
    }

    // Types one text per box, in box order.
    static void type(QuestionWindow *window, const QStringList &answers)
    {
        const auto &boxes = questions::question(window->objectName().mid(4).toInt()).boxes;
        for (size_t i = 0; i < boxes.size(); ++i)
            QTest::keyClicks(child<QLineEdit>(window, boxes[i].name), answers.at(qsizetype(i)));
    }

    static void done(QuestionWindow *window)
    {
        QTest::mouseClick(child<QPushButton>(window, "donebutton"), Qt::LeftButton);
    }

    QString score() { return program->scorecard.get()->scorelabel->text(); }

    TestProgram program;
};

} // namespace

class TestQuestionWindows : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { verifyNoWindowLeft(); }

    void windowsFollowTheirLayout_data()
    {
        QTest::addColumn<int>("number");
        for (int number = 1; number <= 14; ++number)
            QTest::addRow("Form%d", number) << number;
    }

    void windowsFollowTheirLayout()
    {
        QFETCH(int, number);
        const questions::Question &question = questions::question(number);
        Game game;
        QuestionWindow *window = game.open(number);
        QVERIFY(QTest::qWaitForWindowActive(window));

        QCOMPARE(window->objectName(), QStringLiteral("Form%1").arg(number));
        QCOMPARE(window->windowTitle(), QStringLiteral("Question %1").arg(number));
        QCOMPARE(window->size(), twips::size(question.clientWidth, question.clientHeight));
        for (const questions::Text &text : question.texts) {
            auto *label = child<QLabel>(window, text.name);
            QCOMPARE(label->text(), text.text);
            QCOMPARE(label->textFormat(), Qt::PlainText);
            QCOMPARE(label->geometry(), twips::rect(text.rect.left, text.rect.top, text.rect.width, text.rect.height));
            QVERIFY2(label->heightForWidth(label->width()) <= label->height(), text.name); // nothing clipped
        }
        for (const questions::AnswerBox &answer : question.boxes) {
            auto *box = child<QLineEdit>(window, answer.name);
            QCOMPARE(box->geometry(), twips::rect(answer.rect.left, answer.rect.top, answer.rect.width, answer.rect.height));
            QVERIFY(!box->accessibleName().isEmpty());
            QVERIFY(box->text().isEmpty());
        }
        auto *done = child<QPushButton>(window, "donebutton");
        QCOMPARE(done->text(), QString("DONE"));
        const QString focused = QApplication::focusWidget()->objectName();
        QCOMPARE(focused, number == 13 ? QString("donebutton") : QString(question.boxes.front().name));
    }

    void rightThenRightAddsUp()
    {
        Game game;
        ShownBox seenWithScore;
        QString scoreDuringBox;
        game.program.boxes.whileShown = [&](const ShownBox &) {
            scoreDuringBox = game.score();
            QVERIFY(game.program->question(2).peek()->isVisible()); // hidden only after the box
            QVERIFY(!game.program->attempted.isSet(2));             // flag set last
        };
        QuestionWindow *form2 = game.open(2);
        Game::type(form2, {"I think it was a Dragonfly!"});
        Game::done(form2);

        QCOMPARE(game.program.boxes.take(),
                 (QList<ShownBox>{{"Message", "Correct, you sound like the right kind of guy."}}));
        QCOMPARE(scoreDuringBox, QString(" 1"));
        QCOMPARE(game.score(), QString(" 1"));
        QVERIFY(!form2->isVisible());
        QCOMPARE(child<QLineEdit>(form2, "q2ans")->text(), QString("I think it was a Dragonfly!"));
        QVERIFY(game.program->attempted.isSet(2));

        game.program.boxes.whileShown = nullptr;
        QuestionWindow *form10 = game.open(10);
        Game::type(form10, {"toddler"});
        Game::done(form10);
        QCOMPARE(game.score(), QString(" 2"));

        QCOMPARE(game.open(2), form2);
        QCOMPARE(game.program.boxes.take(), (QList<ShownBox>{{"Message", "Nice answer."}, kAttempted}));
        QVERIFY(!form2->isVisible());
    }

    void wrongAnswerLocksWithoutPoint()
    {
        Game game;
        QuestionWindow *form13 = game.open(13);
        QVERIFY(QTest::qWaitForWindowActive(form13));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter); // focus is on DONE
        QCOMPARE(game.program.boxes.take(),
                 (QList<ShownBox>{{"Message", "How could you think that was right?"}}));
        QCOMPARE(game.score(), QString("0"));
        QVERIFY(game.program->attempted.isSet(13));
    }

    void enterInABoxDoesNotJudge()
    {
        Game game;
        QuestionWindow *form4 = game.open(4);
        auto *box = child<QLineEdit>(form4, "q4ans");
        QTest::keyClicks(box, "green");
        QTest::keyClick(box, Qt::Key_Return);
        QVERIFY(game.program.boxes.boxes.isEmpty());
        QVERIFY(form4->isVisible());
    }

    void fourRightBoxesOfFiveEarnNothing()
    {
        Game game;
        QuestionWindow *form6 = game.open(6);
        QStringList answers = rightAnswers(6);
        answers[4] = QString();
        Game::type(form6, answers);
        Game::done(form6);
        QCOMPARE(game.program.boxes.take(), (QList<ShownBox>{{"Message", "We knew you'd get that wrong."}}));
        QCOMPARE(game.score(), QString("0"));
    }

    void questionsJudgedInAnyOrder()
    {
        Game game;
        QuestionWindow *form7 = game.open(7);
        QuestionWindow *form12 = game.open(12);
        QuestionWindow *form3 = game.open(3);
        QVERIFY(form7->isVisible() && form12->isVisible() && form3->isVisible());
        Game::type(form12, rightAnswers(12));
        Game::type(form3, {"wrong"});
        Game::type(form7, rightAnswers(7));
        Game::done(form12);
        Game::done(form3);
        Game::done(form7);
        QCOMPARE(game.program.boxes.take(),
                 (QList<ShownBox>{{"Message", "Hot damn you're good."},
                                  {"Message", "Maybe you were watching another show, because you got that wrong!"},
                                  {"Message", "You really are pathetic, way to go!!!"}}));
        QCOMPARE(game.score(), QString(" 2"));
    }

    void reopeningAnOpenQuestionBringsItForward()
    {
        Game game;
        QuestionWindow *form5 = game.open(5);
        QCOMPARE(game.open(5), form5);
        QVERIFY(game.program.boxes.boxes.isEmpty());
    }

    void closedWithoutDoneReopensEmpty()
    {
        Game game;
        QuestionWindow *form5 = game.open(5);
        Game::type(form5, {"half typed"});
        pressCloseBox(form5);
        QVERIFY(!game.program->attempted.isSet(5));
        QuestionWindow *again = game.open(5);
        QVERIFY(again);
        QCOMPARE(child<QLineEdit>(again, "q5ans")->text(), QString());
        QVERIFY(game.program.boxes.boxes.isEmpty());
    }

    void questionOneLocksWhenOpened()
    {
        Game game;
        QuestionWindow *form1 = game.open(1);
        QVERIFY(game.program->attempted.isSet(1));
        QCOMPARE(game.open(1), form1); // still the same, unanswered window
        QCOMPARE(game.program.boxes.take(), QList<ShownBox>{kAttempted});

        pressCloseBox(form1);
        QVERIFY(!game.open(1));
        QCOMPARE(game.program.boxes.take(), QList<ShownBox>{kAttempted});
    }

    void scoreWindowGoneMidGameCountsFromZero()
    {
        Game game;
        game.program->scorecard.get()->setScoreText("not a number");
        QuestionWindow *form14 = game.open(14);
        Game::type(form14, rightAnswers(14));
        Game::done(form14);
        QCOMPARE(game.score(), QString(" 1"));
    }

    void fourteenRightAnswersScoreFourteen()
    {
        Game game;
        for (int number = 1; number <= 14; ++number) {
            QuestionWindow *window = game.open(number);
            QVERIFY(window);
            Game::type(window, rightAnswers(number));
            Game::done(window);
        }
        QCOMPARE(game.score(), QString(" 14"));
        const QList<ShownBox> boxes = game.program.boxes.take();
        QCOMPARE(boxes.size(), 14);
        for (int number = 1; number <= 14; ++number)
            QCOMPARE(boxes.at(number - 1).prompt, questions::question(number).rightMessage);
    }
};

LVTRIV_TEST_MAIN(TestQuestionWindows)
#include "tst_questionwindows.moc"
