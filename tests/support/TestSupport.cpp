#include "TestSupport.h"

#include "platform/FileRegistry.h"
#include "platform/MessageBox.h"
#include "quiz/QuestionBank.h"
#include "quiz/QuestionWindow.h"
#include "quiz/ScoreWindow.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>

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

RecordedBoxes::~RecordedBoxes()
{
    MessageBox::setHandler(nullptr);
}

TestProgram::TestProgram(std::unique_ptr<BrowserPrize> browser)
{
    if (!browser)
        browser = std::make_unique<FakeBrowserPrize>(browsers);
    program = std::make_unique<Program>([this] { ++endCount; }, std::make_unique<FileRegistry>(QString()),
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
    for (size_t i = 0; i < boxes.size(); ++i)
        QTest::keyClicks(child<QLineEdit>(window, boxes[i].name), answers.at(qsizetype(i)));
    click(window, "donebutton");
}

QString TestProgram::score()
{
    return program->scorecard.get()->scorelabel->text();
}

const QStringList &rightAnswers(int number)
{
    static const std::array<QStringList, questions::kCount> answers{{
        {"Kaede Harada", "Ayane Sekine", "Yui Okabe", "Shiori Nagase", "Natsuki Ebina"},
        {"Dragonfly"},
        {"Gorvan, Tiakon"},
        {"green"},
        {"Kuten Land"},
        {"Dana Pruitt", "Lois Carvell", "Nora Whitby", "Irene Colby", "Wendy Ashfeld"},
        {"Emiko Tanabe"},
        {"Brent / Shintarou Isozaki"},
        {"Princess Diamond"},
        {"Todd"},
        {"Vesper Crystal Power; Vesper Star Power"},
        {"Robocop"},
        {"FM No. 10 - Love Line"},
        {"Marla Devane"},
    }};
    return answers.at(size_t(number - 1));
}

void click(QWidget *window, const char *button)
{
    QTest::mouseClick(child<QPushButton>(window, button), Qt::LeftButton);
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
        if (qobject_cast<const QMenu *>(window) || window->windowType() == Qt::ToolTip)
            continue;
        if (shown == Shown::Any || window->isVisible())
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
