#pragma once

#include <QWidget>

// The two rules of the quiz. Its load step greets the player with a reminder;
// OK only hides it, so the reminder comes once per creation.
class HelpWindow : public QWidget
{
public:
    HelpWindow();

private:
    // The greeting, run by Window once this window is recorded.
    template <class> friend class WindowKeeper;
    void Form_Load();
    void okbutton_Click();
};
