#pragma once

#include <QFont>
#include <QString>

#include <initializer_list>

class PushButton;
class QLabel;
class QLineEdit;
class QWidget;

// Makers for the controls of the program's windows. Every control is placed by
// its designed rectangle in twips and named so that code and tests find it.
namespace controls {

// A label of plain text (double blanks kept) that wraps inside its rectangle.
QLabel *label(QWidget *parent, const char *name, const QString &text, int left, int top,
              int width, int height, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop);

PushButton *button(QWidget *parent, const char *name, const QString &text, int left, int top,
                   int width, int height);

QLineEdit *textBox(QWidget *parent, const char *name, int left, int top, int width, int height);

// A still picture from the program's resources, shown at its own size.
QLabel *picture(QWidget *parent, const char *name, const QString &resource, int left, int top);

// A one-pixel horizontal rule from (left, top) to (right, top).
QWidget *rule(QWidget *parent, const char *name, int left, int top, int right);

// The windows' faces, with the classic names mapped to metric-compatible fonts.
QFont sansFont(qreal pointSize, bool bold = false);
QFont serifFont(qreal pointSize, bool bold = false);

// Chains the tab order through the given controls, first to last.
void tabOrder(std::initializer_list<QWidget *> order);

} // namespace controls
