#pragma once

#include "quiz/Question.h"

#include <QMainWindow>

#include <array>

class AttemptedFlags;
class PushButton;
class Score;

// The quiz board: the question buttons, the final tally and the way back.
// It holds no game state of its own.
class QuizBoard : public QMainWindow
{
public:
    // What the board asks of the rest of the game.
    class Actions
    {
    public:
        virtual void showQuestion(int number) = 0;
        virtual void showMain() = 0;
        virtual void tally() = 0;

    protected:
        ~Actions() = default;
    };

    QuizBoard(const AttemptedFlags &attempted, const Score &score, Actions &actions);

    // Tells a screen reader which questions were attempted and, on those, the
    // score: after each verdict the focus comes back to one of them, and Orca
    // speaks what the focused button says. The captions stay.
    void showAttempted();

private:
    // Question button `question` (1 to questions::kCount).
    void q_Click(int question);
    void donebutton_Click();
    void backbutton_Click();
    void file_back_Click();

    const AttemptedFlags &m_attempted;
    const Score &m_score;
    Actions &m_actions;
    std::array<PushButton *, questions::kCount> m_questionButtons;
};
