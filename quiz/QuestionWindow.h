#pragma once

#include "quiz/Question.h"

#include <QWidget>

#include <vector>

class AttemptedFlags;
class QLineEdit;
class Score;

// The window of one question: its prompt, its answer box or boxes and DONE,
// which judges the answer once.
class QuestionWindow : public QWidget
{
public:
    // The load step; question 1 counts as attempted from here on.
    // DONE adds a right answer to `score` and sets the question's flag in
    // `attempted`.
    QuestionWindow(const questions::Question &question, AttemptedFlags &attempted, Score &score);

private:
    void donebutton_Click();

    const questions::Question &m_question;
    AttemptedFlags &m_attempted;
    Score &m_score;
    std::vector<QLineEdit *> m_boxes;
};
