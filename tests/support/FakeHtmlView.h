#pragma once

#include "prizes/HtmlView.h"

#include <QStringList>
#include <QWidget>

// A page view that loads nothing: it notes what it is asked to do, and starts
// and ends loads when a test says so (like an engine, some time after the
// command). It fails as a real view can when a test says so: commands (Back
// with no history) or readings.
class FakeHtmlView : public QWidget, public HtmlView
{
public:
    QWidget *widget() override { return this; }
    void Navigate(const QString &address) override { command("Navigate " + address); }
    void GoBack() override { command("GoBack"); }
    void GoForward() override { command("GoForward"); }
    void GoHome() override { command("GoHome"); }
    void GoSearch() override { command("GoSearch"); }
    void Refresh() override { command("Refresh"); }
    void Stop() override { command("Stop", &LoadState::ended); }
    std::optional<QString> LocationName() const override { return reading(title); }
    std::optional<QString> LocationURL() const override { return reading(url); }
    std::optional<bool> Busy() const override { return reading(load.busy()); }

    // Ends the current load as the engine would.
    void finishLoad(const QString &newTitle, const QString &newUrl)
    {
        load.ended();
        title = newTitle;
        url = newUrl;
        DownloadComplete();
    }

    QStringList calls;
    LoadState load;
    QString title;
    QString url;
    bool commandsFail = false;
    bool readingsFail = false;

private:
    void command(const QString &call, void (LoadState::*then)() = &LoadState::requested)
    {
        calls.append(call);
        if (!commandsFail)
            (load.*then)();
    }
    template <class T> std::optional<T> reading(const T &value) const
    {
        return readingsFail ? std::nullopt : std::optional<T>(value);
    }
};
