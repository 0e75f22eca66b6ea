#include "quiz/QuestionBank.h"

#include <QTest>

// One table per question: right answers, and wrong ones that differ from a
// right one by the smallest step.
class TestQuestionBank : public QObject
{
    Q_OBJECT

private:
    static void columns()
    {
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<bool>("right");
    }

    static void single(const char *name, const QString &answer, bool right)
    {
        QTest::addRow("%s", name) << QStringList{answer} << right;
    }

    static void verdict(int number)
    {
        QFETCH(QStringList, answers);
        QFETCH(bool, right);
        QCOMPARE(questions::judge(questions::question(number), answers), right);
    }

    static const QStringList &heroines()
    {
        static const QStringList names{"Kaede Harada", "Ayane Sekine", "Yui Okabe", "Shiori Nagase",
                                       "Natsuki Ebina"};
        return names;
    }

    static const QStringList &voices()
    {
        static const QStringList names{"Dana Pruitt", "Lois Carvell", "Nora Whitby", "Irene Colby",
                                       "Wendy Ashfield"};
        return names;
    }

    static QStringList replaced(QStringList list, int at, const QString &with)
    {
        list[at] = with;
        return list;
    }

private slots:
    void q1_data()
    {
        columns();
        QTest::addRow("all five") << heroines() << true;
        QTest::addRow("family name first, words around")
            << replaced(heroines(), 0, "it's harada, kaede of course") << true;
        QTest::addRow("capitals") << replaced(heroines(), 4, "NATSUKI EBINA") << true;
        QTest::addRow("four right, one empty") << replaced(heroines(), 2, "") << false;
        QTest::addRow("typo in a family name") << replaced(heroines(), 1, "Ayane Sekina") << false;
        QTest::addRow("given name alone") << replaced(heroines(), 3, "Shiori") << false;
        QTest::addRow("names split across two boxes")
            << replaced(replaced(heroines(), 0, "Kaede Okabe"), 2, "Yui Harada") << false;
        QTest::addRow("neighbour's names in the box")
            << replaced(replaced(heroines(), 0, "Ayane Sekine"), 1, "Kaede Harada") << false;
        QTest::addRow("all empty") << QStringList(5, QString()) << false;
    }
    void q1() { verdict(1); }

    void q2_data()
    {
        columns();
        single("surrounding words and capitals", "I think it was a Dragonfly!", true);
        single("bare", "dragonfly", true);
        single("two words", "dragon fly", false);
        single("typo", "dragonflt", false);
        single("empty", "", false);
    }
    void q2() { verdict(2); }

    void q3_data()
    {
        columns();
        single("first spelling", "gorvan and tiakon", true);
        single("second spelling, other order", "Taikon, Gorvan", true);
        single("second name alone", "taikon", false);
        single("first name alone", "Gorvan", false);
        single("unlisted spelling", "gorvan and tiakan", false);
    }
    void q3() { verdict(3); }

    void q4_data()
    {
        columns();
        single("colour in a sentence", "It was GREEN.", true);
        single("inside a longer word", "greenish", true);
        single("other colour", "pink", false);
        single("typo", "gren", false);
    }
    void q4() { verdict(4); }

    void q5_data()
    {
        columns();
        single("digit spelling", "9 Ten Land", true);
        single("kuten", "Kuten Land", true);
        single("kuuten", "the kuuten land park", true);
        single("digit run together", "9ten land", true);
        single("two blanks", "kuten  land", false);
        single("run together", "kutenland", false);
        single("spelled out", "nine ten land", false);
    }
    void q5() { verdict(5); }

    void q6_data()
    {
        columns();
        QTest::addRow("all five") << voices() << true;
        QTest::addRow("second spelling") << replaced(voices(), 4, "Wendy Ashfeld") << true;
        QTest::addRow("family name first") << replaced(voices(), 0, "Pruitt, Dana") << true;
        QTest::addRow("family name alone") << replaced(voices(), 4, "Ashfield") << false;
        QTest::addRow("unlisted spelling") << replaced(voices(), 4, "Wendy Ashfild") << false;
        QTest::addRow("four right, one empty") << replaced(voices(), 1, "") << false;
        QTest::addRow("names split across two boxes")
            << replaced(replaced(voices(), 2, "Nora Colby"), 3, "Irene Whitby") << false;
    }
    void q6() { verdict(6); }

    void q7_data()
    {
        columns();
        single("full name", "Emiko Tanabe", true);
        single("reversed", "tanabe emiko", true);
        single("missing family name", "Emiko", false);
        single("typo", "Emiko Tanabi", false);
    }
    void q7() { verdict(7); }

    void q8_data()
    {
        columns();
        single("all three", "Brent, Shintarou Isozaki", true);
        single("any order", "isozaki shintarou and brent", true);
        single("dub name with Japanese given name only", "Brent Shintarou", false);
        single("short vowel", "Brent Shintaro Isozaki", false);
    }
    void q8() { verdict(8); }

    void q9_data()
    {
        columns();
        single("official name", "Princess Diamond", true);
        single("without title", "Diamond", false);
        single("typo", "Princess Diamand", false);
    }
    void q9() { verdict(9); }

    void q10_data()
    {
        columns();
        single("name", "Todd", true);
        single("inside a longer word", "toddler", true);
        single("typo", "Tod", false);
    }
    void q10() { verdict(10); }

    void q11_data()
    {
        columns();
        single("both phrases", "Vesper Crystal Power and Vesper Star Power", true);
        single("other order", "vesper star power, vesper crystal power", true);
        single("run together", "vespercrystal power, vesper star power", false);
        single("doubled blank", "vesper crystal  power, vesper star power", false);
        single("one phrase", "vesper crystal power", false);
    }
    void q11() { verdict(11); }

    void q12_data()
    {
        columns();
        single("title", "RoboCop", true);
        single("with a blank", "Robo Cop", false);
    }
    void q12() { verdict(12); }

    void q13_data()
    {
        columns();
        single("as shown on TV", "FM No. 10, Love Line", true);
        single("other order", "love line on fm no. 10", true);
        single("missing period", "FM No 10, Love Line", false);
        single("station without the programme", "FM No. 10", false);
        single("run together", "FM No. 10, Loveline", false);
    }
    void q13() { verdict(13); }

    void q14_data()
    {
        columns();
        single("full name", "Marla Devane", true);
        single("family name alone", "Devane", false);
        single("typo", "Marla Devain", false);
    }
    void q14() { verdict(14); }

    // Whatever the player types is a verdict, never a failure.
    void anyTextIsAVerdict_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("right");
        QTest::addRow("control characters") << QString("\t\r\n\x01todd\x7f") << true;
        QTest::addRow("emoji around") << QString::fromUtf8("\U0001F600todd\U0001F600") << true;
        QTest::addRow("right-to-left text") << QString::fromUtf8("\u05E9\u05DC\u05D5\u05DD todd") << true;
        QTest::addRow("lone surrogate") << QString(QChar(0xD800)) + "todd" << true;
        QTest::addRow("dotted capital I lower-cases longer") << QString::fromUtf8("\u0130\u0130\u0130 TODD") << true;
        QTest::addRow("box at its maximum length") << QString(32767 - 4, 'x') + "TODD" << true;
        QTest::addRow("one mebibyte without the keyword") << QString(1 << 20, 'T') << false;
        QTest::addRow("one mebibyte, keyword last") << QString((1 << 20) - 4, 'o') + "Todd" << true;
    }

    void anyTextIsAVerdict()
    {
        QFETCH(QString, typed);
        QFETCH(bool, right);
        QCOMPARE(questions::judge(questions::question(10), {typed}), right);
    }

    void everyQuestionIsWellFormed()
    {
        for (int number = 1; number <= 14; ++number) {
            const questions::Question &q = questions::question(number);
            QCOMPARE(q.number, number);
            QVERIFY(q.boxes.size() == 1 || q.boxes.size() == 5);
            for (const questions::AnswerBox &box : q.boxes) {
                QVERIFY(!box.rule.empty());
                for (const questions::Term &term : box.rule) {
                    QVERIFY(term.anyOf.size() >= 1 && term.anyOf.size() <= 4);
                    for (const char *keyword : term.anyOf) {
                        QCOMPARE(QString::fromLatin1(keyword).toLower(), QString::fromLatin1(keyword));
                        // The prompts give nothing away (question 9's hint names the title on purpose).
                        for (const questions::Text &text : q.texts) {
                            if (number != 9 || qstrcmp(keyword, "princess") != 0)
                                QVERIFY2(!text.text.toLower().contains(QLatin1String(keyword)), keyword);
                        }
                    }
                }
            }
        }
    }
};

QTEST_APPLESS_MAIN(TestQuestionBank)
#include "tst_questionbank.moc"
