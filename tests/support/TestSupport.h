#pragma once

#include "platform/Launcher.h"
#include "prizes/BrowserPrize.h"
#include "shell/Program.h"

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <memory>

class QuestionWindow;

// One message box as the program asked for it.
struct ShownBox
{
    QString title;
    QString prompt;
    bool operator==(const ShownBox &other) const = default;
};
using Boxes = QList<ShownBox>;

// Lets QCOMPARE print the boxes when they differ.
char *toString(const Boxes &boxes);

// Takes every message box while it lives: records it and answers OK at once.
// `whileShown` runs as if the box were on screen, before it is answered.
class RecordedBoxes
{
public:
    RecordedBoxes();
    ~RecordedBoxes();

    Boxes boxes;
    std::function<void(const ShownBox &)> whileShown;

    // The boxes recorded so far, and forget them.
    Boxes take();
};

// Notes each browser window the program would open.
class FakeBrowserPrize : public BrowserPrize
{
public:
    explicit FakeBrowserPrize(QStringList &opened) : m_opened(opened) {}
    void open(const QString &startingAddress) override { m_opened.append(startingAddress); }

private:
    QStringList &m_opened;
};

// Files that exist and programs that start only on paper.
class FakeLauncher : public Launcher
{
public:
    // The files that exist; a program starts when its file exists.
    QSet<QString> files;
    // Every path looked for and every path started, in order.
    QStringList lookedFor;
    QStringList started;

    bool fileExists(const QString &path) override;
    bool start(const QString &path) override;
};

// The program with its End counted instead of ending the test, its message
// boxes recorded, a registry without keys, a fake launcher, and the browser
// prize noted in `browsers` unless a test hands in another.
class TestProgram
{
public:
    explicit TestProgram(std::unique_ptr<BrowserPrize> browser = nullptr);
    ~TestProgram();

    Program &operator*() { return *program; }
    Program *operator->() { return program.get(); }

    // Play, with its warning answered and forgotten.
    void play();
    // Presses question button `number` and returns its window, if one opened.
    QuestionWindow *open(int number);
    // Types one text per answer box of `window`, in box order, and presses DONE.
    void answer(QuestionWindow *window, const QStringList &answers);
    QString score();

    int endCount = 0;
    QStringList browsers;
    RecordedBoxes boxes;
    std::unique_ptr<Program> program;
};

// A right answer for every box of question `number`.
const QStringList &rightAnswers(int number);

// Finds the named child control of a window, failing the test when it is not there.
template <class T> T *child(QWidget *window, const char *name)
{
    T *found = window ? window->findChild<T *>(QString::fromLatin1(name)) : nullptr;
    if (!found)
        qFatal("no control %s in window %s", name, window ? qPrintable(window->objectName()) : "(none)");
    return found;
}

void click(QWidget *window, const char *button);

// Presses a window's close box, then lets the event loop delete what it closed.
void pressCloseBox(QWidget *window);
void flushDeletes();

// The names of the visible top-level windows, or of all of them, sorted.
QStringList visibleWindows();
QStringList existingWindows();

// Fails the running test when a window outlived it.
void verifyNoWindowLeft();
