#include "shell/HelpWindow.h"

#include "platform/Controls.h"
#include "platform/MessageBox.h"
#include "platform/PushButton.h"
#include "platform/Twips.h"
#include "platform/Window.h"

#include <QLabel>

HelpWindow::HelpWindow()
{
    setObjectName("help");
    setWindowTitle("Lumen Vesper Quiz Help");
    window::makeFixedDialog(this, twips::size(6135, 4740));

    QFont heading = controls::serifFont(24, true);
    heading.setUnderline(true);
    controls::label(this, "Label1", "Help", 240, 240, 1335, 735)->setFont(heading);
    controls::label(this, "Label2",
                    "1.  You only get one chance to answer each question per game.  Make the best use of it.", 240,
                    1320, 5055, 855);
    controls::label(this, "Label7",
                    "2.  If you feel that the answer you have given is right, then try retyping it being "
                    "careful to watch your spelling, capitalization, and periods.",
                    240, 2400, 5295, 855);
    auto *okbutton = controls::button(this, "okbutton", "OK", 4320, 3600, 1575, 495);
    okbutton->setFocus();
    connect(okbutton, &QPushButton::clicked, this, &HelpWindow::okbutton_Click);
    window::centre(this);
}

void HelpWindow::Form_Load()
{
    MessageBox::show("Make sure you follow these rules explcitily!", "Follow the rules");
}

void HelpWindow::okbutton_Click()
{
    hide();
}
