#include "quiz/QuizBoard.h"

#include "platform/Controls.h"
#include "platform/MessageBox.h"
#include "platform/PushButton.h"
#include "platform/Twips.h"
#include "platform/Window.h"
#include "quiz/AttemptedFlags.h"
#include "quiz/Score.h"

#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>

QuizBoard::QuizBoard(const AttemptedFlags &attempted, const Score &score, Actions &actions)
    : m_attempted(attempted), m_score(score), m_actions(actions)
{
    setObjectName("quiz");
    setWindowTitle("The Quiz!");

    QWidget *client = controls::clientArea(this, Qt::white);

    controls::picture(client, "Image1", ":/assets/quiz-board.jpg", 120, 240)
        ->setAccessibleName("A quiz show stage under spotlights");
    auto *frame = new QGroupBox("The questions", client);
    frame->setObjectName("Frame1");
    frame->setGeometry(twips::rect(3840, 240, 4935, 5655));

    QList<QWidget *> tabOrder;
    for (int question = 1; question <= questions::kCount; ++question) {
        const int column = (question - 1) / 7;
        const int row = (question - 1) % 7;
        const QByteArray name = "q" + QByteArray::number(question);
        auto *button = controls::button(client, name.constData(), QStringLiteral("Question %1").arg(question),
                                        column == 0 ? 4200 : 6480, 600 + row * 720, 1695, 615);
        connect(button, &QPushButton::clicked, this, [this, question] { q_Click(question); });
        m_questionButtons[question - 1] = button;
        tabOrder.append(button);
    }
    showAttempted();
    auto *donebutton = controls::button(client, "donebutton", "Click here when you have completed all the questions",
                                        360, 3480, 2175, 855);
    auto *backbutton = controls::button(client, "backbutton", "Back to Main Screen", 360, 4680, 2175, 735);
    connect(donebutton, &QPushButton::clicked, this, &QuizBoard::donebutton_Click);
    connect(backbutton, &QPushButton::clicked, this, &QuizBoard::backbutton_Click);

    tabOrder.first()->setFocus();
    controls::tabOrder(tabOrder << backbutton << donebutton);

    QMenu *filemenu = menuBar()->addMenu("&File");
    filemenu->setObjectName("filemenu");
    QAction *file_back = filemenu->addAction("&Back", this, &QuizBoard::file_back_Click);
    file_back->setObjectName("file_back");
    file_back->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_B));

    resize(twips::size(9060, 6000) + QSize(0, menuBar()->sizeHint().height()));
    window::centre(this);
}

void QuizBoard::showAttempted()
{
    const QString attempted = "Attempted. " + m_score.spoken();
    for (int question = 1; question <= questions::kCount; ++question) {
        PushButton *button = m_questionButtons[question - 1];
        const QString description = m_attempted.isSet(question) ? attempted : QString();
        // Each change is an event that a screen reader may speak again.
        if (button->accessibleDescription() != description)
            button->setAccessibleDescription(description);
    }
}

void QuizBoard::q_Click(int question)
{
    if (m_attempted.isSet(question)) {
        MessageBox::show("This question has already been attempted!", "Sorry", this);
        return;
    }
    m_actions.showQuestion(question);
}

void QuizBoard::donebutton_Click()
{
    m_actions.tally();
}

void QuizBoard::backbutton_Click()
{
    hide();
    m_actions.showMain();
}

void QuizBoard::file_back_Click()
{
    hide();
}
