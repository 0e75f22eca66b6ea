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
    bool Navigate(const QString &address) override { return load("Navigate " + address); }
    bool GoBack() override { return load("GoBack"); }
    bool GoForward() override { return load("GoForward"); }
    bool GoHome() override { return load("GoHome"); }
    bool GoSearch() override { return load("GoSearch"); }
    bool Refresh() override { return load("Refresh"); }
    bool Stop() override
    {
        busy = false;
        calls.append("Stop");
        return !failing;
    }
    std::optional<QString> LocationName() const override { return reading(title); }
    std::optional<QString> LocationURL() const override { return reading(url); }
    std::optional<bool> Busy() const override { return failing ? std::nullopt : std::optional(busy); }

    // Ends the current load as the engine would.
    void finishLoad(const QString &newTitle, const QString &newUrl)
    {
        busy = false;
        title = newTitle;
        url = newUrl;
        DownloadComplete();
    }

    QStringList calls;
    bool busy = false;
    bool failing = false;
    QString title;
    QString url;

private:
    bool load(const QString &call)
    {
        calls.append(call);
        busy = !failing;
        return !failing;
    }
    std::optional<QString> reading(const QString &value) const { return failing ? std::nullopt : std::optional(value); }
};
