#include "TestSupport.h"

#include "quiz/QuestionBank.h"
#include "sysinfo/FileRegistry.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <algorithm>

char *toString(const Boxes &boxes)
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

TestProgram::TestProgram(std::unique_ptr<BrowserPrize> browser, const Compositor &compositor)
{
    if (!browser)
        browser = std::make_unique<FakeBrowserPrize>(browsers);
    program = std::make_unique<Program>([this] { ++endCount; }, compositor, std::make_unique<FileRegistry>(QString()),
                                        std::make_unique<FakeLauncher>(), std::move(browser));
}

TestProgram::~TestProgram()
{
    program.reset();
    flushDeletes();
}

void TestProgram::play()
{
    click(program->main.show(), "playbutton");
    boxes.take();
}

QuestionWindow *TestProgram::open(int number)
{
    click(program->quiz.get(), qPrintable(QStringLiteral("q%1").arg(number)));
    return program->question(number).peek();
}

void TestProgram::answer(QuestionWindow *window, const QStringList &answers)
{
    const auto &boxes = questions::question(window->objectName().mid(4).toInt()).boxes;
    for (size_t i = 0; i < boxes.size(); ++i) {
        auto *box = child<QLineEdit>(window, boxes[i].name);
        const QString &text = answers.at(qsizetype(i));
        // QTest types ASCII keys only; other letters come as an input method would bring them.
        if (std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 128; }))
            QTest::keyClicks(box, text);
        else
            box->insert(text);
    }
    click(window, "donebutton");
}

void TestProgram::answerAll(int right)
{
    play();
    for (int number = 1; number <= questions::kCount; ++number) {
        const QStringList &answers = rightAnswers(number);
        answer(open(number), number <= right ? answers : QStringList(answers.size(), "no idea"));
    }
    boxes.take();
}

const QList<PlayerAnswer> &playerAnswers()
{
    static const QList<PlayerAnswer> answers = [] {
        QFile file(QStringLiteral(LVTRIV_PLAYER_ANSWERS));
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            qFatal("cannot read %s", qPrintable(file.fileName()));
        QList<PlayerAnswer> read;
        for (const QString &line : QString::fromUtf8(file.readAll()).split('\n')) {
            if (line.isEmpty() || line.startsWith('#'))
                continue;
            QStringList fields = line.split(" | ");
            const QStringList head = fields.takeFirst().split(' ');
            const int question = head.value(0).toInt();
            if (head.size() != 2 || !QStringList{"right", "wrong"}.contains(head[1]) || question < 1
                || question > questions::kCount || fields.size() < 2)
                qFatal("%s: cannot read the line \"%s\"", qPrintable(file.fileName()), qPrintable(line));
            read.append({question, head[1] == "right", fields.takeFirst(), fields}); // read in order: tries, then boxes
        }
        return read;
    }();
    return answers;
}

const QStringList &rightAnswers(int number)
{
    for (const PlayerAnswer &answer : playerAnswers()) {
        if (answer.question == number && answer.right)
            return answer.boxes;
    }
    qFatal("tests/answers.txt has no right answer for question %d", number);
}

void click(QWidget *window, const char *button)
{
    QTest::mouseClick(child<QPushButton>(window, button), Qt::LeftButton);
}

void letTimerRun(QWidget *window, const char *name, int ticks, const std::function<void()> &eachTick)
{
    auto *timer = child<QTimer>(window, name);
    int left = ticks;
    QObject watch; // connected after the window's own handler, so runs after it
    QObject::connect(timer, &QTimer::timeout, &watch, [&] {
        if (eachTick)
            eachTick();
        if (--left == 0)
            timer->stop();
    });
    timer->start(1);
    QTRY_COMPARE(left, 0);
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

QStringList windows(Shown shown)
{
    QStringList names;
    const auto windows = QApplication::topLevelWidgets();
    for (const QWidget *window : windows) {
        // Menus and tooltips are top-level widgets too, but not windows of the program.
        if (!qobject_cast<const QMenu *>(window) && window->windowType() != Qt::ToolTip
            && (shown == Shown::Any || window->isVisible()))
            names.append(window->objectName());
    }
    names.sort();
    return names;
}

void verifyNoWindowLeft()
{
    flushDeletes();
    QCOMPARE(windows(Shown::Any), QStringList());
}
