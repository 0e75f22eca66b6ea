#pragma once

#include <QDeadlineTimer>
#include <QString>
#include <QtPlugin>

#include <functional>
#include <optional>

class QWidget;

// Whether a page view is busy: from the command that asks for a page until
// the load ends, fails or is stopped. An engine reports the start of a load
// only some time after the command; a command whose load never starts (an
// address the engine drops) counts as idle again after a few seconds. Those
// count from the first time the view is asked: an engine's own start may hold
// the game up for longer than that.
class LoadState
{
public:
    void requested()
    {
        m_loading = false;
        m_startDue = QDeadlineTimer(QDeadlineTimer::Forever);
    }
    void started()
    {
        m_loading = true;
        m_startDue = QDeadlineTimer();
    }
    void ended()
    {
        m_loading = false;
        m_startDue = QDeadlineTimer();
    }
    bool busy() const
    {
        if (m_startDue.isForever())
            m_startDue = QDeadlineTimer(kStartWaitMs);
        return m_loading || !m_startDue.hasExpired();
    }

private:
    static constexpr int kStartWaitMs = 3000;
    bool m_loading = false;
    // Expired: no command waiting for its load; forever: one not asked about yet.
    mutable QDeadlineTimer m_startDue;
};

// The page view of the browser prize. Every operation can fail, as a web
// view's can: a command that fails (Back with no history) starts nothing, and
// a reading that fails returns no value. The browser window goes on all the
// same.
class HtmlView
{
public:
    virtual ~HtmlView() = default;

    // The on-screen part, placed by the window that holds the view.
    virtual QWidget *widget() = 0;

    // Starts loading `address`, exactly as given, and returns at once.
    virtual void Navigate(const QString &address) = 0;
    virtual void GoBack() = 0;
    virtual void GoForward() = 0;
    // The program's own start page.
    virtual void GoHome() = 0;
    // One fixed web search page.
    virtual void GoSearch() = 0;
    virtual void Refresh() = 0;
    virtual void Stop() = 0;

    // The current page's title and address, and whether a page is loading.
    virtual std::optional<QString> LocationName() const = 0;
    virtual std::optional<QString> LocationURL() const = 0;
    virtual std::optional<bool> Busy() const = 0;

    // Called when a download has ended: the page's title and address are known.
    std::function<void()> DownloadComplete;
};

// The addresses a view opens: any, or only the bundled pages (qrc:) and web
// addresses (http:, https:), for a process running as root, whose engine runs
// without its sandbox. An address refused, typed or followed from a page,
// gets the engine's own error page.
enum class Addresses { Any, BundledAndWeb };

// What the browser module offers: views on a real web engine. The engine is
// loaded with the module, on the first award of the browser prize.
class HtmlViewFactory
{
public:
    virtual ~HtmlViewFactory() = default;
    virtual HtmlView *createHtmlView(QWidget *parent, Addresses addresses) = 0;
};

#define HtmlViewFactory_iid "org.example.lvtriv.HtmlViewFactory/3.0"
Q_DECLARE_INTERFACE(HtmlViewFactory, HtmlViewFactory_iid)
