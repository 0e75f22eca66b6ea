#include "platform/Session.h"

#include <QGuiApplication>
#include <QLoggingCategory>

#include <utility>
#include <vector>

Q_LOGGING_CATEGORY(lcSession, "lvtriv.session", QtWarningMsg)

namespace {

// The variables set for the game alone, which the session did not set.
std::vector<const char *> g_setForTheGame;

} // namespace

namespace session {

void setForTheGame(const char *name, const QByteArray &value)
{
    if (qEnvironmentVariableIsSet(name))
        return;
    g_setForTheGame.push_back(name);
    qputenv(name, value);
    qCInfo(lcSession, "%s=%s until the first window is made", name, value.constData());
}

void chooseBeforeApplication()
{
    // Qt 6.4 tries QT_QPA_PLATFORMTHEME's theme first but then the desktop's
    // whole list, plugins before built-in themes: no name there keeps GTK 3's
    // plugin out, and the variable would reach the programs the game starts.
    // Not taking the desktop's settings leaves Qt the generic theme alone,
    // and the environment as it was.
    QGuiApplication::setDesktopSettingsAware(false);
    qCInfo(lcSession, "platform theme: Qt's generic one, whatever the desktop (XDG_CURRENT_DESKTOP=%s)",
           qgetenv("XDG_CURRENT_DESKTOP").constData());
}

void giveBackEnvironment()
{
    for (const char *name : std::exchange(g_setForTheGame, {})) {
        qunsetenv(name);
        qCInfo(lcSession, "%s unset again, as the session had it", name);
    }
}

} // namespace session
