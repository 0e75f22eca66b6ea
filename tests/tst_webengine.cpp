#include "TestMain.h"
#include "TestSupport.h"

#include "prizes/BrowserWindow.h"
#include "quiz/ScoreWindow.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QOpenGLContext>
#include <QRegularExpression>
#include <QTimer>

// The browser prize on the real engine, loaded from the module as the game
// loads it: no OpenGL driver and no engine before the award, then the page,
// on whatever platform the test runs (tests/startup_maps.sh runs it on a real
// X server too). Waits are on what the window shows, never fixed sleeps.
namespace {

constexpr int kLoadTimeout = 30000;
const QString kIndexTitle = "Lumen Vesper Manga Summaries";
const QString kVolumeTitle = "Volume 1: The Star That Answered";

// Wins twelve and returns the browser window the award opened.
BrowserWindow *awardTwelve(TestProgram &game)
{
    game.play();
    game->scorecard.get()->setScoreText(" 12");
    const QList<QWidget *> before = QApplication::topLevelWidgets();
    click(game->quiz.peek(), "donebutton");
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->objectName() == "frmBrowser" && !before.contains(window))
            return static_cast<BrowserWindow *>(window);
    }
    return nullptr;
}

// The libraries mapped into this process whose paths match `pattern`.
QStringList mapped(const QString &pattern)
{
    QFile maps("/proc/self/maps");
    if (!maps.open(QIODevice::ReadOnly))
        qFatal("cannot read /proc/self/maps");
    QStringList found;
    for (const QByteArray &line : maps.readAll().split('\n')) {
        const QString path = QString::fromLocal8Bit(line.mid(line.indexOf('/')));
        if (line.contains('/') && path.contains(QRegularExpression(pattern)) && !found.contains(path))
            found.append(path);
    }
    return found;
}

} // namespace

class TestWebEngine : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        // What the engine says when it finds no OpenGL context to share with:
        // on X11 it then gives up OpenGL. Offscreen has none to give up.
        QTest::failOnWarning(QRegularExpression("initialized from a plugin"));
        if (QGuiApplication::platformName() == "xcb")
            QTest::failOnWarning(QRegularExpression("WebEngineContext used before|No suitable graphics backend"));
    }

    void cleanup() { verifyNoWindowLeft(); }

    void startsWithoutGraphicsDriverOrEngine()
    {
        TestProgram game(makeBrowserModule());
        QVERIFY(QTest::qWaitForWindowExposed(game->main.show()));
        QVERIFY2(!mapped("/libQt6Widgets").isEmpty(), "the maps were not read");
        QCOMPARE(mapped(R"(_dri\.so|/libLLVM|/libQt6WebEngine)"), QStringList());
        QVERIFY(!QOpenGLContext::globalShareContext());
    }

    void bundledPageLoadsAndItsLinksWork()
    {
        TestProgram game(makeBrowserModule());
        BrowserWindow *browser = awardTwelve(game);
        QVERIFY(browser);
        QStringList captions{browser->windowTitle()};
        connect(browser, &QWidget::windowTitleChanged, [&captions](const QString &caption) {
            if (captions.last() != caption)
                captions.append(caption);
        });
        QTRY_COMPARE_WITH_TIMEOUT(browser->windowTitle(), kIndexTitle, kLoadTimeout);
        QTRY_VERIFY(!browser->timTimer->isActive());
        QCOMPARE(captions, (QStringList{"Manga Summaries", "Working...", kIndexTitle}));
        QVERIFY(!mapped("/libQt6WebEngineCore").isEmpty()); // the engine came with the award
        QVERIFY(QOpenGLContext::globalShareContext());      // and the context it shares with

        // The player's own keys: the engine goes back only to pages left by a
        // user's gesture. The first Tab in the page reaches its first link.
        QWidget *page = child<QWidget>(browser, "brwWebBrowser")->focusProxy();
        QVERIFY(page);
        QTest::keyClick(page, Qt::Key_Tab);
        QTest::keyClick(page, Qt::Key_Return);
        QTRY_COMPARE_WITH_TIMEOUT(browser->windowTitle(), kVolumeTitle, kLoadTimeout);
        QCOMPARE(browser->cboAddress->currentText(), QString("qrc:/manga/volume-1.html"));

        browser->tbToolBar_ButtonClick("Back");
        QTRY_COMPARE_WITH_TIMEOUT(browser->windowTitle(), kIndexTitle, kLoadTimeout);
        browser->tbToolBar_ButtonClick("Forward");
        QTRY_COMPARE_WITH_TIMEOUT(browser->windowTitle(), kVolumeTitle, kLoadTimeout);
        browser->tbToolBar_ButtonClick("Forward"); // no history: the timer stops by itself
        QTRY_VERIFY(!browser->timTimer->isActive());
        QCOMPARE(browser->windowTitle(), kVolumeTitle);
    }
};

LVTRIV_TEST_MAIN(TestWebEngine)

#include "tst_webengine.moc"
