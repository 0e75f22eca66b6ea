#pragma once

#include "platform/HtmlView.h"

#include <QStringList>
#include <QWidget>

// A page view that loads nothing: it notes what it is asked to do, starts and
// ends loads when a test says so (like an engine, some time after the
// command), and can be told to make every operation fail.
class FakeHtmlView : public QWidget, public HtmlView
{
public:
    QWidget *widget() override { return this; }
    bool Navigate(const QString &address) override { return command("Navigate " + address); }
    bool GoBack() override { return command("GoBack"); }
    bool GoForward() override { return command("GoForward"); }
    bool GoHome() override { return command("GoHome"); }
    bool GoSearch() override { return command("GoSearch"); }
    bool Refresh() override { return command("Refresh"); }
    bool Stop() override
    {
        load.ended();
        calls.append("Stop");
        return !failing;
    }
    std::optional<QString> LocationName() const override { return reading(title); }
    std::optional<QString> LocationURL() const override { return reading(url); }
    std::optional<bool> Busy() const override { return failing ? std::nullopt : std::optional(load.busy()); }

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
    bool failing = false;
    QString title;
    QString url;

private:
    bool command(const QString &call)
    {
        calls.append(call);
        if (!failing)
            load.requested();
        return !failing;
    }
    std::optional<QString> reading(const QString &value) const { return failing ? std::nullopt : std::optional(value); }
};
