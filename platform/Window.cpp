#include "platform/Window.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>

namespace {

// Lets the owning Window forget its widget the moment the close box is used,
// so that a use right after the close makes a fresh window even before the old
// one is deleted.
class CloseBoxWatch : public QObject
{
public:
    CloseBoxWatch(QWidget *window, std::function<void()> forget) : QObject(window), m_forget(std::move(forget))
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Close && m_forget) {
            std::exchange(m_forget, nullptr)();
            watched->deleteLater();
        }
        return false;
    }

private:
    std::function<void()> m_forget;
};

} // namespace

namespace window {

void showModeless(QWidget *window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

void centre(QWidget *window)
{
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

void makeFixedDialog(QWidget *window, QSize client)
{
    window->setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                           | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    window->setFixedSize(client);
}

void destroyOnCloseBox(QWidget *window, std::function<void()> forget)
{
    new CloseBoxWatch(window, std::move(forget));
}

} // namespace window
