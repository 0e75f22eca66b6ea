#include "platform/Session.h"

#include <QGuiApplication>
#include <QLoggingCategory>

#include <optional>
#include <utility>
#include <vector>

Q_LOGGING_CATEGORY(lcSession, "lvtriv.session", QtWarningMsg)

namespace {

// The variables set for the game alone, each with the value the session gave
// (none when it gave none).
std::vector<std::pair<const char *, std::optional<QByteArray>>> g_setForTheGame;

} // namespace

namespace session {

void setForTheGame(const char *name, const QByteArray &value)
{
    g_setForTheGame.emplace_back(name, qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt);
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
    for (const auto &[name, value] : std::exchange(g_setForTheGame, {})) {
        if (value)
            qputenv(name, *value);
        else
            qunsetenv(name);
        qCInfo(lcSession, "%s given back as the session set it", name);
    }
}

} // namespace session
