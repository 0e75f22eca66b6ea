#include "TestMain.h"
#include "TestSupport.h"

#include "platform/wayland/Compositor.h"
#include "prizes/GrandPrize.h"

#include <QThread>
#include <QWindow>

#include <dlfcn.h>

// On Wayland (windowsCloseAsTheirFramesComeBack alone), Qt's thread that
// hands windows their frames back lingers in libwayland, as on a busy
// machine: a window that closes meanwhile meets it there.
extern "C" void wl_proxy_destroy(struct wl_proxy *proxy)
{
    static const auto destroy = reinterpret_cast<void (*)(wl_proxy *)>(
        dlsym(dlopen("libwayland-client.so.0", RTLD_LAZY | RTLD_NOLOAD), "wl_proxy_destroy"));
    if (qApp && QThread::currentThread() != qApp->thread())
        QThread::msleep(2);
    destroy(proxy);
}

// The compositor's rules on Wayland: chosen from what the compositor offers,
// and the score's ride on the board they lead to.
class TestCompositor : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { verifyNoWindowLeft(); }

    // Each compositor's rules, from what it offers: GNOME Shell 43 and 48,
    // KWin 5.27, Sway 1.7, a wlroots desktop that stacks, Weston.
    void compositorRulesFollowItsGlobals_data()
    {
        QTest::addColumn<QString>("globals");
        QTest::addColumn<QString>("desktop");
        QTest::addColumn<bool>("swaySocket");
        QTest::addColumn<QString>("rules");
        const QString weston = "wl_compositor xdg_wm_base";
        const QString decorating = weston + " zxdg_decoration_manager_v1 org_kde_kwin_server_decoration_manager";
        const QString gnome = weston + " gtk_shell1 gtk_primary_selection_device_manager";
        const QString kwin = decorating + " org_kde_plasma_shell org_kde_plasma_window_management";
        const QString wlroots = decorating + " org_kde_kwin_idle zwlr_layer_shell_v1";
        const QString gnomeRules = "own title bars, modal, below, activates on input only";
        const QString gnome48Rules =
            QT_VERSION >= QT_VERSION_CHECK(6, 8, 0) ? "own title bars, below, activates on input only" : gnomeRules;
        const QString sway = "left of, tiles resizable, floats with parent, urgent on activation, dismisses popups";
        QTest::addRow("GNOME") << gnome << "GNOME" << false << gnomeRules;
        QTest::addRow("GNOME in a session named KDE") << gnome << "KDE" << false << gnomeRules;
        QTest::addRow("GNOME 48") << gnome + " xdg_wm_dialog_v1"
                                  << "GNOME" << false << gnome48Rules;
        QTest::addRow("Plasma") << kwin << "KDE" << false << "left of";
        QTest::addRow("KWin without a desktop name") << kwin << "" << false << "left of";
        QTest::addRow("KDE's older decoration alone") << "xdg_wm_base org_kde_kwin_server_decoration_manager"
                                                      << "" << false << "own title bars, below";
        QTest::addRow("Sway") << wlroots << "" << true << sway;
        QTest::addRow("Sway by its name") << wlroots << "sway" << false << sway;
        QTest::addRow("a wlroots desktop that stacks") << wlroots << "wlroots" << false << "below";
        QTest::addRow("Weston") << weston << "" << false << "own title bars, below";
        // A session hint left over from Sway counts only where wlroots' globals agree.
        QTest::addRow("Weston with Sway's socket") << weston << "sway" << true << "own title bars, below";
        QTest::addRow("nothing known, named KDE") << weston << "KDE" << false << "own title bars, left of";
    }

    void compositorRulesFollowItsGlobals()
    {
        QFETCH(QString, globals);
        QFETCH(QString, desktop);
        QFETCH(bool, swaySocket);
        const wayland::Rules rules = wayland::chooseRules({globals.split(' '), desktop, swaySocket});
        QStringList shown{rules.ownTitleBars ? "own title bars" : "",
                          rules.modalThroughGtkShell ? "modal" : "",
                          rules.score == wayland::ScorePlace::Below ? "below" : "left of",
                          rules.tilesResizableWindows ? "tiles resizable" : "",
                          rules.floatsWindowsWithParent ? "floats with parent" : "",
                          rules.marksUrgentOnActivation ? "urgent on activation" : "",
                          rules.activatesOnInputOnly ? "activates on input only" : "",
                          rules.dismissesPopupsOnKeyboardLoss ? "dismisses popups" : ""};
        shown.removeAll("");
        QTEST(shown.join(", "), "rules");
        QVERIFY(!rules.because.isEmpty());
    }

    // The score riding on the board, as on Wayland: a board hidden and shown
    // again at once carries it again, one keyboard focus pass waits at a
    // time, and the board's close box leaves the score window up.
    void scoreRidesOnTheBoardByTheCompositorsRules()
    {
        TestProgram game(nullptr, Compositor(wayland::Rules{}));
        game->main.show();
        game.play();
        QuizBoard *board = game->quiz.peek();
        ScoreWindow *score = game->scorecard.peek();
        const auto riding = [&] {
            return score->isVisible() && score->windowHandle()->transientParent() == board->windowHandle();
        };
        const auto focusPasses = [&] { return score->findChildren<QObject *>("keyboardFocusPass").size(); };
        QTRY_VERIFY(riding());

        click(board, "backbutton");
        QCOMPARE(focusPasses(), 1);
        game.play(); // riding again drops the pass that waited
        QCOMPARE(focusPasses(), 0);
        flushDeletes(); // the event loop's next pass: the ride must outlive it
        QTRY_VERIFY(riding());

        click(board, "backbutton"); // the second Back: one focus pass still waits
        QVERIFY(score->isVisible());
        QCOMPARE(focusPasses(), 1);

        game.play();
        QTRY_VERIFY(riding());
        pressCloseBox(board);
        flushDeletes();
        QVERIFY(!game->quiz.peek());
        QVERIFY(score->isVisible() && score->windowHandle()->isVisible());
        QCOMPARE(windows(), (QStringList{"main", "scorecard"}));
    }

    // Where the compositor tiles (Sway), the score rides on the main window
    // once the board is down, even after a board made anew; the main
    // window's close box leaves it a window of its own, which ends the game
    // by its own close box.
    void scoreOutlivesTheMainWindowItRidesOn()
    {
        TestProgram game(nullptr, Compositor(wayland::chooseRules({{"zwlr_layer_shell_v1"}, "sway", false})));
        game->main.show();
        game.play();
        ScoreWindow *score = game->scorecard.peek();
        pressCloseBox(game->quiz.peek());
        flushDeletes();
        game.play();
        const auto ridesOn = [score](QWidget *window) {
            return score->isVisible() && score->windowHandle()->transientParent() == window->windowHandle();
        };
        QTRY_VERIFY(ridesOn(game->quiz.peek()));
        click(game->quiz.peek(), "backbutton");
        QVERIFY(ridesOn(game->main.peek()));

        pressCloseBox(game->main.peek());
        flushDeletes();
        QVERIFY(score->isVisible() && !score->windowHandle()->transientParent());
        QVERIFY(score->windowType() != Qt::ToolTip);
        QCOMPARE(game.endCount, 0);
        pressCloseBox(score);
        QTRY_COMPARE(game.endCount, 1);
    }

    // Sway dismisses the score as its award box takes the keyboard, and
    // gives the board the keyboard back as the box goes, with the prize yet
    // to map: a popup shown then is dismissed again while the game draws
    // it, which Sway 1.7 answers by cutting the game off. It comes back once
    // no window is about to take the keyboard.
    void scoreWaitsForThePrizeToMap()
    {
        TestProgram game(nullptr, Compositor(wayland::chooseRules({{"zwlr_layer_shell_v1"}, "sway", false})));
        game.answerAll(14);
        QuizBoard *board = game->quiz.peek();
        ScoreWindow *score = game->scorecard.peek();
        board->activateWindow();
        QTRY_VERIFY(score->isVisible() && board->isActiveWindow());
        game.boxes.whileShown = [score](const ShownBox &) { score->hide(); };
        click(board, "donebutton");
        QWidget *prize = game->cometsgame.peek();
        QVERIFY(prize && prize->isVisible() && !prize->windowHandle()->isExposed());
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(board, &activate);
        QVERIFY(!score->isVisible());

        QTRY_VERIFY(prize->windowHandle()->isExposed());
        board->activateWindow();
        QTRY_VERIFY(score->isVisible());
    }

    // On a compositor (on_weston.sh), windows drawn and closed at moments that
    // sweep a frame's length: some close just as their frames come back.
    void windowsCloseAsTheirFramesComeBack()
    {
        if (!QGuiApplication::platformName().startsWith("wayland"))
            QSKIP("frames come back on Wayland alone");
        QTest::failOnWarning("QMutex: destroying locked mutex");
        for (int round = 0; round < 20; ++round) {
            QLabel windows[20];
            for (QLabel &window : windows) {
                window.show();
                QVERIFY(QTest::qWaitForWindowExposed(&window));
            }
            for (QLabel &window : windows)
                window.repaint();
            QThread::usleep(round * 613 % 17000);
        }
    }
};

LVTRIV_TEST_MAIN(TestCompositor)
#include "tst_compositor.moc"
