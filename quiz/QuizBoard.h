#pragma once

#include <QMainWindow>

class Program;
class PushButton;

// The quiz board: fourteen question buttons, the final tally and the way back.
// It holds no game state of its own.
class QuizBoard : public QMainWindow
{
public:
    explicit QuizBoard(Program &program);

    // Question button `question` (1 to 14).
    void q_Click(int question);
    void donebutton_Click();
    void backbutton_Click();
    void file_back_Click();

private:
    Program &m_program;
};
