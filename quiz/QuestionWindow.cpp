#include "quiz/QuestionWindow.h"

#include "platform/Controls.h"
#include "platform/MessageBox.h"
#include "platform/PushButton.h"
#include "platform/Twips.h"
#include "platform/Window.h"
#include "quiz/GameState.h"
#include "quiz/Score.h"

#include <QLabel>
#include <QLineEdit>

#include <algorithm>
#include <map>

QuestionWindow::QuestionWindow(const questions::Question &question, AttemptedFlags &attempted, Scorecard &scorecard)
    : m_question(question), m_attempted(attempted), m_scorecard(scorecard)
{
    if (question.attemptedWhenOpened)
        m_attempted.set(question.number);

    setObjectName(QStringLiteral("Form%1").arg(question.number));
    setWindowTitle(QStringLiteral("Question %1").arg(question.number));
    window::makeFixedDialog(this, twips::size(question.clientWidth, question.clientHeight));

    std::map<QString, QString> texts;
    for (const questions::Text &text : question.texts) {
        const questions::Rect &r = text.rect;
        controls::label(this, text.name, text.text, r.left, r.top, r.width, r.height, text.alignment);
        texts[text.name] = text.text;
    }
    // What is asked: every text that is no box's own label.
    QStringList asked;
    for (const questions::Text &text : question.texts) {
        if (std::none_of(question.boxes.begin(), question.boxes.end(),
                         [&](const questions::AnswerBox &box) { return qstrcmp(box.labelName, text.name) == 0; }))
            asked.append(text.text);
    }

    // Tab order and the first focus follow the designed tab indexes.
    std::map<int, QWidget *> byTabIndex;
    for (const questions::AnswerBox &answer : question.boxes) {
        const questions::Rect &r = answer.rect;
        QLineEdit *box = controls::textBox(this, answer.name, r.left, r.top, r.width, r.height);
        box->setAccessibleName(texts[answer.labelName]);
        box->setAccessibleDescription(asked.join(' '));
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
    const double current = m_scorecard.score();

    QStringList answers;
    for (const QLineEdit *box : m_boxes)
        answers.append(box->text());

    if (questions::judge(m_question, answers)) {
        m_scorecard.setScoreText(score::text(current + 1));
        MessageBox::show(m_question.rightMessage, "Message", this);
    } else {
        MessageBox::show(m_question.wrongMessage, "Message", this);
    }
    hide();
    m_attempted.set(m_question.number);
}
