#include "quiz/QuestionWindow.h"

#include "platform/Controls.h"
#include "platform/MessageBox.h"
#include "platform/PushButton.h"
#include "platform/Twips.h"
#include "platform/Window.h"
#include "quiz/AttemptedFlags.h"
#include "quiz/Score.h"

#include <QLabel>
#include <QLineEdit>

#include <map>

namespace {

// A box is named by its label, which a screen reader then counts as the box's
// and leaves out when it reads the window: the prompt, the only label left, is
// spoken once with the window and not again at each box.
void nameBy(QLineEdit *box, QLabel *label)
{
    box->setAccessibleName(label->text());
    label->setBuddy(box);
}

} // namespace

QuestionWindow::QuestionWindow(const questions::Question &question, AttemptedFlags &attempted, Score &score)
    : m_question(question), m_attempted(attempted), m_score(score)
{
    if (question.attemptedWhenOpened)
        m_attempted.set(question.number);

    setObjectName(QStringLiteral("Form%1").arg(question.number));
    setWindowTitle(QStringLiteral("Question %1").arg(question.number));
    window::makeFixedDialog(this, twips::size(question.clientWidth, question.clientHeight));

    std::map<QString, QLabel *> labels;
    for (const questions::Text &text : question.texts) {
        const questions::Rect &r = text.rect;
        labels[text.name] =
            controls::label(this, text.name, text.text, r.left, r.top, r.width, r.height, text.alignment);
    }

    // Tab order and the first focus follow the designed tab indexes.
    std::map<int, QWidget *> byTabIndex;
    for (const questions::AnswerBox &answer : question.boxes) {
        const questions::Rect &r = answer.rect;
        QLineEdit *box = controls::textBox(this, answer.name, r.left, r.top, r.width, r.height);
        nameBy(box, labels.at(answer.labelName));
        // Far above any answer, so that a long pasted one is never cut short.
        box->setMaxLength(1 << 20);
        m_boxes.push_back(box);
        byTabIndex[answer.tabIndex] = box;
    }
    const questions::Rect &d = question.done;
    PushButton *donebutton = controls::button(this, "donebutton", "DONE", d.left, d.top, d.width, d.height);
    byTabIndex[question.doneTabIndex] = donebutton;
    connect(donebutton, &QPushButton::clicked, this, &QuestionWindow::donebutton_Click);

    QList<QWidget *> tabOrder;
    for (const auto &[index, control] : byTabIndex)
        tabOrder.append(control);
    controls::tabOrder(tabOrder);
    tabOrder.first()->setFocus();
    window::centre(this);
}

void QuestionWindow::donebutton_Click()
{
    QStringList answers;
    for (const QLineEdit *box : m_boxes)
        answers.append(box->text());

    if (questions::judge(m_question, answers)) {
        m_score.set(m_score.value() + 1); // shown before the verdict
        MessageBox::show(m_question.rightMessage, "Message", this);
    } else {
        MessageBox::show(m_question.wrongMessage, "Message", this);
    }
    hide();
    m_attempted.set(m_question.number);
}
