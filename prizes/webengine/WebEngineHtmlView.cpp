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
    connect(this, &QWebEngineView::loadStarted, this, [this] { m_busy = true; });
    connect(this, &QWebEngineView::loadFinished, this, [this] {
        m_busy = false;
        if (DownloadComplete)
            DownloadComplete();
    });
}

bool WebEngineHtmlView::Navigate(const QString &address)
{
    const QUrl url = QUrl::fromUserInput(address);
    if (!url.isValid())
        return false;
    load(url);
    return true;
}

bool WebEngineHtmlView::GoBack()
{
    if (!history()->canGoBack())
        return false;
    back();
    return true;
}

bool WebEngineHtmlView::GoForward()
{
    if (!history()->canGoForward())
        return false;
    forward();
    return true;
}

bool WebEngineHtmlView::GoHome()
{
    load(QUrl(kMangaSummariesAddress));
    return true;
}

bool WebEngineHtmlView::GoSearch()
{
    load(QUrl(kSearchPage));
    return true;
}

bool WebEngineHtmlView::Refresh()
{
    reload();
    return true;
}

bool WebEngineHtmlView::Stop()
{
    stop();
    return true;
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
    return m_busy;
}
