#include "platform/Session.h"

#include <QGuiApplication>
#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcSession, "lvtriv.session", QtWarningMsg)

namespace session {

void setForTheGame(const char *name, const QByteArray &value)
{
    if (qEnvironmentVariableIsSet(name))
        return;
    qputenv(name, value);
    qCInfo(lcSession, "%s=%s for the game alone", name, value.constData());
}

const QProcessEnvironment &environment()
{
    static const QProcessEnvironment session = QProcessEnvironment::systemEnvironment();
    return session;
}

void chooseBeforeApplication()
{
    environment();
    // Qt 6.4 tries QT_QPA_PLATFORMTHEME's theme first but then the desktop's
    // whole list, plugins before built-in themes: no name there keeps GTK 3's
    // plugin out, and the variable would reach the programs the game starts.
    // Not taking the desktop's settings leaves Qt the generic theme alone,
    // and the environment as it was. No version check: Qt 6.8 still loads
    // GTK 3 under GNOME's variables without it, and the game draws with its
    // own style and palette on every Qt.
    QGuiApplication::setDesktopSettingsAware(false);
#if QT_VERSION >= QT_VERSION_CHECK(6, 9, 0)
    // Qt 6.11 registers the game with the desktop portal at start, and
    // warns wherever the portal cannot place it ("App info not found");
    // 6.8.2 does not. The game asks the portal for nothing.
    setForTheGame("QT_NO_XDG_DESKTOP_PORTAL", "1");
#endif
    qCInfo(lcSession, "platform theme: Qt's generic one, whatever the desktop (XDG_CURRENT_DESKTOP=%s)",
           qgetenv("XDG_CURRENT_DESKTOP").constData());
}

} // namespace session
