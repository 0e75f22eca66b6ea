#pragma once

#include "quiz/Question.h"

#include <QWidget>

#include <vector>

class Program;
class QLineEdit;

// The window of one question: its prompt, its answer box or boxes and DONE,
// which judges the answer once.
class QuestionWindow : public QWidget
{
public:
    // The load step; question 1 counts as attempted from here on.
    QuestionWindow(const questions::Question &question, Program &program);

    void donebutton_Click();

private:
    const questions::Question &m_question;
    Program &m_program;
    std::vector<QLineEdit *> m_boxes;
};
