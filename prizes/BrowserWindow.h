#pragma once

#include "platform/wayland/Compositor.h"

#include <QWidget>

class HtmlView;
class QComboBox;
class QLabel;
class QTimer;
class QToolBar;

// The manga-summaries browser: address box, toolbar and page view, with the
// caption saying "Working..." while a page loads and its title when done.
// A new window is made for every award.
class BrowserWindow : public QWidget
{
public:
    // `view` becomes part of the window, which owns it from now on; the
    // window shows by the rules of `compositor`.
    BrowserWindow(HtmlView *view, const Compositor &compositor);

    // A new window on `view`, shown and opening `startingAddress`: how every
    // browser window comes to the screen. It deletes itself when closed.
    static BrowserWindow *open(HtmlView *view, const QString &startingAddress, const Compositor &compositor);

    // The page to open; set by whoever makes the window, before showing it.
    QString StartingAddress;

    QToolBar *tbToolBar;
    QWidget *picAddress;
    QLabel *lblAddress;
    QComboBox *cboAddress;
    QLabel *Label1;
    QTimer *timTimer;

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Shows the window and opens StartingAddress; runs once, instead of show().
    void Form_Load();
    void Form_Resize();
    void brwWebBrowser_DownloadComplete();
    void cboAddress_Click();
    void cboAddress_KeyPress(int keyAscii);
    void timTimer_Timer();
    void tbToolBar_ButtonClick(const QString &key);
    // Puts the current page first in the address list, without a duplicate,
    // and its title in the caption.
    void RecordVisitedAddress();
    void showLocationName();

    const Compositor m_compositor;
    HtmlView *m_view;
    QWidget *m_brwWebBrowser;
    bool m_updatingAddressList = false;
};
