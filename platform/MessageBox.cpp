#include "platform/MessageBox.h"

#include "platform/wayland/Compositor.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {
MessageBox::Handler &handler()
{
    static MessageBox::Handler instance;
    return instance;
}
} // namespace

void MessageBox::show(const QString &prompt, const QString &title, QWidget *owner)
{
    const QString shownTitle = title.isEmpty() ? QApplication::applicationName() : title;
    if (handler()) {
        handler()(prompt, shownTitle);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, shownTitle, prompt, QMessageBox::Ok,
                    owner ? owner->window() : QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.button(QMessageBox::Ok)->setIcon(QIcon()); // some styles put a tick on it

    box.setWindowModality(Qt::ApplicationModal);
    compositor::placeOverOwner(&box);
    box.exec();
}

void MessageBox::setHandler(Handler replacement)
{
    handler() = std::move(replacement);
}
