#include "FakeHtmlView.h"
#include "TestMain.h"
#include "TestSupport.h"

#include "platform/Window.h"
#include "prizes/BrowserWindow.h"
#include "prizes/GrandPrize.h"
#include "quiz/QuestionBank.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QScopeGuard>

#include <climits>

// Every text box as assistive technologies use it: dictation and voice
// control write through its editable text, as they set a text's contents,
// then insert and delete at the caret; magnifiers and review follow its
// characters and its caret, whatever offsets a client on the bus sends.
namespace {
void takesTextFromAssistiveTechnology(QLineEdit *box, const QString &answer)
{
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(box);
    QAccessibleEditableTextInterface *editable = accessible->editableTextInterface();
    QAccessibleTextInterface *text = accessible->textInterface();
    const QByteArray name = box->objectName().toUtf8();
    QVERIFY2(editable && text, name);
    editable->replaceText(0, text->characterCount(), "x");
    editable->insertText(0, answer);
    editable->deleteText(int(answer.size()), int(answer.size()) + 1);
    QCOMPARE(box->text(), answer);

    const QRect onScreen(box->mapToGlobal(QPoint()), box->size());
    const auto inBox = [&](const QRect &rect) { return !rect.isEmpty() && onScreen.contains(rect); };
    text->setCursorPosition(0);
    const QRect character = text->characterRect(0);
    QVERIFY2(inBox(character) && qAbs(character.width() - box->fontMetrics().horizontalAdvance(answer.front())) <= 1,
             name);
    int start = -1, end = -1;
    text->attributes(int(answer.size()) - 1, &start, &end);
    QCOMPARE(QPoint(start, end), QPoint(0, int(answer.size())));

    // Where the caret is as a player types, at the end and in an
    // empty box, a magnifier that follows it finds it in the box.
    const int last = int(answer.size()) - 1;
    text->setCursorPosition(last + 1);
    const QRect caret = text->characterRect(last + 1);
    QVERIFY2(inBox(caret) && caret.left() > text->characterRect(last).left(), name);
    box->clear();
    QVERIFY2(inBox(text->characterRect(0)), name);
    box->setText(answer);

    // Offsets from a client on the bus are taken at their word no
    // further than the text goes.
    QCOMPARE(text->text(INT_MIN, 1), answer.left(1));
    QCOMPARE(text->text(1, INT_MIN), QString());
    text->addSelection(INT_MIN, 2);
    text->selection(0, &start, &end);
    QCOMPARE(QPoint(start, end), QPoint(0, 2));
    text->setSelection(0, last, INT_MAX);
    QCOMPARE(box->selectedText(), answer.right(1));

    // A box made read-only takes nothing from them.
    box->setReadOnly(true);
    editable->replaceText(0, text->characterCount(), "x");
    editable->insertText(0, "x");
    editable->deleteText(0, 1);
    accessible->setText(QAccessible::Value, "x");
    QVERIFY(accessible->state().readOnly && !accessible->state().editable);
    QCOMPARE(box->text(), answer);
    box->setReadOnly(false);
}

// What the program's update handler passes on to the screen reader's bridge.
QList<QPair<QObject *, QAccessible::Event>> passedOn;
} // namespace

class TestAssistiveTechnology : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { verifyNoWindowLeft(); }

    // Each answer box takes its right answer, which DONE then judges right.
    void everyAnswerBoxTakesText_data()
    {
        QTest::addColumn<int>("question");
        for (int number = 1; number <= questions::kCount; ++number)
            QTest::addRow("Form%d", number) << number;
    }

    void everyAnswerBoxTakesText()
    {
        QFETCH(int, question);
        TestProgram game;
        game.play();
        QuestionWindow *window = game.open(question);
        const std::vector<questions::AnswerBox> &boxes = questions::question(question).boxes;
        for (size_t box = 0; box < boxes.size(); ++box)
            takesTextFromAssistiveTechnology(child<QLineEdit>(window, boxes[box].name),
                                             rightAnswers(question).at(qsizetype(box)));
        if (QTest::currentTestFailed())
            return;
        click(window, "donebutton");
        QCOMPARE(game.boxes.take(), (Boxes{{"Message", questions::question(question).rightMessage}}));
    }

    // A box names its OK button as it is built. Sent then, Orca 48 would take
    // the name for a second focus on the button once the box is up, and say
    // "OK button" twice; sent once the box is up, it is the player's news.
    void boxSendsNoNameBeforeItShows()
    {
        const QAccessible::UpdateHandler send = QAccessible::installUpdateHandler([](QAccessibleEvent *event) {
            passedOn.append({event->object(), event->type()});
        });
        QVERIFY(send);
        window::quietUntilShown(); // passing on to passedOn now
        const auto restore = qScopeGuard([send] {
            QAccessible::installUpdateHandler(send);
            passedOn.clear();
        });
        QMessageBox box(QMessageBox::NoIcon, "lvtriv", "Nice answer.", QMessageBox::Ok);
        QObject *ok = box.button(QMessageBox::Ok);
        QAccessibleEvent named(ok, QAccessible::NameChanged);
        QAccessibleEvent focused(ok, QAccessible::Focus);
        send(&named);
        send(&focused);
        QVERIFY(!passedOn.contains(qMakePair(ok, QAccessible::NameChanged)));
        QVERIFY(passedOn.contains(qMakePair(ok, QAccessible::Focus)));

        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        passedOn.clear();
        send(&named);
        QVERIFY(passedOn.contains(qMakePair(ok, QAccessible::NameChanged)));
        box.close();
    }

    // The grand prize's boxes, and the browser's address, which Enter visits.
    void prizeBoxesTakeText()
    {
        TestProgram game;
        const QList<QLineEdit *> boxes = game->cometsgame.show()->findChildren<QLineEdit *>();
        QVERIFY(!boxes.isEmpty());
        for (QLineEdit *box : boxes)
            takesTextFromAssistiveTechnology(box, "Vesper Star Power");
        auto *view = new FakeHtmlView;
        const std::unique_ptr<BrowserWindow> browser(BrowserWindow::open(view, kMangaSummariesAddress, Compositor()));
        QLineEdit *address = browser->cboAddress->lineEdit();
        takesTextFromAssistiveTechnology(address, "qrc:/manga/volume-1.html");
        QTest::keyClick(address, Qt::Key_Return);
        QCOMPARE(view->calls.last(), QString("Navigate qrc:/manga/volume-1.html"));
    }
};

LVTRIV_TEST_MAIN(TestAssistiveTechnology)
#include "tst_assistive.moc"
