#include "TestSupport.h"

#include "platform/MessageBox.h"

#include <QTest>

#include <QApplication>
#include <QCoreApplication>
#include <QMenu>

char *toString(const QList<ShownBox> &boxes)
{
    QStringList shown;
    for (const ShownBox &box : boxes)
        shown.append(QStringLiteral("[%1] \"%2\"").arg(box.title, box.prompt));
    return qstrdup(shown.join(", ").toUtf8().constData());
}

RecordedBoxes::RecordedBoxes()
{
    MessageBox::setHandler([this](const QString &prompt, const QString &title) {
        const ShownBox box{title, prompt};
        if (whileShown)
            whileShown(box);
        boxes.append(box);
    });
}

RecordedBoxes::~RecordedBoxes()
{
    MessageBox::setHandler(nullptr);
}

QList<ShownBox> RecordedBoxes::take()
{
    return std::exchange(boxes, {});
}

TestProgram::TestProgram(std::unique_ptr<BrowserPrize> browser)
{
    auto fakeRegistry = std::make_unique<FakeRegistry>();
    auto fakeLauncher = std::make_unique<FakeLauncher>();
    registry = fakeRegistry.get();
    launcher = fakeLauncher.get();
    program = std::make_unique<Program>([this] { ++endCount; }, std::move(fakeRegistry),
                                        std::move(fakeLauncher), std::move(browser));
}

TestProgram::~TestProgram()
{
    program.reset();
    flushDeletes();
}

void pressCloseBox(QWidget *window)
{
    window->close();
    flushDeletes();
}

void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

namespace {
QStringList windowNames(bool visibleOnly)
{
    QStringList names;
    const auto windows = QApplication::topLevelWidgets();
    for (const QWidget *window : windows) {
        // Menus and tooltips are top-level widgets too, but not windows of the program.
        if (qobject_cast<const QMenu *>(window) || window->windowType() == Qt::ToolTip)
            continue;
        if (!visibleOnly || window->isVisible())
            names.append(window->objectName());
    }
    names.sort();
    return names;
}
} // namespace

QStringList visibleWindows()
{
    return windowNames(true);
}

QStringList existingWindows()
{
    return windowNames(false);
}

void verifyNoWindowLeft()
{
    flushDeletes();
    QCOMPARE(existingWindows(), QStringList());
}
