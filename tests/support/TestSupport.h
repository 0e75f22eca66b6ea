#pragma once

#include "FakeSystem.h"

#include "shell/Program.h"

#include <QList>
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>

// One message box as the program asked for it.
struct ShownBox
{
    QString title;
    QString prompt;
    bool operator==(const ShownBox &other) const = default;
};

// Lets QCOMPARE print the boxes when they differ.
char *toString(const QList<ShownBox> &boxes);

// Takes every message box while it lives: records it and answers OK at once.
// `whileShown` runs as if the box were on screen, before it is answered.
class RecordedBoxes
{
public:
    RecordedBoxes();
    ~RecordedBoxes();

    QList<ShownBox> boxes;
    std::function<void(const ShownBox &)> whileShown;

    // The boxes recorded so far, and forget them.
    QList<ShownBox> take();
};

// A program whose End is recorded instead of ending the test, plus the
// windows' message boxes recorded; its registry and launcher are fakes, its
// browser prize the real module unless the test hands in another.
class TestProgram
{
public:
    explicit TestProgram(std::unique_ptr<BrowserPrize> browser = makeBrowserModule());
    ~TestProgram();

    Program &operator*() { return *program; }
    Program *operator->() { return program.get(); }

    int endCount = 0;
    RecordedBoxes boxes;
    FakeRegistry *registry;
    FakeLauncher *launcher;
    std::unique_ptr<Program> program;
};

// Finds the named child control of a window, failing the test when it is not there.
template <class T>
T *child(QWidget *window, const char *name)
{
    T *found = window ? window->findChild<T *>(QString::fromLatin1(name)) : nullptr;
    if (!found)
        qFatal("no control %s in window %s", name, window ? qPrintable(window->objectName()) : "(none)");
    return found;
}

// Presses a window's close box, then lets the event loop delete what it closed.
void pressCloseBox(QWidget *window);

// Deletes what is waiting to be deleted.
void flushDeletes();

// The names of the visible top-level windows, sorted.
QStringList visibleWindows();

// The names of all top-level windows, visible or not, sorted.
QStringList existingWindows();

// Fails the running test when a window outlived it.
void verifyNoWindowLeft();
