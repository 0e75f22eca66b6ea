#include "FakeHtmlView.h"
#include "TestMain.h"
#include "TestSupport.h"

#include "prizes/BrowserModule.h"
#include "prizes/BrowserWindow.h"
#include "prizes/WebEngineSetUp.h"

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>

// The browser window against a page view that loads nothing.
namespace {

const QString kStart = kMangaSummariesAddress;

struct Browser
{
    explicit Browser(const QString &address = kStart) : window(BrowserWindow::open(view, address, Compositor())) {}
    ~Browser() { delete window.data(); }

    QStringList items() const
    {
        QStringList list;
        for (int i = 0; i < window->cboAddress->count(); ++i)
            list.append(window->cboAddress->itemText(i));
        return list;
    }

    FakeHtmlView *view = new FakeHtmlView;
    QPointer<BrowserWindow> window;
};

} // namespace

class TestBrowserWindow : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { verifyNoWindowLeft(); }

    // Working... from the command until the load ends; a history without duplicates.
    void captionAndHistoryFollowTheLoads()
    {
        Browser browser;
        QCOMPARE(browser.view->calls, QStringList{"Navigate " + kStart});
        QCOMPARE(browser.items(), QStringList{kStart});
        // The engine has not started yet: the window is working already.
        QTRY_COMPARE(browser.window->windowTitle(), QString("Working..."));
        QTest::qWait(20);
        QVERIFY(browser.window->timTimer->isActive());
        browser.view->load.started();
        browser.view->finishLoad("Lumen Vesper Manga Summaries", kStart);
        QTRY_VERIFY(!browser.window->timTimer->isActive());
        QCOMPARE(browser.window->windowTitle(), QString("Lumen Vesper Manga Summaries"));
        QVERIFY(QTest::qWaitForWindowActive(browser.window));
        QCOMPARE(QApplication::focusWidget(), browser.view);
        QCOMPARE(QAccessible::queryAccessibleInterface(browser.window)->role(), QAccessible::Window);

        for (const char *page : {"index", "volume-1", "volume-2", "index"})
            browser.view->finishLoad(page, QStringLiteral("qrc:/manga/%1.html").arg(page));
        QCOMPARE(browser.items(), (QStringList{kStart, "qrc:/manga/volume-2.html", "qrc:/manga/volume-1.html"}));
        QCOMPARE(browser.window->windowTitle(), QString("index"));
        QCOMPARE(browser.view->calls, QStringList{"Navigate " + kStart}); // recording navigates nowhere
    }

    // An engine whose start holds the game up for longer than the view waits
    // for a load to start: the window still shows it working.
    void workingWhileTheEngineStartHoldsTheGameUp()
    {
        Browser browser;
        QTest::qSleep(3500);
        QTRY_COMPARE(browser.window->windowTitle(), QString("Working..."));
        QVERIFY(browser.window->timTimer->isActive());
    }

    void addressBoxOpensOnEnterOrPickOnly_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QStringList>("calls");
        const QString entry = "Navigate qrc:/manga/volume-1.html";
        QTest::addRow("Enter on typed text") << "type, Enter" << QStringList{"Navigate http://127.0.0.1:9/"};
        QTest::addRow("Enter on an entry's text") << "type entry, Enter" << QStringList{entry};
        QTest::addRow("an entry's text, then away") << "type entry, leave" << QStringList{};
        QTest::addRow("arrow key picks") << "Down" << QStringList{entry};
        QTest::addRow("pick from the list") << "list" << QStringList{entry};
    }

    void addressBoxOpensOnEnterOrPickOnly()
    {
        QFETCH(QString, action);
        Browser browser;
        for (const char *page : {"volume-2", "volume-1", "index"}) // a history of three
            browser.view->finishLoad(page, QStringLiteral("qrc:/manga/%1.html").arg(page));
        QVERIFY(QTest::qWaitForWindowActive(browser.window));
        browser.view->calls.clear();
        QComboBox *box = browser.window->cboAddress;
        box->setFocus();
        if (action.startsWith("type")) {
            box->lineEdit()->clear();
            QTest::keyClicks(box->lineEdit(),
                             action.contains("entry") ? "qrc:/manga/volume-1.html" : "http://127.0.0.1:9/");
        }
        if (action.endsWith("Enter"))
            QTest::keyClick(box->lineEdit(), Qt::Key_Return);
        else if (action.endsWith("leave"))
            browser.view->setFocus();
        else if (action == "Down")
            QTest::keyClick(box, Qt::Key_Down);
        else if (action == "list") {
            box->showPopup();
            QTest::keyClick(box->view(), Qt::Key_Down);
            QTest::keyClick(box->view(), Qt::Key_Return);
        }
        QTEST(browser.view->calls, "calls");
        QCOMPARE(browser.items().size(), 3); // typing adds nothing to the list
    }

    // Reached by Tab or Alt+A, the address box selects its address (just
    // after it has the focus, so that a screen reader names the box first):
    // the player types over the whole address.
    void addressBoxTypedOverWhenReachedByKeys_data()
    {
        QTest::addColumn<QKeyCombination>("keys");
        QTest::addRow("Tab") << QKeyCombination(Qt::Key_Tab);
        QTest::addRow("Alt+A") << (Qt::ALT | Qt::Key_A);
    }

    void addressBoxTypedOverWhenReachedByKeys()
    {
        QFETCH(QKeyCombination, keys);
        Browser browser;
        QVERIFY(QTest::qWaitForWindowActive(browser.window));
        QTest::keyClick(browser.view, keys.key(), keys.keyboardModifiers());
        QLineEdit *box = browser.window->cboAddress->lineEdit();
        QTRY_COMPARE(box->selectedText(), kStart);
        QTest::keyClicks(box, "qrc:/manga/volume-2.html");
        QCOMPARE(box->text(), QString("qrc:/manga/volume-2.html"));
    }

    void toolbarButtonsInOrder()
    {
        Browser browser;
        browser.view->finishLoad("Index", kStart);
        browser.view->calls.clear();
        QStringList keys;
        for (QAction *button : browser.window->tbToolBar->actions()) {
            QVERIFY(!button->icon().isNull());
            keys.append(button->toolTip());
            browser.view->title = button->toolTip();
            button->trigger();
            // Stop ends the load and shows the page's title at once; the others start one.
            const bool stop = button->toolTip() == "Stop";
            QVERIFY(browser.window->timTimer->isActive() != stop);
            if (stop)
                QCOMPARE(browser.window->windowTitle(), QString("Stop"));
        }
        QCOMPARE(keys, (QStringList{"Back", "Forward", "Stop", "Refresh", "Home", "Search"}));
        QCOMPARE(browser.view->calls, (QStringList{"GoBack", "GoForward", "Stop", "Refresh", "GoHome", "GoSearch"}));
    }

    // The window ignores what its view cannot do: the caption keeps the page's
    // title and the busy timer stops by itself.
    void toolbarWhenTheViewCannotDoIt_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("loading");
        QTest::addColumn<bool>("commandsFail");
        QTest::addColumn<bool>("readingsFail");
        QTest::addRow("Back with no history") << "Back" << false << true << false;
        QTest::addRow("Forward with no history") << "Forward" << false << true << false;
        QTest::addRow("Stop while loading") << "Stop" << true << false << false;
        QTest::addRow("every button, all failing") << "" << true << true << true;
    }

    void toolbarWhenTheViewCannotDoIt()
    {
        QFETCH(QString, button);
        QFETCH(bool, loading);
        QFETCH(bool, commandsFail);
        QFETCH(bool, readingsFail);
        Browser browser;
        browser.view->finishLoad("Index", kStart);
        if (loading)
            browser.view->load.started();
        browser.view->commandsFail = commandsFail;
        browser.view->readingsFail = readingsFail;
        for (QAction *action : browser.window->tbToolBar->actions())
            if (button.isEmpty() || action->toolTip() == button)
                action->trigger();
        if (button == "Stop") // at once, without waiting for the timer
            QVERIFY(!browser.window->timTimer->isActive());
        QTRY_VERIFY(!browser.window->timTimer->isActive());
        QCOMPARE(browser.window->windowTitle(), QString("Index"));
        QCOMPARE(browser.window->cboAddress->currentText(), kStart);
    }

    void tooSmallAWindowRecovers()
    {
        Browser browser;
        browser.window->resize(20, 10); // below the address strip, as when minimised
        browser.window->resize(900, 700);
        QVERIFY(browser.view->height() > 400);
        QVERIFY(browser.window->Label1->geometry().top() > browser.view->geometry().bottom());
    }

    // Flags that take a sandbox away go, however written; the others stay.
    void engineFlagsKeepTheSandbox_data()
    {
        QTest::addColumn<QString>("flags");
        QTest::addColumn<QString>("kept");
        QTest::addRow("among others") << "--disable-gpu  --no-sandbox --log-level=1"
                                      << "--disable-gpu --log-level=1";
        QTest::addRow("quoted, one dash, a value") << "\"--no-sandbox\" --no-\"sandbox\" -no-sandbox --no-sandbox=1"
                                                   << "";
        QTest::addRow("every way") << "--disable-setuid-sandbox --disable-seccomp-filter-sandbox --no-zygote-sandbox "
                                      "--disable-gpu-sandbox --single-process --in-process-gpu"
                                   << "";
        // The engine trims ASCII whitespace from each argument before it reads a switch.
        QTest::addRow("whitespace around") << "\t--no-sandbox --no-sandbox\n \" --no-sandbox\" \v--single-process\f\r"
                                           << "";
        QTest::addRow("a blank in a value") << "--user-agent=\"Lumen Vesper\" --enable-sandbox-logging"
                                            << "\"--user-agent=Lumen Vesper\" --enable-sandbox-logging";
    }

    void engineFlagsKeepTheSandbox()
    {
        QFETCH(QString, flags);
        QTEST(withoutSandboxOff(flags), "kept");
    }

    // Nor can a user's variable; the flags, set even if empty, hide --webEngineArgs.
    void aUsersEnvironmentKeepsTheSandbox()
    {
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
        prepareForWebEngine(false);
        QVERIFY(!qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"));
        QVERIFY(qEnvironmentVariableIsSet("QTWEBENGINE_CHROMIUM_FLAGS"));
    }

    void aMissingModuleIsReported()
    {
        QTemporaryDir empty;
        BrowserModule module({empty.path()});
        RecordedBoxes boxes;
        module.open(kStart, Compositor());
        QCOMPARE(boxes.boxes.size(), 1);
        QVERIFY2(boxes.boxes[0].prompt.startsWith("The manga summaries cannot be shown"),
                 qPrintable(boxes.boxes[0].prompt));
        QCOMPARE(windows(Shown::Any), QStringList{});
    }
};

LVTRIV_TEST_MAIN(TestBrowserWindow)
#include "tst_browserwindow.moc"
