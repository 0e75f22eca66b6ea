#pragma once

#include <QWidget>

#include <functional>

// The prize for all fourteen: where to download the Lumen Comets game.
class GrandPrize : public QWidget
{
public:
    // `end` ends the program.
    explicit GrandPrize(std::function<void()> end);

    // Two mirrors of one archive; the program itself downloads nothing.
    static constexpr const char *kFirstAddress = "https://files.example.org/lumen-comets-sfc.zip";
    static constexpr const char *kSecondAddress = "https://mirror.example.net/lumen-comets-sfc.zip";

private:
    void quit_Click();

    std::function<void()> m_end;
};
