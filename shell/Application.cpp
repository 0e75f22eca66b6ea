#include "shell/Application.h"

#include "platform/Controls.h"
#include "platform/Window.h"

#include "lvtriv/Version.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QStyleFactory>

void setUpApplication(QApplication &app)
{
    QApplication::setApplicationName("lvtriv");
    QApplication::setApplicationVersion(lvtriv::kVersion);
    QApplication::setOrganizationDomain("lvtriv.example.org");
    QApplication::setDesktopFileName("org.example.lvtriv");
    QApplication::setWindowIcon(QIcon(":/assets/icon.png"));
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    window::installAccessibleRoles();
    // The program decides itself when it has no window left (LastWindowWatch).
    app.setQuitOnLastWindowClosed(false);

    // The windows were laid out for classic Windows faces; these Liberation
    // families have the same metrics, so every text fits its rectangle.
    QFont::insertSubstitution("MS Sans Serif", "Liberation Sans");
    QFont::insertSubstitution("Arial", "Liberation Sans");
    QFont::insertSubstitution("Times New Roman", "Liberation Serif");
    QApplication::setFont(controls::sansFont(8.25));
}
