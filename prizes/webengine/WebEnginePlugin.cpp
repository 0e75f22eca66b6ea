#include "WebEnginePlugin.h"

#include "WebEngineHtmlView.h"

#include "platform/Root.h"

#include <QByteArrayList>

#include <cstdio>

WebEnginePlugin::WebEnginePlugin()
{
    // The engine refuses to start as root with its sandbox on. Only then is it
    // turned off, and the player is told. Everyone else keeps the sandbox,
    // whatever the environment asks of the engine.
    if (runningAsRoot()) {
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
        std::fputs("lvtriv: running as root, so the web engine's sandbox is turned off.\n", stderr);
        return;
    }
    qunsetenv("QTWEBENGINE_DISABLE_SANDBOX");
    QByteArrayList flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS").split(' ');
    flags.removeAll("--no-sandbox");
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags.join(' '));
}

HtmlView *WebEnginePlugin::createHtmlView(QWidget *parent, Addresses addresses)
{
    return new WebEngineHtmlView(parent, addresses);
}
