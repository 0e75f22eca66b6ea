#include "quiz/QuestionBank.h"
#include "quiz/Score.h"

#include <QTest>

// The judging of every question: right answers, and wrong ones that differ
// from a right one by the smallest step.
class TestQuestionBank : public QObject
{
    Q_OBJECT

private:
    static QStringList heroines(int box = -1, const QString &with = {})
    {
        QStringList names{"Kaede Harada", "Ayane Sekine", "Yui Okabe", "Shiori Nagase", "Natsuki Ebina"};
        if (box >= 0)
            names[box] = with;
        return names;
    }

    static QStringList voices(int box = -1, const QString &with = {})
    {
        QStringList names{"Dana Pruitt", "Lois Carvell", "Nora Whitby", "Irene Colby", "Wendy Ashfield"};
        if (box >= 0)
            names[box] = with;
        return names;
    }

private slots:
    void judge_data()
    {
        QTest::addColumn<int>("question");
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<bool>("right");
        const auto row = [](const char *name, int question, const QStringList &answers, bool right) {
            QTest::addRow("q%d %s", question, name) << question << answers << right;
        };

        row("all five", 1, heroines(), true);
        row("family name first, capitals", 1, heroines(0, "it's HARADA, Kaede"), true);
        row("one box empty", 1, heroines(2, ""), false);
        row("given name alone", 1, heroines(3, "Shiori"), false);
        row("two boxes swapped", 1, {"Ayane Sekine", "Kaede Harada", "Yui Okabe", "Shiori Nagase", "Natsuki Ebina"},
            false);
        row("in a sentence", 2, {"I think it was a Dragonfly!"}, true);
        row("two words", 2, {"dragon fly"}, false);
        row("second spelling", 3, {"Taikon, Gorvan"}, true);
        row("one name", 3, {"taikon"}, false);
        row("inside a longer word", 4, {"greenish"}, true);
        row("other colour", 4, {"pink"}, false);
        row("digit spelling", 5, {"9 Ten Land"}, true);
        row("kuuten", 5, {"the kuuten land park"}, true);
        row("two blanks", 5, {"kuten  land"}, false);
        row("spelled out", 5, {"nine ten land"}, false);
        row("second spelling", 6, voices(4, "Wendy Ashfeld"), true);
        row("family name alone", 6, voices(4, "Ashfield"), false);
        row("names across two boxes", 6,
            {"Dana Pruitt", "Lois Carvell", "Nora Colby", "Irene Whitby", "Wendy Ashfield"}, false);
        row("reversed", 7, {"tanabe emiko"}, true);
        row("typo", 7, {"Emiko Tanabi"}, false);
        row("any order", 8, {"isozaki shintarou and brent"}, true);
        row("short vowel", 8, {"Brent Shintaro Isozaki"}, false);
        row("official name", 9, {"Princess Diamond"}, true);
        row("without title", 9, {"Diamond"}, false);
        row("name", 10, {"Todd"}, true);
        row("typo", 10, {"Tod"}, false);
        row("both phrases", 11, {"vesper star power, Vesper Crystal Power"}, true);
        row("one phrase", 11, {"vesper crystal power"}, false);
        row("doubled blank", 11, {"vesper crystal  power, vesper star power"}, false);
        row("title", 12, {"RoboCop"}, true);
        row("with a blank", 12, {"Robo Cop"}, false);
        row("as shown on TV", 13, {"FM No. 10, Love Line"}, true);
        row("missing period", 13, {"FM No 10, Love Line"}, false);
        row("full name", 14, {"Marla Devane"}, true);
        row("family name alone", 14, {"Devane"}, false);

        // Whatever the player types is a verdict, never a failure.
        row("control characters", 10, {"\t\r\n\x01todd\x7f"}, true);
        row("lone surrogate", 10, {QString(QChar(0xD800)) + "todd"}, true);
        row("dotted capital I lower-cases longer", 10, {QString::fromUtf8("\u0130\u0130\u0130 TODD")}, true);
        row("one mebibyte, keyword last", 10, {QString((1 << 20) - 4, 'o') + "Todd"}, true);
        row("one mebibyte without it", 10, {QString(1 << 20, 'T')}, false);
        row("fewer answers than boxes", 1, heroines().mid(0, 4), false);
    }

    void judge()
    {
        QFETCH(int, question);
        QFETCH(QStringList, answers);
        QFETCH(bool, right);
        QCOMPARE(questions::judge(questions::question(question), answers), right);
    }

    // The prompts give nothing away (question 9's hint names the title on purpose).
    void promptsHoldNoKeyword()
    {
        for (int number = 1; number <= questions::kCount; ++number) {
            const questions::Question &q = questions::question(number);
            QCOMPARE(q.number, number);
            for (const questions::AnswerBox &box : q.boxes) {
                for (const questions::Term &term : box.rule) {
                    for (const char *keyword : term.anyOf) {
                        QCOMPARE(QString(keyword).toLower(), QString(keyword)); // matched against lower case
                        for (const questions::Text &text : q.texts) {
                            if (number != 9 || qstrcmp(keyword, "princess") != 0)
                                QVERIFY2(!text.text.toLower().contains(QLatin1String(keyword)), keyword);
                        }
                    }
                }
            }
        }
    }

    void scoreWrittenReadsBack()
    {
        QCOMPARE(score::text(12), QString(" 12"));
        QCOMPARE(score::text(-2), QString("-2"));
        for (double value : {-3.0, 0.0, 1.0, 14.0, 1e11})
            QCOMPARE(score::read(score::text(value)), value);
    }
};

QTEST_APPLESS_MAIN(TestQuestionBank)
#include "tst_questionbank.moc"
