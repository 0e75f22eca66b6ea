#pragma once

#include <QWidget>

class QLabel;

// The score window: the score above a rule, the number of questions below it.
class ScoreWindow : public QWidget
{
public:
    ScoreWindow();

    // The score as every reader takes it from the label's text.
    double score() const;
    // The score as a screen reader says it: "Score: 3 of 14".
    QString spokenScore() const;

    // Writes the label's text and repaints it at once, so that the new score is
    // visible behind any message box that follows; a screen reader reads
    // "Score: 3 of 14" with the window.
    void setScoreText(const QString &text);

    QLabel *scorelabel;
};
