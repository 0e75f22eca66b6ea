#include "prizes/AnimationPrize.h"

#include "platform/Controls.h"
#include "platform/PushButton.h"
#include "platform/Twips.h"
#include "platform/Window.h"

#include <QLabel>
#include <QTimer>

AnimationPrize::AnimationPrize(std::function<void()> end, int &aniimage) : m_end(std::move(end)), m_aniimage(aniimage)
{
    setObjectName("Animation");
    setWindowTitle("Animation Prize");
    window::makeFixedDialog(this, twips::size(7440, 7485));

    controls::label(this, "Label1",
                    "This is your prize because you either got 10 or 11 questions right!  Good job, but if you "
                    "do even better you can get an even better prize!",
                    240, 240, 3252, 972);
    auto *quit = controls::button(this, "quit", "QUIT", 3960, 360, 1812, 612);
    connect(quit, &QPushButton::clicked, this, &AnimationPrize::quit_Click);

    m_picture = new QLabel(this);
    m_picture->setObjectName("Picture1");
    m_picture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_picture->setAutoFillBackground(true);
    m_picture->setBackgroundRole(QPalette::Base);
    m_picture->setForegroundRole(QPalette::Text);
    m_picture->setGeometry(twips::rect(840, 1680, 5655, 4575));
    m_picture->setAccessibleName("Slide show of a toy robot");

    controls::label(this, "Label2",
                    "This animation will be replaced by a Lumen Vesper one in the next update of the quiz: "
                    "v3.01.  Just in case you're wondering, the pics are of \"Optimal Optimus\", a new Beast "
                    "Wars (Japanese only?) Transformer.",
                    1080, 6480, 5415, 855);

    const int framePlaces[4][2] = {{360, 1320}, {240, 5040}, {3960, 1560}, {2640, 4440}};
    for (int index = 1; index <= 4; ++index) {
        const QByteArray name = "Image1(" + QByteArray::number(index) + ")";
        QLabel *frame = controls::picture(this, name.constData(), QStringLiteral(":/assets/robot-%1.jpg").arg(index),
                                          framePlaces[index - 1][0], framePlaces[index - 1][1]);
        frame->hide();
        frame->setAccessibleName(QStringLiteral("Toy robot, picture %1").arg(index));
        m_frames[index - 1] = frame;
    }

    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &AnimationPrize::Timer1_Timer);
    Timer1->start();

    quit->setFocus();
    window::centre(this);
}

void AnimationPrize::Timer1_Timer()
{
    m_aniimage += 1;
    if (m_aniimage == 5)
        m_aniimage = 1;
    const QPixmap frame = m_frames[m_aniimage - 1]->pixmap();
    m_picture->setPixmap(frame);
    // The box keeps its top-left corner and takes the picture's size on screen
    // (not its pixels: the frame may be a 2x one) plus its border.
    const int border = 2 * m_picture->frameWidth();
    m_picture->resize(frame.deviceIndependentSize().toSize() + QSize(border, border));
}

void AnimationPrize::quit_Click()
{
    m_end();
}
