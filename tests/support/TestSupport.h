#pragma once

#include "TestMain.h"
#include "platform/MessageBox.h"
#include "prizes/BrowserPrize.h"
#include "quiz/ScoreWindow.h"
#include "shell/Program.h"
#include "sysinfo/Launcher.h"

#include <QAccessible>
#include <QLabel>
#include <QSet>
#include <QStringList>
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
using Boxes = QList<ShownBox>;
char *toString(const Boxes &boxes);

// Takes every message box while it lives: records it and answers OK at once.
// `whileShown` runs as if the box were on screen, before it is answered.
struct RecordedBoxes
{
    RecordedBoxes();
    ~RecordedBoxes() { MessageBox::setHandler(nullptr); }
    Boxes take() { return std::exchange(boxes, {}); }

    Boxes boxes;
    std::function<void(const ShownBox &)> whileShown;
};

// Notes each browser window the program would open.
struct FakeBrowserPrize : BrowserPrize
{
    explicit FakeBrowserPrize(QStringList &opened) : opened(opened) {}
    void open(const QString &startingAddress, const Compositor &) override { opened.append(startingAddress); }
    QStringList &opened;
};

// Files that exist, and programs that start only on paper when their file does.
struct FakeLauncher : Launcher
{
    bool fileExists(const QString &path) override { return lookedFor.append(path), files.contains(path); }
    bool start(const QString &path) override { return started.append(path), files.contains(path); }

    QSet<QString> files;
    QStringList lookedFor;
    QStringList started;
};

// The program with its End counted, its message boxes recorded, a registry
// without keys, a fake launcher, its browser prizes noted in `browsers` and
// its windows shown by the session's compositor, unless a test hands in others.
struct TestProgram
{
    explicit TestProgram(std::unique_ptr<BrowserPrize> browser = nullptr,
                         const Compositor &compositor = sessionCompositor);
    ~TestProgram();
    Program *operator->() { return program.get(); }

    void play();                                                     // its warning answered and forgotten
    QuestionWindow *open(int number);                                // presses its button: the window, if one opened
    void answer(QuestionWindow *window, const QStringList &answers); // one text per box, then DONE
    void answerAll(int right); // Play, the first `right` questions right, the rest wrong, verdicts taken
    QString score() { return program->scorecard.get()->scorelabel->text(); }

    int endCount = 0; // how often the program was ended
    QStringList browsers;
    RecordedBoxes boxes;
    std::unique_ptr<Program> program;
};

// An answer as a player types it, with the verdict it deserves: a line of
// tests/answers.txt.
struct PlayerAnswer
{
    int question;
    bool right;
    QString tries; // what the line tries, for the row's name
    QStringList boxes;
};
const QList<PlayerAnswer> &playerAnswers();

// The answer whole games play for question `number`: its first right one.
const QStringList &rightAnswers(int number);

// The named control of a window; the test stops when it is not there.
template <class T> T *child(QWidget *window, const char *name)
{
    T *found = window ? window->findChild<T *>(QString::fromLatin1(name)) : nullptr;
    if (!found)
        qFatal("no control %s in window %s", name, window ? qPrintable(window->objectName()) : "(none)");
    return found;
}

void click(QWidget *window, const char *button);
// Lets the window's timer `name` run `ticks` times at once (its interval cut
// short), calling `eachTick` after each, then stops it.
void letTimerRun(QWidget *window, const char *name, int ticks, const std::function<void()> &eachTick = {});
// Presses a window's close box, then lets the event loop delete what it closed.
void pressCloseBox(QWidget *window);
void flushDeletes();

// The names of the visible top-level windows, or of all of them, sorted.
enum class Shown { Visible, Any };
QStringList windows(Shown shown = Shown::Visible);
// Fails the running test when a window outlived it.
void verifyNoWindowLeft();

// What a screen reader says of `control`.
inline QString spoken(QWidget *control, QAccessible::Text text)
{
    return QAccessible::queryAccessibleInterface(control)->text(text);
}
