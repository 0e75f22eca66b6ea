#include "TestSupport.h"

#include "platform/HtmlView.h"
#include "prizes/BrowserPrize.h"
#include "prizes/BrowserModule.h"
#include "prizes/BrowserWindow.h"
#include "quiz/QuizBoard.h"
#include "quiz/ScoreWindow.h"
#include "shell/Application.h"
#include "shell/MainWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QPluginLoader>
#include <QPushButton>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>
#include <QWebEngineView>

// The browser window on the real engine, loaded from the module as the game
// loads it. Waits are on what the window shows, never fixed sleeps.
namespace {

constexpr int kLoadTimeout = 30000;
const QString kIndexTitle = "Lumen Vesper Manga Summaries";

// Serves one small page on the loopback interface.
class LoopbackPage : public QTcpServer
{
public:
    LoopbackPage()
    {
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = nextPendingConnection()) {
                connect(socket, &QTcpSocket::readyRead, socket, [socket] {
                    if (!socket->readAll().contains("\r\n\r\n"))
                        return;
                    const QByteArray body = "<html><head><title>Loopback page</title></head><body>hi</body></html>";
                    socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nConnection: close\r\nContent-Length: "
                                  + QByteArray::number(body.size()) + "\r\n\r\n" + body);
                    socket->disconnectFromHost();
                });
            }
        });
        listen(QHostAddress::LocalHost);
    }
    QString address() const { return QStringLiteral("http://127.0.0.1:%1/").arg(serverPort()); }
};

} // namespace

class TestWebEngine : public QObject
{
    Q_OBJECT

private:
    QPluginLoader m_loader;
    HtmlViewFactory *m_views = nullptr;

    BrowserWindow *openBrowser(const QString &address)
    {
        auto *browser = new BrowserWindow(m_views->createHtmlView(nullptr));
        browser->StartingAddress = address;
        browser->Form_Load();
        return browser;
    }

private slots:
    void initTestCase()
    {
        for (const QString &dir : BrowserModule::defaultSearchPaths()) {
            m_loader.setFileName(dir + "/lvtriv_browser");
            if (m_loader.load())
                break;
        }
        m_views = qobject_cast<HtmlViewFactory *>(m_loader.instance());
        QVERIFY2(m_views, qPrintable(m_loader.errorString()));
    }

    void bundledPageLoadsAndLinksWork()
    {
        std::unique_ptr<BrowserWindow> browser(openBrowser(kMangaSummariesAddress));
        QTRY_COMPARE_WITH_TIMEOUT(browser->windowTitle(), kIndexTitle, kLoadTimeout);
        QVERIFY(!browser->timTimer->isActive());

        auto *view = browser->findChild<QWebEngineView *>("brwWebBrowser");
        QVERIFY(view);
        browser->resize(900, 900); // room for the whole list of volumes
        // A real click: the engine only goes back to pages left by a user's own gesture.
        QVariant centre;
        view->page()->runJavaScript("(function() { const r = document.getElementById('volume-1')"
                                    ".getBoundingClientRect(); return [r.x + r.width / 2, r.y + r.height / 2]; })()",
                                    [&centre](const QVariant &result) { centre = result; });
        QTRY_VERIFY_WITH_TIMEOUT(centre.isValid(), kLoadTimeout);
        const QVariantList xy = centre.toList();
        QTest::mouseClick(view->focusProxy(), Qt::LeftButton, {}, QPoint(xy.at(0).toInt(), xy.at(1).toInt()));
        QTRY_COMPARE_WITH_TIMEOUT(browser->windowTitle(), QString("Volume 1: The Star That Answered"), kLoadTimeout);
        QCOMPARE(browser->cboAddress->currentText(), QString("qrc:/manga/volume-1.html"));

        browser->tbToolBar_ButtonClick("Back");
        QTRY_COMPARE_WITH_TIMEOUT(browser->windowTitle(), kIndexTitle, kLoadTimeout);
        QTRY_VERIFY(!browser->timTimer->isActive());
        browser->tbToolBar_ButtonClick("Forward");
        QTRY_COMPARE_WITH_TIMEOUT(browser->windowTitle(), QString("Volume 1: The Star That Answered"), kLoadTimeout);

        // Forward again has no history: nothing happens and the timer stops itself.
        browser->tbToolBar_ButtonClick("Forward");
        QTRY_VERIFY(!browser->timTimer->isActive());
        QCOMPARE(browser->windowTitle(), QString("Volume 1: The Star That Answered"));
    }

    void loopbackPageLoads()
    {
        LoopbackPage server;
        QVERIFY(server.isListening());
        std::unique_ptr<BrowserWindow> browser(openBrowser(server.address()));
        QTRY_COMPARE_WITH_TIMEOUT(browser->windowTitle(), QString("Loopback page"), kLoadTimeout);
    }

    void malformedAddressesNeitherCrashNorHang_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addRow("blank") << "   ";
        QTest::addRow("malformed") << "http://[::1";
        QTest::addRow("script") << "javascript:void(0)";
        QTest::addRow("unreachable") << "http://127.0.0.1:9/";
        QTest::addRow("very long") << "http://127.0.0.1:9/" + QString(10000, 'a');
    }

    void malformedAddressesNeitherCrashNorHang()
    {
        QFETCH(QString, address);
        std::unique_ptr<BrowserWindow> browser(openBrowser(kMangaSummariesAddress));
        QTRY_COMPARE_WITH_TIMEOUT(browser->windowTitle(), kIndexTitle, kLoadTimeout);
        browser->cboAddress->setEditText(address);
        browser->cboAddress_KeyPress(13);
        QTRY_VERIFY_WITH_TIMEOUT(!browser->timTimer->isActive(), kLoadTimeout);
        browser->tbToolBar_ButtonClick("Stop");
        QVERIFY(!browser->timTimer->isActive());
    }

    void winningTwelveShowsTheBundledPage()
    {
        TestProgram program;
        QTest::mouseClick(child<QPushButton>(program->main.show(), "playbutton"), Qt::LeftButton);
        program->scorecard.get()->setScoreText(" 12");
        QTest::mouseClick(child<QPushButton>(program->quiz.peek(), "donebutton"), Qt::LeftButton);

        BrowserWindow *browser = nullptr;
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (window->objectName() == "frmBrowser")
                browser = static_cast<BrowserWindow *>(window);
        }
        QVERIFY(browser);
        QTRY_COMPARE_WITH_TIMEOUT(browser->windowTitle(), kIndexTitle, kLoadTimeout);
        pressCloseBox(browser);
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
