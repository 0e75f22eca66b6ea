#include "platform/MessageBox.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {

// A box whose prompt is its own text too, not its label's alone. Orca 48 reads
// an alert's own text whole, but skips a label of fewer than three words
// ("Nice answer."); Orca 43 reads the label, as before.
class MessageBoxAccessible : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit MessageBoxAccessible(QMessageBox *box) : QAccessibleWidget(box, QAccessible::AlertMessage) {}

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    using QAccessibleWidget::text;
    QString text(int startOffset, int endOffset) const override
    {
        return prompt().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(prompt().size()); }
    QString attributes(int, int *startOffset, int *endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    int selectionCount() const override { return 0; }
    void selection(int, int *startOffset, int *endOffset) const override { *startOffset = *endOffset = 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}

private:
    QString prompt() const { return static_cast<QMessageBox *>(widget())->text(); }
};

// Asked at QMessageBox's turn alone (see platform/Window.cpp).
QAccessibleInterface *accessibleMessageBox(const QString &className, QObject *object)
{
    auto *box = className == u"QMessageBox" ? qobject_cast<QMessageBox *>(object) : nullptr;
    return box ? new MessageBoxAccessible(box) : nullptr;
}

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
    box.exec();
}

void MessageBox::installAccessibleText()
{
    QAccessible::installFactory(accessibleMessageBox);
}

void MessageBox::setHandler(Handler replacement)
{
    handler() = std::move(replacement);
}
