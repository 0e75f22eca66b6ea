#pragma once

#include "prizes/HtmlView.h"

#include <QWebEngineView>

// The page view on Qt WebEngine. A page is busy from the start of its load to
// its end, which is its "download complete". Addresses go to the engine as
// typed; with Addresses::BundledAndWeb the engine refuses every request of
// another scheme and shows its error page instead.
class WebEngineHtmlView : public QWebEngineView, public HtmlView
{
public:
    WebEngineHtmlView(QWidget *parent, Addresses addresses);

    QWidget *widget() override { return this; }
    void Navigate(const QString &address) override;
    void GoBack() override;
    void GoForward() override;
    void GoHome() override;
    void GoSearch() override;
    void Refresh() override;
    void Stop() override;
    std::optional<QString> LocationName() const override;
    std::optional<QString> LocationURL() const override;
    std::optional<bool> Busy() const override;

private:
    LoadState m_load;
};
