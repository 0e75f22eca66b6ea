#include "quiz/Score.h"

#include <QTest>

class TestScore : public QObject
{
    Q_OBJECT

private slots:
    void read_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");

        QTest::addRow("after play") << "0" << 0.0;
        QTest::addRow("after a right answer") << " 1" << 1.0;
        QTest::addRow("two digits with blank") << " 12" << 12.0;
        QTest::addRow("no blank") << "12" << 12.0;
        QTest::addRow("new window, empty") << "" << 0.0;
        QTest::addRow("blanks only") << "   " << 0.0;
        QTest::addRow("letters") << "abc" << 0.0;
        QTest::addRow("number then junk") << "  7x" << 7.0;
        QTest::addRow("tab before") << "\t9" << 9.0;
        QTest::addRow("negative") << "-3" << -3.0;
        QTest::addRow("plus sign") << "+4" << 4.0;
        QTest::addRow("sign alone") << "-" << 0.0;
        QTest::addRow("fraction rounds down") << " 12.9" << 12.0;
        QTest::addRow("negative fraction rounds down") << "-2.5" << -3.0;
        QTest::addRow("beyond 16 bits") << "99999999999" << 99999999999.0;
        QTest::addRow("arabic-indic digits are not a number") << QString::fromUtf8("\u0661\u0662") << 0.0;
        QTest::addRow("digit after letter") << "x5" << 0.0;
    }

    void read()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(score::read(text), value);
    }

    void text_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");

        QTest::addRow("one") << 1.0 << " 1";
        QTest::addRow("fourteen") << 14.0 << " 14";
        QTest::addRow("zero") << 0.0 << " 0";
        QTest::addRow("negative takes the blank's place") << -2.0 << "-2";
        QTest::addRow("large stays whole") << 100000000000.0 << " 100000000000";
    }

    void text()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(score::text(value), text);
    }

    void textReadsBack()
    {
        for (double value = -3; value <= 15; ++value)
            QCOMPARE(score::read(score::text(value)), value);
    }
};

QTEST_APPLESS_MAIN(TestScore)
#include "tst_score.moc"
