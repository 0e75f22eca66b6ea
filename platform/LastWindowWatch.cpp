#include "platform/LastWindowWatch.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

LastWindowWatch::LastWindowWatch(std::function<void()> end, QObject *parent) : QObject(parent), m_end(std::move(end))
{
    qApp->installEventFilter(this);
}

bool LastWindowWatch::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Hide && !m_checkPending && watched->isWidgetType()
        && static_cast<QWidget *>(watched)->isWindow()) {
        m_checkPending = true;
        QTimer::singleShot(0, this, &LastWindowWatch::check);
    }
    return false;
}

void LastWindowWatch::check()
{
    m_checkPending = false;
    const auto windows = QApplication::topLevelWidgets();
    for (const QWidget *window : windows) {
        if (window->isVisible())
            return;
    }
    m_end();
}
