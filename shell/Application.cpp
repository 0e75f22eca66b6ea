#include "shell/Application.h"

#include "platform/Controls.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QStyleFactory>

void setUpApplication(QApplication &app)
{
    // The pictures live in the core library, which the linker would otherwise
    // leave their registration out of.
    Q_INIT_RESOURCE(assets);

    QApplication::setApplicationName("lvtriv");
    QApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                            .arg(LVTRIV_VERSION_MAJOR)
                                            .arg(LVTRIV_VERSION_MINOR)
                                            .arg(LVTRIV_VERSION_PATCH));
    QApplication::setOrganizationDomain("lvtriv.example.org");
    QApplication::setDesktopFileName("org.example.lvtriv");
    QApplication::setWindowIcon(QIcon(":/assets/icon.png"));
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    // The program decides itself when it has no window left (LastWindowWatch).
    app.setQuitOnLastWindowClosed(false);

    // The windows were laid out for classic Windows faces; these Liberation
    // families have the same metrics, so every text fits its rectangle.
    QFont::insertSubstitution("MS Sans Serif", "Liberation Sans");
    QFont::insertSubstitution("Arial", "Liberation Sans");
    QFont::insertSubstitution("Times New Roman", "Liberation Serif");
    QApplication::setFont(controls::sansFont(8.25));
}
