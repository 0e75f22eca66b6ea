#include "prizes/BrowserModule.h"

#include "platform/HtmlView.h"
#include "platform/MessageBox.h"
#include "prizes/BrowserWindow.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

BrowserModule::~BrowserModule()
{
    for (const QPointer<BrowserWindow> &window : m_windows)
        delete window.data();
}

void BrowserModule::open(const QString &startingAddress)
{
    HtmlViewFactory *views = factory();
    if (!views) {
        MessageBox::show("The manga summaries cannot be shown: the browser module is missing or broken.  "
                         + m_loader.errorString());
        return;
    }
    auto *browser = new BrowserWindow(views->createHtmlView(nullptr));
    browser->StartingAddress = startingAddress;
    browser->Form_Load();
    std::erase_if(m_windows, [](const QPointer<BrowserWindow> &window) { return window.isNull(); });
    m_windows.emplace_back(browser);
}

QStringList BrowserModule::searchPaths()
{
    const QDir programDir(QCoreApplication::applicationDirPath());
    return {programDir.absoluteFilePath("../plugins"),
            programDir.absoluteFilePath(QStringLiteral("../%1/lvtriv").arg(LVTRIV_INSTALL_LIBDIR))};
}

HtmlViewFactory *BrowserModule::factory()
{
    if (!m_loader.isLoaded()) {
        for (const QString &dir : searchPaths()) {
            const QString file = QDir(dir).absoluteFilePath("liblvtriv_browser.so");
            if (QFileInfo::exists(file)) {
                m_loader.setFileName(file);
                break;
            }
        }
        if (m_loader.fileName().isEmpty())
            m_loader.setFileName("lvtriv_browser");
    }
    return qobject_cast<HtmlViewFactory *>(m_loader.instance());
}
