#include "WebEnginePlugin.h"

#include "WebEngineHtmlView.h"

#include "platform/Root.h"

#include <cstdio>

WebEnginePlugin::WebEnginePlugin()
{
    // The engine refuses to start as root with its sandbox on. Only then is it
    // turned off, and the player is told; everyone else keeps the sandbox.
    if (runningAsRoot() && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX")) {
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
        std::fputs("lvtriv: running as root, so the web engine's sandbox is turned off.\n", stderr);
    }
}

HtmlView *WebEnginePlugin::createHtmlView(QWidget *parent, Addresses addresses)
{
    return new WebEngineHtmlView(parent, addresses);
}
