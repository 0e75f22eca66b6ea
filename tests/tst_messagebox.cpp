#include "TestMain.h"
#include "TestSupport.h"

#include "platform/MessageBox.h"
#include "shell/MainWindow.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace {

struct SeenBox
{
    bool seen = false;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::Information;
    Qt::TextFormat format = Qt::AutoText;
    Qt::WindowModality modality = Qt::NonModal;
    QList<QMessageBox::StandardButton> buttons;
};

// Waits for the real box to come up, notes what it shows and presses its OK.
void answerRealBox(SeenBox &seen)
{
    QTimer::singleShot(0, [&seen] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box) {
            answerRealBox(seen);
            return;
        }
        seen.seen = true;
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        seen.format = box->textFormat();
        seen.modality = box->windowModality();
        for (QAbstractButton *button : box->buttons())
            seen.buttons.append(box->standardButton(button));
        QTest::keyClick(box, Qt::Key_Enter);
    });
}

} // namespace

class TestMessageBox : public QObject
{
    Q_OBJECT

private slots:
    void realBoxShowsPlainTextWithOkAlone_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("shownTitle");
        QTest::addRow("own title") << "Sorry" << "Sorry";
        QTest::addRow("no title bears the application's") << QString() << "lvtriv";
    }

    void realBoxShowsPlainTextWithOkAlone()
    {
        QFETCH(QString, title);
        QFETCH(QString, shownTitle);
        const QString prompt = "Two blanks.  <b>not bold</b>";

        SeenBox seen;
        answerRealBox(seen);
        MessageBox::show(prompt, title);

        QVERIFY(seen.seen);
        QCOMPARE(seen.title, shownTitle);
        QCOMPARE(seen.text, prompt);
        QCOMPARE(seen.icon, QMessageBox::NoIcon);
        QCOMPARE(seen.format, Qt::PlainText);
        QCOMPARE(seen.modality, Qt::ApplicationModal);
        QCOMPARE(seen.buttons, QList<QMessageBox::StandardButton>{QMessageBox::Ok});
        QVERIFY(!QApplication::activeModalWidget());
    }

    void prizeListThroughRealBox()
    {
        Program program([] {});
        program.main.show();
        SeenBox seen;
        answerRealBox(seen);
        QTest::mouseClick(child<QPushButton>(program.main.peek(), "prizes"), Qt::LeftButton);

        QVERIFY(seen.seen);
        QCOMPARE(seen.title, QString("THE PRIZES"));
        QCOMPARE(seen.text, QString("Grand prize: The Lumen Comets SFC game!  2nd prize: Manga summaries  "
                                    "3rd prize: A neat little animation"));
    }
};

LVTRIV_TEST_MAIN(TestMessageBox)
#include "tst_messagebox.moc"
