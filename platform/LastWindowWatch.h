#pragma once

#include <QObject>

#include <functional>

// Ends the program once none of its windows is visible any more. The check runs
// after the command or close box that hid a window has finished its work, so a
// window hidden and shown again within one command does not end anything.
class LastWindowWatch : public QObject
{
public:
    explicit LastWindowWatch(std::function<void()> end, QObject *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void check();

    std::function<void()> m_end;
    bool m_checkPending = false;
};
