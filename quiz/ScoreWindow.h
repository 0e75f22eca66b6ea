#pragma once

#include <QWidget>

class QLabel;
class Score;

// The score window: the score above a rule, the number of questions below it.
class ScoreWindow : public QWidget
{
public:
    explicit ScoreWindow(const Score &score);

    // Shows the score as it stands and repaints it at once, so that the new
    // score is visible behind any message box that follows; a screen reader
    // reads "Score: 3 of 14" with the window.
    void showScore();

    QLabel *scorelabel;

private:
    const Score &m_score;
};
