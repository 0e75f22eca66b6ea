#include "WebEngineHtmlView.h"

#include "prizes/BrowserPrize.h"

#include <QWebEngineHistory>
#include <QWebEngineUrlRequestInterceptor>

namespace {

const char *const kSearchPage = "https://duckduckgo.com/";

// Blocks every request but those for the bundled pages and web addresses:
// pages, frames and everything they load, typed or followed from a link.
class BundledAndWebOnly final : public QWebEngineUrlRequestInterceptor
{
public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;

    void interceptRequest(QWebEngineUrlRequestInfo &info) override
    {
        const QString scheme = info.requestUrl().scheme();
        info.block(scheme != u"qrc" && scheme != u"http" && scheme != u"https");
    }
};

} // namespace

WebEngineHtmlView::WebEngineHtmlView(QWidget *parent, Addresses addresses) : QWebEngineView(parent)
{
    // The page owns its interceptor, so that it never outlives it.
    if (addresses == Addresses::BundledAndWeb)
        page()->setUrlRequestInterceptor(new BundledAndWebOnly(page()));
    connect(this, &QWebEngineView::loadStarted, this, [this] { m_load.started(); });
    connect(this, &QWebEngineView::loadFinished, this, [this] {
        m_load.ended();
        if (DownloadComplete)
            DownloadComplete();
    });
}

// Each command that asks for a page makes the view busy before the engine
// has even started on it.
void WebEngineHtmlView::Navigate(const QString &address)
{
    const QUrl url = QUrl::fromUserInput(address);
    if (!url.isValid())
        return;
    m_load.requested();
    load(url);
}

void WebEngineHtmlView::GoBack()
{
    if (!history()->canGoBack())
        return;
    m_load.requested();
    back();
}

void WebEngineHtmlView::GoForward()
{
    if (!history()->canGoForward())
        return;
    m_load.requested();
    forward();
}

void WebEngineHtmlView::GoHome()
{
    m_load.requested();
    load(QUrl(kMangaSummariesAddress));
}

void WebEngineHtmlView::GoSearch()
{
    m_load.requested();
    load(QUrl(kSearchPage));
}

void WebEngineHtmlView::Refresh()
{
    m_load.requested();
    reload();
}

void WebEngineHtmlView::Stop()
{
    stop();
    m_load.ended();
}

std::optional<QString> WebEngineHtmlView::LocationName() const
{
    return title();
}

std::optional<QString> WebEngineHtmlView::LocationURL() const
{
    return url().toString();
}

std::optional<bool> WebEngineHtmlView::Busy() const
{
    return m_load.busy();
}
