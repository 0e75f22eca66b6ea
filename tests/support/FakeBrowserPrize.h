#pragma once

#include "prizes/BrowserPrize.h"

#include <QStringList>

// Notes each browser window the program would open.
class FakeBrowserPrize : public BrowserPrize
{
public:
    explicit FakeBrowserPrize(QStringList &opened) : m_opened(opened) {}
    void open(const QString &startingAddress) override { m_opened.append(startingAddress); }

private:
    QStringList &m_opened;
};
