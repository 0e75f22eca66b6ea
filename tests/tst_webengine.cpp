#include "TestMain.h"
#include "TestSupport.h"

#include "prizes/BrowserModule.h"
#include "prizes/BrowserWindow.h"
#include "quiz/ScoreWindow.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <QWebEngineView>

// The browser prize on the real engine, loaded from the module as the game
// loads it. Waits are on what the window shows, never fixed sleeps.
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

} // namespace

class TestWebEngine : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { verifyNoWindowLeft(); }

    void bundledPageLoadsAndItsLinksWork()
    {
        TestProgram game(makeBrowserModule());
        BrowserWindow *browser = awardTwelve(game);
        QVERIFY(browser);
        QTRY_COMPARE_WITH_TIMEOUT(browser->windowTitle(), kIndexTitle, kLoadTimeout);
        QVERIFY(!browser->timTimer->isActive());

        // A real click: the engine only goes back to pages left by a user's own gesture.
        auto *view = browser->findChild<QWebEngineView *>("brwWebBrowser");
        browser->resize(900, 900);
        QVariant centre;
        view->page()->runJavaScript("(function() { const r = document.getElementById('volume-1')"
                                    ".getBoundingClientRect(); return [r.x + r.width / 2, r.y + r.height / 2]; })()",
                                    [&centre](const QVariant &result) { centre = result; });
        QTRY_VERIFY_WITH_TIMEOUT(centre.isValid(), kLoadTimeout);
        const QVariantList xy = centre.toList();
        QTest::mouseClick(view->focusProxy(), Qt::LeftButton, {}, QPoint(xy.at(0).toInt(), xy.at(1).toInt()));
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
        QFile local(dir.filePath("local.html"));
        QVERIFY(local.open(QIODevice::WriteOnly) && local.write("<title>Local</title>a local file") > 0);
        local.close();
        TestProgram game(std::make_unique<BrowserModule>(BrowserModule::defaultSearchPaths(), asRoot));
        BrowserWindow *browser = awardTwelve(game);
        QTRY_COMPARE_WITH_TIMEOUT(browser->windowTitle(), kIndexTitle, kLoadTimeout); // its own pages open
        browser->cboAddress->setEditText(typed.arg(local.fileName()));
        browser->cboAddress_KeyPress(13);
        const QString refused = QUrl::fromLocalFile(local.fileName()).toString();
        QTRY_COMPARE_WITH_TIMEOUT(browser->windowTitle(), asRoot ? refused : "Local", kLoadTimeout);
    }
};

int main(int argc, char *argv[])
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    setUpApplication(app);
    TestWebEngine test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_webengine.moc"
