#include "prizes/BrowserWindow.h"

#include "platform/Controls.h"
#include "platform/Twips.h"
#include "platform/Window.h"
#include "prizes/BrowserPrize.h"
#include "prizes/HtmlView.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QToolBar>

namespace {

// The band under the page view where the prize notice stays visible.
constexpr int kNoticeBand = 840;
constexpr int kViewLeft = 50;
constexpr int kViewTop = 1215;

const char *const kToolbarKeys[] = {"Back", "Forward", "Stop", "Refresh", "Home", "Search"};

} // namespace

BrowserWindow::BrowserWindow(HtmlView *view, const Compositor &compositor)
    : m_compositor(compositor), m_view(view), m_brwWebBrowser(view->widget())
{
    setObjectName("frmBrowser");
    setWindowTitle("Manga Summaries");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint
                   | Qt::WindowCloseButtonHint);
    resize(twips::size(6540, 6345));

    m_brwWebBrowser->setParent(this);
    m_brwWebBrowser->setObjectName("brwWebBrowser");
    m_brwWebBrowser->setGeometry(twips::rect(kViewLeft, kViewTop, 5393, 3734));
    m_view->DownloadComplete = [this] { brwWebBrowser_DownloadComplete(); };

    picAddress = new QWidget(this);
    picAddress->setObjectName("picAddress");
    picAddress->setGeometry(twips::rect(0, 540, 6540, 675));
    lblAddress = controls::label(picAddress, "lblAddress", "&Address:", 45, 60, 3075, 255);
    lblAddress->setTextFormat(Qt::AutoText); // plain text would show the ampersand instead of the access key
    cboAddress = new QComboBox(picAddress);
    cboAddress->setObjectName("cboAddress");
    cboAddress->setEditable(true);
    cboAddress->setInsertPolicy(QComboBox::NoInsert);
    cboAddress->setGeometry(twips::rect(45, 300, 3795, 315));
    cboAddress->setEditText(kMangaSummariesAddress);
    lblAddress->setBuddy(cboAddress);
    // Orca 48 with Qt 6.8 heard the label with its access key's ampersand.
    lblAddress->setAccessibleName(lblAddress->text().remove(u'&'));
    // Only a pick from the list (or the arrow keys) counts as a click. The
    // combo box would also "pick" an entry matching the typed text on Enter,
    // which opens it here already, and when the box loses the focus.
    cboAddress->lineEdit()->installEventFilter(this);
    cboAddress->installEventFilter(this);
    disconnect(cboAddress->lineEdit(), &QLineEdit::editingFinished, cboAddress, nullptr);
    connect(cboAddress, &QComboBox::activated, this, &BrowserWindow::cboAddress_Click);

    tbToolBar = new QToolBar(this);
    tbToolBar->setObjectName("tbToolBar");
    tbToolBar->setIconSize(QSize(24, 24));
    tbToolBar->setGeometry(twips::rect(0, 0, 6540, 540));
    for (const char *key : kToolbarKeys) {
        QAction *button =
            tbToolBar->addAction(QIcon(QStringLiteral(":/assets/tb-%1.png").arg(QString(key).toLower())), key);
        button->setObjectName(key);
        button->setData(QString(key));
        button->setToolTip(key);
    }
    connect(tbToolBar, &QToolBar::actionTriggered, this,
            [this](QAction *button) { tbToolBar_ButtonClick(button->data().toString()); });

    Label1 = controls::label(this, "Label1",
                             "This is your prize because you either got 12 or 13 questions right!  Good job, but if "
                             "you do even better you can get an even better prize!",
                             240, 5280, 3612, 732);

    timTimer = new QTimer(this);
    timTimer->setObjectName("timTimer");
    timTimer->setInterval(5);
    connect(timTimer, &QTimer::timeout, this, &BrowserWindow::timTimer_Timer);

    setTabOrder(m_brwWebBrowser, cboAddress);
    m_brwWebBrowser->setFocus();
    window::centre(this);
}

BrowserWindow *BrowserWindow::open(HtmlView *view, const QString &startingAddress, const Compositor &compositor)
{
    auto *window = new BrowserWindow(view, compositor);
    window->StartingAddress = startingAddress;
    window->Form_Load();
    return window;
}

void BrowserWindow::Form_Load()
{
    m_compositor.showModeless(this);
    tbToolBar->update();
    Form_Resize();
    const QRect label = lblAddress->geometry();
    cboAddress->move(twips::toPixels(50), label.bottom() + 1 + twips::toPixels(15));
    if (!StartingAddress.isEmpty()) {
        cboAddress->setEditText(StartingAddress);
        cboAddress->addItem(cboAddress->currentText());
        timTimer->start();
        m_view->Navigate(StartingAddress);
    }
}

void BrowserWindow::Form_Resize()
{
    // Sizes never go below zero, so a tiny or minimised window keeps working.
    const int clientWidth = twips::fromPixels(width());
    const int clientHeight = twips::fromPixels(height());
    const int fullWidth = std::max(0, clientWidth - 100);
    const int stripBottom = twips::fromPixels(picAddress->geometry().bottom() + 1);
    const int viewHeight = std::max(0, clientHeight - stripBottom - kNoticeBand - 100);

    tbToolBar->resize(width(), tbToolBar->height());
    picAddress->resize(width(), picAddress->height());
    cboAddress->resize(twips::toPixels(fullWidth), cboAddress->height());
    m_brwWebBrowser->setGeometry(twips::rect(kViewLeft, kViewTop, fullWidth, viewHeight));
    Label1->setGeometry(twips::rect(240, kViewTop + viewHeight + 60, std::max(0, clientWidth - 480), 732));
}

// The address box keeps the visited pages, most recent first.
void BrowserWindow::brwWebBrowser_DownloadComplete()
{
    RecordVisitedAddress();
}

void BrowserWindow::cboAddress_Click()
{
    if (m_updatingAddressList)
        return;
    timTimer->start();
    m_view->Navigate(cboAddress->currentText());
}

void BrowserWindow::cboAddress_KeyPress(int keyAscii)
{
    if (keyAscii == 13)
        cboAddress_Click();
}

void BrowserWindow::timTimer_Timer()
{
    // A view that cannot say whether it is busy counts as idle, so the timer
    // never runs on for ever.
    if (!m_view->Busy().value_or(false)) {
        timTimer->stop();
        showLocationName();
    } else {
        setWindowTitle("Working...");
    }
}

void BrowserWindow::tbToolBar_ButtonClick(const QString &key)
{
    timTimer->start();
    if (key == "Back") {
        m_view->GoBack();
    } else if (key == "Forward") {
        m_view->GoForward();
    } else if (key == "Refresh") {
        m_view->Refresh();
    } else if (key == "Home") {
        m_view->GoHome();
    } else if (key == "Search") {
        m_view->GoSearch();
    } else if (key == "Stop") {
        timTimer->stop();
        m_view->Stop();
        showLocationName();
    }
}

void BrowserWindow::RecordVisitedAddress()
{
    showLocationName();
    const std::optional<QString> url = m_view->LocationURL();
    if (!url || url->isEmpty())
        return;
    const int found = cboAddress->findText(*url, Qt::MatchExactly | Qt::MatchCaseSensitive);
    m_updatingAddressList = true;
    if (found >= 0)
        cboAddress->removeItem(found);
    cboAddress->insertItem(0, *url);
    cboAddress->setCurrentIndex(0);
    m_updatingAddressList = false;
}

void BrowserWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    Form_Resize();
}

bool BrowserWindow::eventFilter(QObject *watched, QEvent *event)
{
    // Every key goes on to the address box as typed but Enter, which opens the
    // address and has nothing to edit.
    if (watched == cboAddress->lineEdit() && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            cboAddress_KeyPress(13);
            return true;
        }
    }
    // Reached by Tab or Alt+A, the box selects its address as it takes the
    // focus, before Qt reports the focus to a screen reader, which would read
    // the selected address before the box's name. It selects it right after.
    if (watched == cboAddress && event->type() == QEvent::FocusIn) {
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason) {
            QFocusEvent unselected(QEvent::FocusIn, Qt::OtherFocusReason);
            QCoreApplication::sendEvent(cboAddress, &unselected);
            QTimer::singleShot(0, cboAddress, [this] {
                if (cboAddress->hasFocus())
                    cboAddress->lineEdit()->selectAll();
            });
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void BrowserWindow::showLocationName()
{
    if (const std::optional<QString> name = m_view->LocationName())
        setWindowTitle(*name);
}
