#pragma once

#include "platform/ModuleFolders.h"
#include "platform/Root.h"
#include "prizes/BrowserPrize.h"

#include <QPluginLoader>
#include <QPointer>

#include <vector>

class BrowserWindow;
class HtmlViewFactory;

// The browser prize as the program ships it: the web engine lives in a module
// of its own, loaded on the first award, so that a game that never reaches
// the prize never pays for the engine.
class BrowserModule : public BrowserPrize
{
public:
    // `asRoot`: whether the process runs as root; its views then open only the
    // bundled pages and web addresses.
    explicit BrowserModule(QStringList searchPaths = moduleFolders(), bool asRoot = runningAsRoot());
    // Windows still open when the program ends go before the engine does.
    ~BrowserModule() override;

    void open(const QString &startingAddress, const Compositor &compositor) override;
    // Loads the module and readies the engine's OpenGL context.
    void prepare() override;

private:
    HtmlViewFactory *factory();

    QStringList m_searchPaths;
    bool m_asRoot;
    bool m_prepared = false;
    QPluginLoader m_loader;
    std::vector<QPointer<BrowserWindow>> m_windows;
};
