#pragma once

#include "quiz/Question.h"

#include <QWidget>

#include <vector>

class AttemptedFlags;
class QLineEdit;

// The window of one question: its prompt, its answer box or boxes and DONE,
// which judges the answer once.
class QuestionWindow : public QWidget
{
public:
    // What a question window asks of the score window.
    class Scorecard
    {
    public:
        // The score as the label reads (the score window is made, hidden, when
        // it does not exist).
        virtual double score() = 0;
        // The label's new text, shown at once.
        virtual void setScoreText(const QString &text) = 0;

    protected:
        ~Scorecard() = default;
    };

    // The load step; question 1 counts as attempted from here on.
    // DONE reads and writes the score through `scorecard` and sets the
    // question's flag in `attempted`.
    QuestionWindow(const questions::Question &question, AttemptedFlags &attempted, Scorecard &scorecard);

private:
    void donebutton_Click();

    const questions::Question &m_question;
    AttemptedFlags &m_attempted;
    Scorecard &m_scorecard;
    std::vector<QLineEdit *> m_boxes;
};
