#include "shell/Application.h"

#include "platform/Controls.h"
#include "platform/TextBoxAccessible.h"
#include "platform/Window.h"

#include "lvtriv/Version.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QIconEngine>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QStyleFactory>

#include <algorithm>
#include <iterator>

namespace {

// The window icon in every size the desktop gets (the hicolor sizes dist/
// installs), so that a task bar or a dock shows a sharp one. A file is read
// only when a platform asks for a picture of the icon (X11 does as a window is
// made, others may never; QPixmap keeps what it read), so start-up reads none:
// QIcon::addFile would read every file at once.
class WindowIconEngine : public QIconEngine
{
public:
    QIconEngine *clone() const override { return new WindowIconEngine; }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (int side : kSides)
            sizes.append(QSize(side, side));
        return sizes;
    }
    // The smallest file at least as big as asked for (else the biggest), scaled down to the size asked for.
    QPixmap pixmap(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        const int wanted = std::max(size.width(), size.height());
        const int side = *std::find_if(std::begin(kSides), std::end(kSides) - 1, [&](int s) { return s >= wanted; });
        const QPixmap file(QStringLiteral(":/assets/icon-%1.png").arg(side));
        return side > wanted ? file.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation) : file;
    }
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        painter->drawPixmap(rect, pixmap(rect.size() * painter->device()->devicePixelRatio(), mode, state));
    }

private:
    // The sizes of assets/icon-sizes.txt, smallest first, through the build.
    static constexpr int kSides[] = {LVTRIV_ICON_SIZES};
};

// Fusion's palette on a desktop without a colour scheme, every colour given,
// since a style's own palette follows the desktop's scheme.
QPalette lightPalette()
{
    const QColor window(0xef, 0xef, 0xef);
    const QColor mid = window.darker(130);
    const QColor dark = window.darker(150);
    const QColor shadow = dark.darker(135);
    QPalette light(Qt::black, window, window.lighter(150), dark, mid, Qt::black, Qt::white, Qt::white, window);
    light.setColor(QPalette::Midlight, mid.lighter(110));
    light.setColor(QPalette::Shadow, shadow);
    light.setColor(QPalette::Highlight, QColor(0x30, 0x8c, 0xc6));
    light.setColor(QPalette::AlternateBase, QColor(0xf7, 0xf7, 0xf7));
    light.setColor(QPalette::PlaceholderText, QColor(0, 0, 0, 128));
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::Dark})
        light.setColor(QPalette::Disabled, role, QColor(0xbe, 0xbe, 0xbe));
    light.setColor(QPalette::Disabled, QPalette::Base, window);
    light.setColor(QPalette::Disabled, QPalette::Shadow, shadow.lighter(150));
    light.setColor(QPalette::Disabled, QPalette::Highlight, QColor(0x91, 0x91, 0x91));
    return light;
}

} // namespace

void setUpApplication(QApplication &app)
{
    QApplication::setApplicationName("lvtriv");
    QApplication::setApplicationVersion(lvtriv::kVersion);
    QApplication::setOrganizationDomain("lvtriv.example.org");
    QApplication::setDesktopFileName("org.example.lvtriv");
    QApplication::setWindowIcon(QIcon(new WindowIconEngine));
    // One look on every desktop: Fusion with a light palette of its own. The
    // windows force white and peach backgrounds, so their text must not take a
    // dark colour scheme's light colours from the desktop.
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    QApplication::setPalette(lightPalette());
    window::installAccessibleRoles();
    textbox::installAccessibleText();
    // The program decides itself when it has no window left (LastWindowWatch).
    app.setQuitOnLastWindowClosed(false);

    // The windows were laid out for classic Windows faces; these Liberation
    // families have the same metrics, so every text fits its rectangle.
    QFont::insertSubstitution("MS Sans Serif", "Liberation Sans");
    QFont::insertSubstitution("Arial", "Liberation Sans");
    QFont::insertSubstitution("Times New Roman", "Liberation Serif");
    QApplication::setFont(controls::sansFont(8.25));
}
