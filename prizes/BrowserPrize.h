#pragma once

#include <QString>

#include <memory>

class Compositor;

// The bundled page of manga summaries: the browser prize's start page.
inline constexpr const char *kMangaSummariesAddress = "qrc:/manga/index.html";

// Opens a new manga-summaries browser window on `startingAddress`, one more
// window per award, shown by the rules of `compositor`.
class BrowserPrize
{
public:
    virtual ~BrowserPrize() = default;
    virtual void open(const QString &startingAddress, const Compositor &compositor) = 0;
    // Asked as the prize is announced: gets ready for `open` in the time the
    // announcement is up, once the event loop is free.
    virtual void prepare() {}
};

// The browser prize as the program ships it (BrowserModule).
std::unique_ptr<BrowserPrize> makeBrowserModule();
