#pragma once

#include "platform/Window.h"
#include "quiz/Question.h"

#include <QWidget>

#include <vector>

class AttemptedFlags;
class ScoreWindow;
class QLineEdit;

// The window of one question: its prompt, its answer box or boxes and DONE,
// which judges the answer once.
class QuestionWindow : public QWidget
{
public:
    // The load step; question 1 counts as attempted from here on.
    // DONE reads and writes the score in `scorecard` and sets the question's
    // flag in `attempted`.
    QuestionWindow(const questions::Question &question, AttemptedFlags &attempted, Window<ScoreWindow> &scorecard);

    void donebutton_Click();

private:
    const questions::Question &m_question;
    AttemptedFlags &m_attempted;
    Window<ScoreWindow> &m_scorecard;
    std::vector<QLineEdit *> m_boxes;
};
