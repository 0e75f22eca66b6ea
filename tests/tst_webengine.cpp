#include "RegistryExport.h"
#include "TestMain.h"
#include "TestSupport.h"

#include "prizes/BrowserModule.h"
#include "prizes/BrowserWindow.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QOpenGLContext>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>

// The browser prize on the real engine, loaded from the module as the game
// loads it: no OpenGL context before the award, then the page, on whatever
// platform the test runs (on Weston too: on_weston.sh). Waits are on what the window shows, never fixed sleeps.
namespace {

constexpr int kLoadTimeout = 30000;
const QString kIndexTitle = "Lumen Vesper Manga Summaries";
const QString kVolumeTitle = "Volume 1: The Star That Answered";

// Wins twelve and returns the browser window the award opened; the test stops without one.
BrowserWindow *awardTwelve(TestProgram &game)
{
    game.answerAll(12);
    const QList<QWidget *> before = QApplication::topLevelWidgets();
    click(game->quiz.peek(), "donebutton");
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->objectName() == "frmBrowser" && !before.contains(window))
            return static_cast<BrowserWindow *>(window);
    }
    qFatal("the award of twelve opened no browser window");
}

// Presses the toolbar's button `key`.
void press(BrowserWindow *browser, const char *key)
{
    QTest::mouseClick(browser->tbToolBar->widgetForAction(child<QAction>(browser, key)), Qt::LeftButton);
}

// Types `address` over the address box's text, then Enter.
void typeAddress(BrowserWindow *browser, const QString &address)
{
    QLineEdit *box = child<QComboBox>(browser, "cboAddress")->lineEdit();
    QTest::keySequence(box, QKeySequence::SelectAll);
    QTest::keyClicks(box, address);
    QTest::keyClick(box, Qt::Key_Return);
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

    void bundledPageLoadsAndItsLinksWork()
    {
        TestProgram game(makeBrowserModule());
        QVERIFY(!QOpenGLContext::globalShareContext()); // not before the award
        BrowserWindow *browser = awardTwelve(game);
        QStringList captions{browser->windowTitle()};
        connect(browser, &QWidget::windowTitleChanged, [&captions](const QString &caption) {
            if (captions.last() != caption)
                captions.append(caption);
        });
        QTRY_COMPARE_WITH_TIMEOUT(browser->windowTitle(), kIndexTitle, kLoadTimeout);
        QTRY_VERIFY(!browser->timTimer->isActive());
        // A machine too busy to start the load within the view's wait for it
        // shows "Manga Summaries" once more in between.
        QCOMPARE(captions.first(2), (QStringList{"Manga Summaries", "Working..."}));
        QCOMPARE(captions.last(), kIndexTitle);
        QVERIFY(QOpenGLContext::globalShareContext()); // the context the engine shares with came with it

        // The player's own keys: the engine goes back only to pages left by a
        // user's gesture. The page opens on its heading; one Tab to its first link.
        QWidget *page = child<QWidget>(browser, "brwWebBrowser")->focusProxy();
        QVERIFY(page);
        QTest::keyClick(page, Qt::Key_Tab);
        QTest::keyClick(page, Qt::Key_Return);
        QTRY_COMPARE_WITH_TIMEOUT(browser->windowTitle(), kVolumeTitle, kLoadTimeout);
        QCOMPARE(browser->cboAddress->currentText(), QString("qrc:/manga/volume-1.html"));

        press(browser, "Back");
        QTRY_COMPARE_WITH_TIMEOUT(browser->windowTitle(), kIndexTitle, kLoadTimeout);
        press(browser, "Forward");
        QTRY_COMPARE_WITH_TIMEOUT(browser->windowTitle(), kVolumeTitle, kLoadTimeout);
        press(browser, "Forward"); // no history: the timer stops by itself
        QTRY_VERIFY(!browser->timTimer->isActive());
        QCOMPARE(browser->windowTitle(), kVolumeTitle);
    }

    // What the engine's set-up changes of the game's environment (its flags,
    // accessibility, the sandbox) stays the game's: a program started after
    // an award, as System Information is, gets the session's.
    void startedProgramsGetTheSessionsEnvironment()
    {
        QTemporaryDir dir;
        const QString recorder = dir.filePath("recorder");
        writeFile(recorder, "#!/bin/sh\nenv >\"$0.tmp\" && mv \"$0.tmp\" \"$0.env\"\n");
        QVERIFY(QFile::setPermissions(recorder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        const QProcessEnvironment session = session::environment();
        TestProgram game(makeBrowserModule());
        BrowserWindow *browser = awardTwelve(game);
        QTRY_COMPARE_WITH_TIMEOUT(browser->windowTitle(), kIndexTitle, kLoadTimeout);
        QVERIFY(makeSystemLauncher(session)->start(recorder));
        QFile recorded(recorder + ".env");
        QTRY_VERIFY(recorded.exists());
        QVERIFY(recorded.open(QIODevice::ReadOnly));
        QStringList got = QString::fromLocal8Bit(recorded.readAll()).split('\n').filter("QTWEBENGINE_");
        QStringList wanted = session.toStringList().filter("QTWEBENGINE_");
        got.sort();
        wanted.sort();
        QCOMPARE(got, wanted);
    }

    // An address nothing answers at: the engine shows its own error page; the
    // window keeps the typed address and stops its busy timer.
    void aPageThatCannotLoad()
    {
        QTcpServer probe; // a port that was free a moment ago is closed now
        QVERIFY(probe.listen(QHostAddress::LocalHost));
        const QString closed = QStringLiteral("http://127.0.0.1:%1/").arg(probe.serverPort());
        probe.close();
        TestProgram game(makeBrowserModule());
        BrowserWindow *browser = awardTwelve(game);
        QTRY_COMPARE_WITH_TIMEOUT(browser->windowTitle(), kIndexTitle, kLoadTimeout);
        typeAddress(browser, closed);
        // The error page's title (its host, on Qt 6.4) once the load has ended.
        QTRY_VERIFY_WITH_TIMEOUT(browser->windowTitle() != kIndexTitle && !browser->timTimer->isActive(), kLoadTimeout);
        QVERIFY(browser->windowTitle() != "Working...");
        QCOMPARE(browser->cboAddress->currentText(), closed);
    }

    // Root's engine runs without its sandbox, so root's browser opens its own
    // pages and web addresses only: a local file gets the engine's error page,
    // whose title is the refused address.
    void asRootLocalFilesAreRefused_data()
    {
        QTest::addColumn<bool>("asRoot");
        QTest::addColumn<QString>("typed");
        QTest::addRow("a user opens a local path") << false << "%1";
        QTest::addRow("root: a local path") << true << "%1";
        QTest::addRow("root: a file address") << true << "file://%1";
    }

    void asRootLocalFilesAreRefused()
    {
        QFETCH(bool, asRoot);
        QFETCH(QString, typed);
        QTemporaryDir dir;
        const QString local = dir.filePath("local.html");
        writeFile(local, "<title>Local</title>a local file");
        TestProgram game(std::make_unique<BrowserModule>(moduleFolders(), asRoot));
        BrowserWindow *browser = awardTwelve(game);
        QTRY_COMPARE_WITH_TIMEOUT(browser->windowTitle(), kIndexTitle, kLoadTimeout); // its own pages open
        typeAddress(browser, typed.arg(local));
        const QString refused = QUrl::fromLocalFile(local).toString();
        QTRY_COMPARE_WITH_TIMEOUT(browser->windowTitle(), asRoot ? refused : "Local", kLoadTimeout);
    }
};

LVTRIV_TEST_MAIN(TestWebEngine)

#include "tst_webengine.moc"
