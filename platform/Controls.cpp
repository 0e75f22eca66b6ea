#include "platform/Controls.h"

#include "platform/Pixels.h"
#include "platform/PushButton.h"
#include "platform/Twips.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPixmap>

namespace {

QPixmap read(const QString &resource)
{
    return resource.startsWith(u":/pixels/") ? pixelsPixmap(resource) : QPixmap(resource);
}

// Every picture is in the resources twice: NAME at 1x and NAME@2x, drawn at
// twice the resolution. On a screen of pixel ratio above 1 this reads the @2x
// one and shows it at NAME's size with a pixel for each screen pixel; else
// NAME. One picture is read either way.
QPixmap screenPixmap(const QString &resource)
{
    if (qApp->devicePixelRatio() > 1) {
        QString sharp = resource;
        QPixmap pixmap = read(sharp.insert(sharp.lastIndexOf(u'.'), u"@2x"));
        if (!pixmap.isNull()) {
            pixmap.setDevicePixelRatio(2);
            return pixmap;
        }
    }
    return read(resource);
}

} // namespace

namespace controls {

QWidget *clientArea(QMainWindow *window, QColor background)
{
    auto *client = new QWidget;
    client->setObjectName("client");
    client->setAutoFillBackground(true);
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, background);
    client->setPalette(palette);
    window->setCentralWidget(client);
    return client;
}

QLabel *label(QWidget *parent, const char *name, const QString &text, int left, int top, int width, int height,
              Qt::Alignment alignment)
{
    auto *made = new QLabel(parent);
    made->setObjectName(name);
    made->setTextFormat(Qt::PlainText);
    made->setWordWrap(true);
    made->setAlignment(alignment);
    made->setText(text);
    made->setGeometry(twips::rect(left, top, width, height));
    return made;
}

PushButton *button(QWidget *parent, const char *name, const QString &text, int left, int top, int width, int height)
{
    auto *made = new PushButton(text, parent);
    made->setObjectName(name);
    made->setGeometry(twips::rect(left, top, width, height));
    return made;
}

QLineEdit *textBox(QWidget *parent, const char *name, int left, int top, int width, int height)
{
    auto *made = new QLineEdit(parent);
    made->setObjectName(name);
    made->setGeometry(twips::rect(left, top, width, height));
    return made;
}

QLabel *picture(QWidget *parent, const char *name, const QString &resource, int left, int top)
{
    auto *made = new QLabel(parent);
    made->setObjectName(name);
    const QPixmap pixmap = screenPixmap(resource);
    made->setPixmap(pixmap);
    made->setGeometry(QRect(twips::point(left, top), pixmap.deviceIndependentSize().toSize()));
    return made;
}

QWidget *rule(QWidget *parent, const char *name, int left, int top, int right, QColor colour, int thickness)
{
    auto *made = new QWidget(parent);
    made->setObjectName(name);
    made->setAutoFillBackground(true);
    QPalette palette = made->palette();
    palette.setColor(QPalette::Window, colour.isValid() ? colour : palette.color(QPalette::WindowText));
    made->setPalette(palette);
    const QPoint start = twips::point(left, top);
    made->setGeometry(start.x(), start.y(), twips::toPixels(right) - start.x(), thickness);
    return made;
}

// Each face is asked for by the name of the family that stands in for it
// (QFont::insertSubstitution, in the application's set-up): a family that Qt
// does not find by its name costs a fontconfig fallback list at start-up, one
// for every such name.
QFont sansFont(qreal pointSize, bool bold)
{
    QFont font(QFont::substitute(QStringLiteral("MS Sans Serif")));
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

QFont serifFont(qreal pointSize, bool bold)
{
    QFont font(QFont::substitute(QStringLiteral("Times New Roman")));
    font.setStyleHint(QFont::Serif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

void tabOrder(const QList<QWidget *> &order)
{
    QWidget *previous = nullptr;
    for (QWidget *control : order) {
        if (previous)
            QWidget::setTabOrder(previous, control);
        previous = control;
    }
}

} // namespace controls
