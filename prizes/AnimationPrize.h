#pragma once

#include <QWidget>

#include <array>
#include <functional>

class QLabel;
class QTimer;

// The prize for ten or eleven right answers: four pictures of a toy robot,
// one a second.
class AnimationPrize : public QWidget
{
public:
    // `end` ends the program. `aniimage` is the frame counter. It belongs to
    // the window object, not to its on-screen part, so a window reopened after
    // its close box goes on from the frame it had reached.
    AnimationPrize(std::function<void()> end, int &aniimage);

private:
    void Timer1_Timer();
    void quit_Click();

    QTimer *Timer1;
    std::function<void()> m_end;
    int &m_aniimage;
    QLabel *m_picture;
    std::array<QLabel *, 4> m_frames;
};
