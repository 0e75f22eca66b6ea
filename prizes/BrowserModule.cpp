#include "prizes/BrowserModule.h"

#include "platform/MessageBox.h"
#include "prizes/BrowserWindow.h"
#include "prizes/HtmlView.h"
#include "prizes/WebEngineSetUp.h"

#include <QDir>
#include <QTimer>

#include <cstdio>
#include <utility>

BrowserModule::BrowserModule(QStringList searchPaths, bool asRoot)
    : m_searchPaths(std::move(searchPaths)), m_asRoot(asRoot)
{
}

BrowserModule::~BrowserModule()
{
    for (const QPointer<BrowserWindow> &window : m_windows)
        delete window.data();
}

void BrowserModule::open(const QString &startingAddress, const Compositor &compositor)
{
    HtmlViewFactory *views = factory();
    if (!views) {
        MessageBox::show("The manga summaries cannot be shown: the browser module is missing or broken.  "
                         + m_loader.errorString());
        return;
    }
    std::erase_if(m_windows, [](const QPointer<BrowserWindow> &window) { return window.isNull(); });
    m_windows.emplace_back(
        BrowserWindow::open(views->createHtmlView(nullptr, m_asRoot ? Addresses::BundledAndWeb : Addresses::Any),
                            startingAddress, compositor));
}

void BrowserModule::prepare()
{
    QTimer::singleShot(0, &m_loader, [this] { factory(); });
}

std::unique_ptr<BrowserPrize> makeBrowserModule()
{
    return std::make_unique<BrowserModule>();
}

HtmlViewFactory *BrowserModule::factory()
{
    // The sandbox follows who the process really is, whatever a test asks of
    // the addresses.
    if (!std::exchange(m_prepared, true))
        prepareForWebEngine(runningAsRoot());
    // The loader adds the platform's prefix and suffix to the module's name.
    for (const QString &dir : m_searchPaths) {
        if (m_loader.isLoaded())
            break;
        m_loader.setFileName(QDir(dir).absoluteFilePath("lvtriv_browser"));
        if (m_loader.load() && m_asRoot)
            std::fputs("lvtriv: running as root, so the browser opens only its own pages and http and https "
                       "addresses.\n",
                       stderr);
    }
    return qobject_cast<HtmlViewFactory *>(m_loader.instance());
}
