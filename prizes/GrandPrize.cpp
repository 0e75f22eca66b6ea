#include "prizes/GrandPrize.h"

#include "platform/Controls.h"
#include "platform/PushButton.h"
#include "platform/Twips.h"
#include "platform/Window.h"

#include <QLabel>
#include <QLineEdit>

GrandPrize::GrandPrize(std::function<void()> end) : m_end(std::move(end))
{
    setObjectName("cometsgame");
    setWindowTitle("Lumen Vesper Lumen Comets game for the SFC");
    window::makeFixedDialog(this, twips::size(6705, 7455));

    controls::picture(this, "Image1", ":/assets/comets-title.jpg", 1440, 240)
        ->setAccessibleName("The title screen of the Lumen Comets game");
    QLineEdit *first = controls::textBox(this, "Text1", 1440, 3840, 3972, 492);
    first->setText(kFirstAddress);
    first->setCursorPosition(0);
    first->setAccessibleName("Download address");
    // The second address comes after QUIT in the Tab order, where a player
    // who has heard one may never go: the first box names it.
    first->setAccessibleDescription(QStringLiteral("Or, after QUIT: %1").arg(kSecondAddress));
    auto *quit = controls::button(this, "quit", "QUIT", 120, 480, 1212, 492);
    connect(quit, &QPushButton::clicked, this, &GrandPrize::quit_Click);
    controls::label(this, "Label1",
                    "Copy this website address into a web browser and you'll download the game from the above "
                    "location.  You need an SNES emulator to run the game, and technically you can't keep the ROM "
                    "without actually owning the physical cartridge.  Oh, and please don't publicize the address "
                    "because we want the grand prize to be actually worth something.",
                    1320, 5520, 4215, 1575);
    QLineEdit *second = controls::textBox(this, "Text2", 1080, 4920, 4575, 495);
    second->setText(kSecondAddress);
    second->setAccessibleName("Second download address");
    controls::label(this, "Label2", "-OR-", 2880, 4440, 1095, 375, Qt::AlignHCenter | Qt::AlignTop)
        ->setFont(controls::sansFont(8.25, true));

    controls::tabOrder({first, quit, second});
    first->setFocus();
    window::centre(this);
}

void GrandPrize::quit_Click()
{
    m_end();
}
