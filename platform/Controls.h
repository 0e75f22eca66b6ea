#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QString>

class PushButton;
class QLabel;
class QLineEdit;
class QMainWindow;
class QWidget;

// Makers for the controls of the program's windows. Every control is placed by
// its designed rectangle in twips and named so that code and tests find it.
namespace controls {

// The client area of a window with a menu bar, filled with `background`.
QWidget *clientArea(QMainWindow *window, QColor background);

// A label of plain text (double blanks kept) that wraps inside its rectangle.
QLabel *label(QWidget *parent, const char *name, const QString &text, int left, int top, int width, int height,
              Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop);

PushButton *button(QWidget *parent, const char *name, const QString &text, int left, int top, int width, int height);

QLineEdit *textBox(QWidget *parent, const char *name, int left, int top, int width, int height);

// A still picture from the program's resources (:/assets/NAME, or
// :/pixels/NAME as pixels ready to show), shown at its own (1x) size; on a
// screen of pixel ratio above 1 it is read from NAME@2x beside it.
QLabel *picture(QWidget *parent, const char *name, const QString &resource, int left, int top);

// A horizontal rule `thickness` pixels high from (left, top) to (right, top),
// in the text colour unless a colour is given.
QWidget *rule(QWidget *parent, const char *name, int left, int top, int right, QColor colour = QColor(),
              int thickness = 1);

// The windows' faces, with the classic names mapped to metric-compatible fonts.
QFont sansFont(qreal pointSize, bool bold = false);
QFont serifFont(qreal pointSize, bool bold = false);

// Chains the tab order through the given controls, first to last.
void tabOrder(const QList<QWidget *> &order);

} // namespace controls
