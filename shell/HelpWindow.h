#pragma once

#include "platform/WindowKeeper.h"

#include <QWidget>

// The two rules of the quiz. Its load step greets the player with a reminder;
// OK only hides it, so the reminder comes once per creation.
class HelpWindow : public QWidget, public LoadStep
{
public:
    HelpWindow();

private:
    // The greeting, run by WindowKeeper once this window is recorded.
    void Form_Load() override;
    void okbutton_Click();
};
