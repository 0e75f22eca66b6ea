#include "TestMain.h"
#include "TestSupport.h"
#include "FakeHtmlView.h"

#include "platform/Twips.h"
#include "prizes/BrowserModule.h"
#include "prizes/BrowserPrize.h"
#include "prizes/BrowserWindow.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QToolBar>

namespace {

const QString kStart = kMangaSummariesAddress;

struct Browser
{
    explicit Browser(const QString &startingAddress = kStart)
    {
        window = new BrowserWindow(view);
        window->StartingAddress = startingAddress;
        window->Form_Load();
    }
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

    void opensOnTheStartingAddress()
    {
        Browser browser;
        BrowserWindow *window = browser.window;
        QCOMPARE(window->objectName(), QString("frmBrowser"));
        QCOMPARE(window->windowTitle(), QString("Manga Summaries"));
        QCOMPARE(window->size(), twips::size(6540, 6345));
        QVERIFY(window->isVisible());
        QCOMPARE(browser.view->calls, QStringList{"Navigate " + kStart});
        QCOMPARE(window->cboAddress->currentText(), kStart);
        QCOMPARE(browser.items(), QStringList{kStart});
        QVERIFY(window->timTimer->isActive());
        QCOMPARE(window->timTimer->interval(), 5);
        QCOMPARE(window->cboAddress->pos(), QPoint(twips::toPixels(50), twips::toPixels(60 + 255 + 15)));
        QVERIFY(QTest::qWaitForWindowActive(window));
        QCOMPARE(QApplication::focusWidget(), browser.view);
    }

    void captionFollowsTheLoadAndTheTimerStopsItself()
    {
        Browser browser;
        QTRY_COMPARE(browser.window->windowTitle(), QString("Working..."));
        browser.view->busy = false;
        browser.view->title = "Lumen Vesper Manga Summaries";
        QTRY_VERIFY(!browser.window->timTimer->isActive());
        QCOMPARE(browser.window->windowTitle(), QString("Lumen Vesper Manga Summaries"));
    }

    void emptyStartingAddressOpensBlank()
    {
        Browser browser{QString()};
        QVERIFY(browser.view->calls.isEmpty());
        QVERIFY(browser.items().isEmpty());
        QVERIFY(!browser.window->timTimer->isActive());
        QCOMPARE(browser.window->windowTitle(), QString("Manga Summaries"));
        QCOMPARE(browser.window->cboAddress->currentText(), kStart); // the designed text stays
    }

    void enterOpensTheTypedAddressOnce_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addRow("address") << "http://127.0.0.1:9/none";
        QTest::addRow("already in the list") << kStart;
        QTest::addRow("blank") << "   ";
        QTest::addRow("script") << "javascript:alert(1)";
        QTest::addRow("very long") << "http://example.org/" + QString(10000, 'a');
    }

    void enterOpensTheTypedAddressOnce()
    {
        QFETCH(QString, typed);
        Browser browser;
        browser.view->calls.clear();
        QLineEdit *edit = browser.window->cboAddress->lineEdit();
        edit->clear();
        edit->insert(typed); // typed at once: 10,000 key clicks would take seconds
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(browser.view->calls, QStringList{"Navigate " + typed});
        QCOMPARE(browser.items(), QStringList{kStart}); // typing adds nothing to the list
        QCOMPARE(edit->text(), typed);                  // the key was not swallowed
        QVERIFY(browser.window->timTimer->isActive());
    }

    void pickingAnEntryOpensIt()
    {
        Browser browser;
        browser.view->finishLoad("Volume 1", "qrc:/manga/volume-1.html");
        browser.view->calls.clear();
        QTest::keyClick(browser.window->cboAddress, Qt::Key_Down); // picks the next entry, the start page
        QCOMPARE(browser.window->cboAddress->currentText(), kStart);
        QCOMPARE(browser.view->calls, QStringList{"Navigate " + kStart});
        QVERIFY(browser.window->timTimer->isActive());
    }

    void toolbarButtons_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("call");
        QTest::addRow("Back") << "Back" << "GoBack";
        QTest::addRow("Forward") << "Forward" << "GoForward";
        QTest::addRow("Refresh") << "Refresh" << "Refresh";
        QTest::addRow("Home") << "Home" << "GoHome";
        QTest::addRow("Search") << "Search" << "GoSearch";
    }

    void toolbarButtons()
    {
        QFETCH(QString, key);
        QFETCH(QString, call);
        Browser browser;
        browser.view->finishLoad("Index", kStart);
        browser.view->calls.clear();
        QAction *button = browser.window->tbToolBar->findChild<QAction *>(key);
        QVERIFY(button);
        QCOMPARE(button->toolTip(), key);
        QVERIFY(!button->icon().isNull());
        button->trigger();
        QCOMPARE(browser.view->calls, QStringList{call});
        QVERIFY(browser.window->timTimer->isActive());
    }

    void toolbarOrder()
    {
        Browser browser;
        QStringList keys;
        for (QAction *button : browser.window->tbToolBar->actions())
            keys.append(button->data().toString());
        QCOMPARE(keys, (QStringList{"Back", "Forward", "Stop", "Refresh", "Home", "Search"}));
    }

    void stopEndsTheLoadAtOnce()
    {
        Browser browser;
        browser.view->title = "Half a page";
        browser.window->tbToolBar->findChild<QAction *>("Stop")->trigger();
        QVERIFY(!browser.window->timTimer->isActive());
        QCOMPARE(browser.view->calls.last(), QString("Stop"));
        QCOMPARE(browser.window->windowTitle(), QString("Half a page"));
    }

    void backWithoutHistoryShowsTheSamePage()
    {
        Browser browser;
        browser.view->finishLoad("Index", kStart);
        browser.view->failing = false;
        browser.window->tbToolBar_ButtonClick("Back");
        browser.view->busy = false; // nothing happened
        QTRY_VERIFY(!browser.window->timTimer->isActive());
        QCOMPARE(browser.window->windowTitle(), QString("Index"));
    }

    void failuresAreIgnored()
    {
        Browser browser;
        browser.view->failing = true;
        for (const char *key : {"Back", "Forward", "Refresh", "Home", "Search", "Stop", "Unknown"})
            browser.window->tbToolBar_ButtonClick(key);
        browser.window->cboAddress_KeyPress(13);
        browser.window->brwWebBrowser_DownloadComplete();
        browser.window->RecordVisitedAddress();
        browser.window->timTimer->start();
        // A view that cannot tell whether it is busy does not keep the timer running.
        QTRY_VERIFY(!browser.window->timTimer->isActive());
        QCOMPARE(browser.window->windowTitle(), QString("Manga Summaries"));
        QCOMPARE(browser.items(), QStringList{kStart});
    }

    void layoutFollowsTheWindow_data()
    {
        QTest::addColumn<QSize>("client");
        QTest::addRow("designed") << twips::size(6540, 6345);
        QTest::addRow("larger") << QSize(900, 700);
        QTest::addRow("narrow") << QSize(5, 400);
        QTest::addRow("low") << QSize(600, 40);
        QTest::addRow("nothing") << QSize(0, 0);
    }

    void layoutFollowsTheWindow()
    {
        QFETCH(QSize, client);
        Browser browser;
        browser.window->setMinimumSize(0, 0);
        browser.window->resize(client);
        browser.window->Form_Resize();
        const QRect view = browser.view->geometry();
        const int width = twips::fromPixels(browser.window->width());
        const int height = twips::fromPixels(browser.window->height());
        QCOMPARE(view.topLeft(), twips::point(50, 1215));
        QCOMPARE(view.width(), twips::toPixels(std::max(0, width - 100)));
        QCOMPARE(browser.window->cboAddress->width(), twips::toPixels(std::max(0, width - 100)));
        QVERIFY(view.height() >= 0);
        // The prize notice stays below the view, inside the window when there is room.
        const QRect notice = browser.window->Label1->geometry();
        QVERIFY(notice.top() > view.bottom());
        if (height >= 1215 + 840 + 100)
            QVERIFY(notice.top() + browser.window->Label1->sizeHint().height() <= browser.window->height() + 4);
    }

    void visitedPagesMakeAHistoryWithoutDuplicates()
    {
        Browser browser;
        browser.view->finishLoad("Index", kStart);
        QCOMPARE(browser.items(), QStringList{kStart});
        browser.view->finishLoad("Volume 1", "qrc:/manga/volume-1.html");
        browser.view->finishLoad("Volume 2", "qrc:/manga/volume-2.html");
        browser.view->finishLoad("Index", kStart);
        QCOMPARE(browser.items(), (QStringList{kStart, "qrc:/manga/volume-2.html", "qrc:/manga/volume-1.html"}));
        QCOMPARE(browser.window->cboAddress->currentText(), kStart);
        QCOMPARE(browser.window->windowTitle(), QString("Index"));
        QCOMPARE(browser.view->calls, QStringList{"Navigate " + kStart}); // recording navigates nowhere
    }

    void altAFocusesTheAddressBox()
    {
        Browser browser;
        QVERIFY(QTest::qWaitForWindowActive(browser.window));
        QTest::keyClick(browser.window, Qt::Key_A, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), browser.window->cboAddress);
    }

    void missingModuleIsReportedNotIgnored()
    {
        RecordedBoxes boxes;
        BrowserModule module({QDir::temp().absoluteFilePath("no-such-folder")});
        module.open(kStart);
        QCOMPARE(boxes.boxes.size(), 1);
        QVERIFY(boxes.boxes.first().prompt.startsWith("The manga summaries cannot be shown"));
        QCOMPARE(boxes.boxes.first().title, QString("lvtriv"));
        QCOMPARE(existingWindows(), QStringList());
    }

    void closeBoxDestroysTheWindow()
    {
        Browser browser;
        pressCloseBox(browser.window);
        QVERIFY(!browser.window);
    }
};

LVTRIV_TEST_MAIN(TestBrowserWindow)
#include "tst_browserwindow.moc"
