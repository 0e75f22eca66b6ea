#pragma once

#include <QString>

// Opens a new manga-summaries browser window on `startingAddress`, one more
// window per award.
class BrowserPrize
{
public:
    virtual ~BrowserPrize() = default;
    virtual void open(const QString &startingAddress) = 0;
};
