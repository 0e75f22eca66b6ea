#include "shell/Application.h"

#include "platform/Controls.h"
#include "platform/MessageBox.h"
#include "platform/Pixels.h"
#include "platform/TextBoxAccessible.h"
#include "platform/Window.h"
#include "platform/wayland/Compositor.h"

#include "lvtriv/Version.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QIconEngine>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleFactory>

#include <algorithm>
#include <array>
#include <functional>
#include <iterator>

namespace {

// The window icon in every size the desktop gets (the hicolor sizes dist/
// installs), so that a task bar or a dock shows a sharp one. X11 asks for
// every size as a window is made, so they are built in as pixels ready to
// show; others may never ask.
class WindowIconEngine : public QIconEngine
{
public:
    QIconEngine *clone() const override { return new WindowIconEngine(*this); }
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
        const auto side = std::find_if(std::begin(kSides), std::end(kSides) - 1, [&](int s) { return s >= wanted; });
        QPixmap &file = m_read[size_t(side - std::begin(kSides))];
        if (file.isNull()) // X11 asks for every size twice as a window is made
            file = pixelsPixmap(QStringLiteral(":/pixels/icon-%1.png").arg(*side));
        return *side > wanted ? file.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation) : file;
    }
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        painter->drawPixmap(rect, pixmap(rect.size() * painter->device()->devicePixelRatio(), mode, state));
    }

private:
    // The sizes of assets/icon-sizes.txt, smallest first, through the build.
    static constexpr int kSides[] = {LVTRIV_ICON_SIZES};
    std::array<QPixmap, std::size(kSides)> m_read;
};

// An icon made only when it is first drawn or measured.
class DeferredIconEngine : public QIconEngine
{
public:
    explicit DeferredIconEngine(std::function<QIcon()> make) : m_make(std::move(make)) {}
    QIconEngine *clone() const override { return new DeferredIconEngine(*this); }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }

private:
    const QIcon &icon()
    {
        if (m_icon.isNull())
            m_icon = m_make();
        return m_icon;
    }

    std::function<QIcon()> m_make;
    QIcon m_icon;
};

// Fusion, whose icons are read only when drawn: every menu bar asks for the
// icon of its overflow button, which the game's menu bars never show, and
// reading it at start-up loads the image plugins.
class GameStyle : public QProxyStyle
{
public:
    GameStyle() : QProxyStyle(QStyleFactory::create("Fusion")) {}
    QIcon standardIcon(StandardPixmap icon, const QStyleOption *option, const QWidget *widget) const override
    {
        if (option) // not kept past the call
            return QProxyStyle::standardIcon(icon, option, widget);
        return QIcon(new DeferredIconEngine(
            [style = QPointer<const GameStyle>(this), icon, widget = QPointer<const QWidget>(widget)] {
                return style ? style->QProxyStyle::standardIcon(icon, nullptr, widget) : QIcon();
            }));
    }
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

Compositor setUpApplication(QApplication &app)
{
    QApplication::setApplicationName("lvtriv");
    QApplication::setApplicationVersion(lvtriv::kVersion);
    QApplication::setOrganizationDomain("lvtriv.example.org");
    QApplication::setDesktopFileName("org.example.lvtriv");
    QApplication::setWindowIcon(QIcon(new WindowIconEngine));
    // One look on every desktop: Fusion with a light palette of its own. The
    // windows force white and peach backgrounds, so their text must not take a
    // dark colour scheme's light colours from the desktop.
    QApplication::setStyle(new GameStyle);
    QApplication::setPalette(lightPalette());
    window::installAccessibleRoles();
    window::quietUntilShown();
    window::quietOnOwnBusRequests();
    textbox::installAccessibleText();
    MessageBox::installAccessibleText();
    // The program decides itself when it has no window left (LastWindowWatch).
    app.setQuitOnLastWindowClosed(false);
    const Compositor compositor = Compositor::setUp();

    // The windows were laid out for classic Windows faces; these Liberation
    // families have the same metrics, so every text fits its rectangle.
    QFont::insertSubstitution("MS Sans Serif", "Liberation Sans");
    QFont::insertSubstitution("Arial", "Liberation Sans");
    QFont::insertSubstitution("Times New Roman", "Liberation Serif");
    QApplication::setFont(controls::sansFont(8.25));
    return compositor;
}
