#include "quiz/QuestionBank.h"

#include "TestSupport.h"

#include <QTest>

// The judging of every question: right answers, and wrong ones that differ
// from a right one by the smallest step.
class TestQuestionBank : public QObject
{
    Q_OBJECT

private:
    // The right answers of question `number` with box `box` changed to `text`.
    static QStringList changed(int number, int box, const QString &text)
    {
        QStringList answers = rightAnswers(number);
        answers[box] = text;
        return answers;
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

        row("all five", 1, rightAnswers(1), true);
        row("family name first, capitals", 1, changed(1, 0, "it's HARADA, Kaede"), true);
        row("one box empty", 1, changed(1, 2, ""), false);
        row("two boxes swapped", 1, {"Ayane Sekine", "Kaede Harada", "Yui Okabe", "Shiori Nagase", "Natsuki Ebina"},
            false);
        row("in a sentence", 2, {"I think it was a Dragonfly!"}, true);
        row("second spelling", 3, {"Taikon, Gorvan"}, true);
        row("digit spelling", 5, {"9 Ten Land"}, true);
        row("two blanks", 5, {"kuten  land"}, false);
        row("other spelling", 6, changed(6, 4, "Wendy Ashfield"), true);
        row("family name alone", 6, changed(6, 4, "Ashfield"), false);
        row("names across two boxes", 6,
            {"Dana Pruitt", "Lois Carvell", "Nora Colby", "Irene Whitby", "Wendy Ashfield"}, false);
        row("official name", 9, {"Princess Diamond"}, true);
        row("without title", 9, {"Diamond"}, false);
        row("name", 10, {"Todd"}, true);
        row("both phrases", 11, {"vesper star power, Vesper Crystal Power"}, true);
        row("doubled blank", 11, {"vesper crystal  power, vesper star power"}, false);
        row("title", 12, {"RoboCop"}, true);
        row("missing period", 13, {"FM No 10, Love Line"}, false);
        row("family name alone", 14, {"Devane"}, false);

        // Whatever the player types is a verdict, never a failure.
        row("dotted capital I lower-cases longer", 10, {QString::fromUtf8("\u0130\u0130\u0130 TODD")}, true);
        row("one mebibyte, keyword last", 10, {QString((1 << 20) - 4, 'o') + "Todd"}, true);
        row("one mebibyte without it", 10, {QString(1 << 20, 'T')}, false);
    }

    void judge()
    {
        QFETCH(int, question);
        QFETCH(QStringList, answers);
        QFETCH(bool, right);
        QCOMPARE(questions::judge(questions::question(question), answers), right);
    }
};

QTEST_APPLESS_MAIN(TestQuestionBank)
#include "tst_questionbank.moc"
