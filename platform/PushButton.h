#pragma once

#include <QPushButton>

// A push button as players know it from classic dialogs: its caption wraps
// inside the button instead of being clipped, and Enter presses it while it has
// the focus, just as Space does.
class PushButton : public QPushButton
{
public:
    explicit PushButton(const QString &text, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
