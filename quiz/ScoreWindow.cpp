#include "quiz/ScoreWindow.h"

#include "platform/Controls.h"
#include "platform/Twips.h"
#include "platform/Window.h"
#include "quiz/Score.h"

#include <QLabel>

ScoreWindow::ScoreWindow(const Score &score) : m_score(score)
{
    setObjectName("scorecard");
    setWindowTitle("Score Window");
    window::makeFixedDialog(this, twips::size(5205, 3210));
    // It only shows: the keyboard stays with the board, whose attempted
    // buttons tell a screen reader the score. A window manager that handed it
    // the keyboard at Play, then back to the board, made Orca announce the
    // board twice.
    setWindowFlag(Qt::WindowDoesNotAcceptFocus);

    const QFont big = controls::sansFont(18);
    controls::label(this, "Label2", "Score:", 480, 240, 2295, 615)->setFont(big);
    scorelabel = controls::label(this, "scorelabel", QString(), 1560, 1200, 2055, 735, Qt::AlignHCenter | Qt::AlignTop);
    scorelabel->setFont(big);
    showScore();
    controls::rule(this, "Line1", 1080, 2160, 4080);
    controls::label(this, "Label3", QString::number(questions::kCount), 1560, 2280, 2175, 615,
                    Qt::AlignHCenter | Qt::AlignTop)
        ->setFont(big);
    // Where the system puts a new window: out from under the centred quiz board.
    window::placeAtCascadeStart(this);
}

void ScoreWindow::showScore()
{
    scorelabel->setText(m_score.shown());
    scorelabel->setAccessibleName(m_score.spoken());
    scorelabel->repaint();
}
