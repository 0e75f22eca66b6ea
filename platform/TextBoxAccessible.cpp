#include "platform/TextBoxAccessible.h"

#include <QAccessibleWidget>
#include <QLineEdit>
#include <QTextLayout>

#include <algorithm>
#include <utility>

namespace {

// A single-line text box as Qt's own interface shows it, but for the one run
// of attributes, over the whole text, and character rectangles where the box
// draws them. Qt 6.4 does not export its own, so it cannot be derived from.
class TextBoxAccessible : public QAccessibleWidget,
                          public QAccessibleTextInterface,
                          public QAccessibleEditableTextInterface
{
public:
    explicit TextBoxAccessible(QLineEdit *box) : QAccessibleWidget(box, QAccessible::EditableText) {}

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        if (type == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
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
    void setText(QAccessible::Text kind, const QString &text) override
    {
        if (kind == QAccessible::Value)
            replaceText(0, characterCount(), text);
        else
            QAccessibleWidget::setText(kind, text);
    }

    QString attributes(int, int *startOffset, int *endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }
    QString text(int startOffset, int endOffset) const override
    {
        const auto [start, end] = range(startOffset, endOffset);
        return box()->text().mid(start, end - start);
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
        const auto [start, end] = range(startOffset, endOffset);
        box()->setSelection(start, end - start);
    }
    // The box tells where its caret is, scrolled and inside its frame; the
    // other characters lie where the box's font puts them from there. Past
    // the last character, where the caret is as a player types (and in an
    // empty box), the rectangle is the caret's place, for a magnifier to
    // follow.
    QRect characterRect(int offset) const override
    {
        const QString text = box()->text();
        if (offset < 0 || offset > text.size())
            return {};
        QTextLayout layout(text, box()->font());
        layout.beginLayout();
        const QTextLine line = layout.createLine();
        layout.endLayout();
        const QRect caret = box()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        const qreal origin = caret.left() + caret.width() / 2 - line.cursorToX(box()->cursorPosition());
        const int next = offset < text.size() ? offset + 1 : offset;
        const auto [left, right] = std::minmax({line.cursorToX(offset), line.cursorToX(next)});
        const QRect character(qRound(origin + left), caret.top(), std::max(1, qRound(right - left)),
                              box()->fontMetrics().height());
        return character.translated(box()->mapToGlobal(QPoint()));
    }
    int offsetAtPoint(const QPoint &point) const override
    {
        return box()->cursorPositionAt(box()->mapFromGlobal(point));
    }
    void scrollToSubstring(int startIndex, int endIndex) override
    {
        box()->setCursorPosition(endIndex);
        box()->setCursorPosition(startIndex);
    }

    // Edits come as typed text does, through the box: a read-only box takes
    // none, and its maximum length holds.
    void deleteText(int startOffset, int endOffset) override { replaceText(startOffset, endOffset, {}); }
    void insertText(int offset, const QString &text) override { replaceText(offset, offset, text); }
    void replaceText(int startOffset, int endOffset, const QString &text) override
    {
        if (box()->isReadOnly())
            return;
        setSelection(0, startOffset, endOffset);
        box()->insert(text);
    }

private:
    QLineEdit *box() const { return static_cast<QLineEdit *>(widget()); }

    // Offsets as a client on the accessibility bus sends them, any int at
    // all, within the text and in order: never subtracted unclamped.
    std::pair<int, int> range(int startOffset, int endOffset) const
    {
        const int start = std::clamp(startOffset, 0, characterCount());
        return {start, std::clamp(endOffset, start, characterCount())};
    }
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
