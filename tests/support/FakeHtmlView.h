#pragma once

#include "platform/HtmlView.h"

#include <QStringList>
#include <QWidget>

// A page view that loads nothing: it notes what it is asked to do, is busy
// while a test says so, and can be told to make every operation fail.
class FakeHtmlView : public QWidget, public HtmlView
{
public:
    QWidget *widget() override { return this; }

    bool Navigate(const QString &address) override { return note("Navigate " + address); }
    bool GoBack() override { return note("GoBack"); }
    bool GoForward() override { return note("GoForward"); }
    bool GoHome() override { return note("GoHome"); }
    bool GoSearch() override { return note("GoSearch"); }
    bool Refresh() override { return note("Refresh"); }
    bool Stop() override
    {
        busy = false;
        return note("Stop");
    }

    std::optional<QString> LocationName() const override { return reading(title); }
    std::optional<QString> LocationURL() const override { return reading(url); }
    std::optional<bool> Busy() const override
    {
        if (failing)
            return std::nullopt;
        return busy;
    }

    // Ends the current load as the engine would.
    void finishLoad(const QString &newTitle, const QString &newUrl)
    {
        busy = false;
        title = newTitle;
        url = newUrl;
        if (DownloadComplete)
            DownloadComplete();
    }

    QStringList calls;
    bool busy = false;
    bool failing = false;
    QString title;
    QString url;

private:
    bool note(const QString &call)
    {
        calls.append(call);
        if (failing)
            return false;
        if (call.startsWith("Navigate") || call.startsWith("Go") || call == "Refresh")
            busy = true;
        return true;
    }

    std::optional<QString> reading(const QString &value) const
    {
        if (failing)
            return std::nullopt;
        return value;
    }
};
