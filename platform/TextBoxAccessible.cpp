#include "platform/TextBoxAccessible.h"

#include <QAccessibleWidget>
#include <QLineEdit>

namespace {

// A single-line text box as Qt's own interface shows it, but for the one run
// of attributes, over the whole text.
class TextBoxAccessible : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit TextBoxAccessible(QLineEdit *box) : QAccessibleWidget(box, QAccessible::EditableText) {}

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface *>(this)
                                                  : QAccessibleWidget::interface_cast(type);
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = !box()->isReadOnly();
        state.readOnly = box()->isReadOnly();
        state.selectableText = true;
        return state;
    }
    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Value ? box()->text() : QAccessibleWidget::text(kind);
    }

    QString attributes(int, int *startOffset, int *endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }
    QString text(int startOffset, int endOffset) const override
    {
        return box()->text().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(box()->text().size()); }
    int cursorPosition() const override { return box()->cursorPosition(); }
    void setCursorPosition(int position) override { box()->setCursorPosition(position); }
    int selectionCount() const override { return box()->hasSelectedText() ? 1 : 0; }
    void selection(int, int *startOffset, int *endOffset) const override
    {
        *startOffset = box()->hasSelectedText() ? box()->selectionStart() : 0;
        *endOffset = box()->hasSelectedText() ? box()->selectionEnd() : 0;
    }
    void addSelection(int startOffset, int endOffset) override { setSelection(0, startOffset, endOffset); }
    void removeSelection(int) override { box()->deselect(); }
    void setSelection(int, int startOffset, int endOffset) override
    {
        box()->setSelection(startOffset, endOffset - startOffset);
    }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint &point) const override
    {
        return box()->cursorPositionAt(box()->mapFromGlobal(point));
    }
    void scrollToSubstring(int startIndex, int) override { box()->setCursorPosition(startIndex); }

private:
    QLineEdit *box() const { return static_cast<QLineEdit *>(widget()); }
};

// Asked at QLineEdit's turn alone, the most derived class first (see
// platform/Window.cpp).
QAccessibleInterface *accessibleTextBox(const QString &className, QObject *object)
{
    auto *box = className == u"QLineEdit" ? qobject_cast<QLineEdit *>(object) : nullptr;
    return box && box->echoMode() == QLineEdit::Normal ? new TextBoxAccessible(box) : nullptr;
}

} // namespace

namespace textbox {

void installAccessibleText()
{
    QAccessible::installFactory(accessibleTextBox);
}

} // namespace textbox
