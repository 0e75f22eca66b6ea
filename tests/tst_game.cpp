#include "FakeHtmlView.h"
#include "TestMain.h"
#include "TestSupport.h"

#include "platform/MessageBox.h"
#include "platform/wayland/Compositor.h"
#include "prizes/AnimationPrize.h"
#include "prizes/BrowserWindow.h"
#include "prizes/GrandPrize.h"
#include "quiz/QuestionBank.h"
#include "quiz/QuestionWindow.h"
#include "quiz/QuizBoard.h"
#include "quiz/ScoreWindow.h"
#include "shell/AboutBox.h"
#include "shell/HelpWindow.h"
#include "shell/MainWindow.h"

#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QIcon>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QTimer>
#include <QWindow>

#include <climits>
#include <functional>
#include <map>
#include <tuple>

// The game as the player drives it: main window, help, quiz board, score
// window, question windows, the final tally and the prizes it opens.
namespace {
const ShownBox kPlayWarning{"Danger, Dud Ozezodiz!  Danger!",
                            "Keep your hands on the keyboard at all times.  No harm will come to you if you do so."};
const ShownBox kReminder{"Follow the rules", "Make sure you follow these rules explcitily!"};
const ShownBox kAttempted{"Sorry", "This question has already been attempted!"};

// Controls whose text is light. Every background of the game is light, the
// forced white and peach ones and the palette's own, so light text vanishes.
QStringList lightTextIn(QWidget *window)
{
    QStringList found;
    for (QWidget *control : window->findChildren<QWidget *>()) {
        const QPalette::ColorRole text = qobject_cast<QLineEdit *>(control)         ? QPalette::Text
                                         : qobject_cast<QAbstractButton *>(control) ? QPalette::ButtonText
                                                                                    : control->foregroundRole();
        if (control->isVisibleTo(window) && control->palette().color(text).lightnessF() > 0.5)
            found.append(window->objectName() + "." + control->objectName() + " light text");
    }
    return found;
}

// What a player would miss in a window: a text cut short or light; and
// with a screen reader a generic window role, an unnamed picture or button, an
// answer box that does not tell its question.
QStringList missedIn(QWidget *window)
{
    QStringList missing = lightTextIn(window);
    const QAccessible::Role role = QAccessible::queryAccessibleInterface(window)->role();
    if (role != QAccessible::Dialog && role != QAccessible::Window)
        missing.append("role of " + window->objectName());
    for (QWidget *control : window->findChildren<QWidget *>()) {
        if (!control->isVisibleTo(window))
            continue;
        const QAccessibleInterface *spoken = QAccessible::queryAccessibleInterface(control);
        const bool named = !spoken->text(QAccessible::Name).trimmed().isEmpty();
        if ((qobject_cast<QLabel *>(control) || qobject_cast<QAbstractButton *>(control)) && !named)
            missing.append(window->objectName() + "." + control->objectName());
        const auto *label = qobject_cast<QLabel *>(control);
        if (label && label->wordWrap() && label->heightForWidth(label->width()) > label->height())
            missing.append(window->objectName() + "." + control->objectName() + " cut short");
        if (qobject_cast<QLineEdit *>(control) && window->objectName().startsWith("Form")
            && spoken->text(QAccessible::Name).isEmpty())
            missing.append(window->objectName() + "." + control->objectName() + " question");
    }
    return missing;
}

// What a screen reader says of `control`.
QString spoken(QWidget *control, QAccessible::Text text)
{
    return QAccessible::queryAccessibleInterface(control)->text(text);
}

} // namespace

class TestGame : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { verifyNoWindowLeft(); }

    void realMessageBoxIsPlainWithOkAlone()
    {
        QTimer answer;
        QObject::connect(&answer, &QTimer::timeout, [&answer] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                answer.stop();
                const auto close = qScopeGuard([box] { QTest::keyClick(box, Qt::Key_Enter); });
                QCOMPARE(box->windowTitle(), QString("lvtriv")); // no title given
                QCOMPARE(box->text(), QString("Two blanks.  <b>not bold</b>"));
                QVERIFY(box->textFormat() == Qt::PlainText && box->icon() == QMessageBox::NoIcon);
                QVERIFY(box->standardButtons() == QMessageBox::Ok && box->windowModality() == Qt::ApplicationModal);
                QCOMPARE(lightTextIn(box).join(", "), QString());
            }
        });
        answer.start(10);
        MessageBox::show("Two blanks.  <b>not bold</b>");
        QVERIFY(!answer.isActive());

        // A box belongs to the window it is raised from, for a compositor to stack it with.
        TestProgram game;
        MessageBox::setHandler(nullptr);
        QWidget *owner = nullptr;
        QTimer::singleShot(10, [&owner] {
            if (QWidget *box = QApplication::activeModalWidget()) {
                owner = box->parentWidget();
                box->close();
            }
        });
        click(game->main.show(), "prizes");
        QCOMPARE(owner, game->main.peek());
    }

    void playWarnsFirstThenShowsScoreAndBoard()
    {
        TestProgram game;
        game->main.show();
        QStringList visibleDuringBox;
        game.boxes.whileShown = [&](const ShownBox &) { visibleDuringBox = windows(); };

        click(game->main.peek(), "playbutton");
        QCOMPARE(game.boxes.take(), Boxes{kPlayWarning});
        QCOMPARE(visibleDuringBox, QStringList{"main"});
        QCOMPARE(windows(), (QStringList{"main", "quiz", "scorecard"}));
        QCOMPARE(game.score(), QString("0"));
        QVERIFY(!game->scorecard.peek()->frameGeometry().intersects(game->quiz.peek()->frameGeometry()));
        game->scorecard.peek()->move(700, 600); // the player's place is kept

        // Play again mid-game: the score starts over, the flags and the board stay.
        game->score.set(5);
        game->attempted.set(3);
        QuizBoard *board = game->quiz.peek();
        game.play();
        QCOMPARE(game.score(), QString("0"));
        QCOMPARE(game->quiz.peek(), board);
        QVERIFY(game->attempted.isSet(3));
        QCOMPARE(spoken(child<QWidget>(board, "q3"), QAccessible::Description), QString("Attempted. Score: 0 of 14"));
        QCOMPARE(game->scorecard.peek()->pos(), QPoint(700, 600));
    }

    void helpRemindsOncePerCreation()
    {
        TestProgram game;
        QVERIFY(QTest::qWaitForWindowActive(game->main.show()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter); // Help has the focus
        QCOMPARE(game.boxes.take(), Boxes{kReminder});
        HelpWindow *help = game->help.peek();
        click(help, "okbutton"); // only hides it
        QVERIFY(!help->isVisible());

        QTest::keyClick(game->main.peek(), Qt::Key_F1);
        QCOMPARE(game->help.peek(), help);
        QCOMPARE(game.boxes.take(), Boxes{});

        pressCloseBox(help); // the close box destroys it: the next one greets again
        // Asked for while its greeting is up, the help window is the one being made, not yet shown.
        QStringList duringBox;
        bool asked = false;
        game.boxes.whileShown = [&](const ShownBox &) {
            if (std::exchange(asked, true))
                return;
            duringBox.append(game->help.get()->isVisible() ? "shown" : "not shown");
            duringBox.append(QString::number(windows(Shown::Any).count("help")) + " help window(s)");
        };
        click(game->main.peek(), "helpbutton");
        QCOMPARE(game.boxes.take(), Boxes{kReminder});
        QCOMPARE(duringBox, (QStringList{"not shown", "1 help window(s)"}));
        QVERIFY(game->help.peek()->isVisible());
    }

    void windowsHideOrDieAsTheyShould()
    {
        TestProgram game;
        game.play();
        game->attempted.set(9);
        game->score.set(2);
        ScoreWindow *scorecard = game->scorecard.peek();
        pressCloseBox(scorecard); // hides only: the score survives
        pressCloseBox(game->main.peek());
        QVERIFY(game->attempted.isSet(9)); // the flags outlive the main window

        click(game->quiz.peek(), "backbutton"); // hides the board, brings a fresh main window
        QVERIFY(!game->attempted.isSet(9));     // whose load step cleared the flags
        QCOMPARE(game->scorecard.peek(), scorecard);
        QCOMPARE(game.score(), QString(" 2"));
        QCOMPARE(windows(), QStringList{"main"});

        game.play();
        QVERIFY(QTest::qWaitForWindowActive(game->quiz.peek()));
        QTest::keyClick(game->quiz.peek(), Qt::Key_B, Qt::ControlModifier); // File, Back only hides the board
        QCOMPARE(windows(), (QStringList{"main", "scorecard"}));
    }

    void programEndsWhenNoWindowIsLeftVisible()
    {
        TestProgram game;
        game.play();

        // A window hidden and shown again within one command ends nothing.
        pressCloseBox(game->main.peek());
        click(game->quiz.peek(), "backbutton");
        game.play();
        pressCloseBox(game->main.peek()); // the board and the score are still up
        pressCloseBox(game->scorecard.peek());
        QCoreApplication::processEvents();
        QCOMPARE(game.endCount, 0);

        // Hidden windows still exist, none is visible: the end comes once the command has finished.
        child<QAction>(game->quiz.peek(), "file_back")->trigger();
        QCOMPARE(game.endCount, 0);
        QCoreApplication::processEvents();
        QCOMPARE(game.endCount, 1);
    }

    void waysOutEndTheProgramOnce_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<int>("ends");
        for (const char *way : {"QUIT", "File, Exit", "Ctrl+Q", "the animation's QUIT", "the grand prize's QUIT",
                                "the last window's close box"})
            QTest::addRow("%s", way) << way << 1;
        for (const char *way :
             {"Back", "File, Back", "Ctrl+B", "the board's close box", "a question's close box", "help's close box",
              "About's close box", "About's OK", "the score's close box", "main's close box with the board up"})
            QTest::addRow("%s", way) << way << 0;
    }

    void waysOutEndTheProgramOnce()
    {
        QFETCH(QString, way);
        QFETCH(int, ends);
        TestProgram game;
        MainWindow *main = game->main.show();
        const auto onMain = [&](QKeySequence keys) {
            main->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(main));
            QTest::keySequence(main, keys);
        };
        const auto onBoard = [&](QKeySequence keys) {
            game->quiz.peek()->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(game->quiz.peek()));
            QTest::keySequence(game->quiz.peek(), keys);
        };
        const std::map<QString, std::function<void()>> ways{
            {"QUIT", [&] { click(main, "quitbutton"); }},
            {"File, Exit", [&] { child<QAction>(main, "file_exit")->trigger(); }},
            {"Ctrl+Q", [&] { onMain(QKeySequence(Qt::CTRL | Qt::Key_Q)); }},
            {"the animation's QUIT", [&] { click(game->animation.show(), "quit"); }},
            {"the grand prize's QUIT", [&] { click(game->cometsgame.show(), "quit"); }},
            {"the last window's close box", [&] { pressCloseBox(main); }},
            {"Back", [&] { click(game->quiz.peek(), "backbutton"); }},
            {"File, Back", [&] { child<QAction>(game->quiz.peek(), "file_back")->trigger(); }},
            {"Ctrl+B", [&] { onBoard(QKeySequence(Qt::CTRL | Qt::Key_B)); }},
            {"the board's close box", [&] { pressCloseBox(game->quiz.peek()); }},
            {"a question's close box", [&] { pressCloseBox(game.open(4)); }},
            {"help's close box", [&] { pressCloseBox(game->help.show()); }},
            {"About's close box", [&] { pressCloseBox(game->about.show()); }},
            {"About's OK",
             [&] {
                 click(game->about.show(), "cmdOK");
                 flushDeletes();
             }},
            {"the score's close box", [&] { pressCloseBox(game->scorecard.peek()); }},
            {"main's close box with the board up", [&] { pressCloseBox(main); }},
        };
        if (way != "the last window's close box" && !way.startsWith("the animation") && !way.startsWith("the grand"))
            game.play();
        ways.at(way)();
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        QCOMPARE(game.endCount, ends);
    }

    // Every line of tests/answers.txt, typed into its question's window.
    void everyAnswerThroughItsWindow_data()
    {
        QTest::addColumn<int>("question");
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<bool>("right");
        for (const PlayerAnswer &answer : playerAnswers()) {
            QTest::addRow("q%d %s: %s", answer.question, answer.right ? "right" : "wrong", qPrintable(answer.tries))
                << answer.question << answer.boxes << answer.right;
        }
    }

    void everyAnswerThroughItsWindow()
    {
        QFETCH(int, question);
        QFETCH(QStringList, typed);
        QFETCH(bool, right);
        TestProgram game;
        game.play();
        QuestionWindow *window = game.open(question);
        const questions::Question &asked = questions::question(question);
        const QString score = right ? " 1" : "0";
        // The new score shows behind the verdict, before the window goes and the question locks.
        game.boxes.whileShown = [&](const ShownBox &) {
            QCOMPARE(game.score(), score);
            QVERIFY(window->isVisible());
            QCOMPARE(game->attempted.isSet(question), asked.attemptedWhenOpened);
        };
        game.answer(window, typed);
        game.boxes.whileShown = nullptr;
        QCOMPARE(game.boxes.take(), (Boxes{{"Message", right ? asked.rightMessage : asked.wrongMessage}}));
        QCOMPARE(game.score(), score);
        QVERIFY(game->attempted.isSet(question));
        QVERIFY(!window->isVisible());

        QCOMPARE(game.open(question), window); // judged once: stays hidden, says Sorry
        QCOMPARE(game.boxes.take(), Boxes{kAttempted});
        QVERIFY(!window->isVisible());
    }

    void everyWindowShowsAndTellsItAll()
    {
        TestProgram game;
        game.play();
        QStringList missing;
        QList<QWidget *> shown{game->main.peek(),  game->quiz.peek(),      game->scorecard.peek(), game->help.show(),
                               game->about.show(), game->animation.show(), game->cometsgame.show()};
        for (int number = 1; number <= questions::kCount; ++number)
            shown.append(game.open(number));
        for (QWidget *window : shown)
            missing += missedIn(window);
        QCOMPARE(missing.join(", "), QString());
        QCOMPARE(spoken(game->scorecard.peek()->scorelabel, QAccessible::Name), QString("Score: 0 of 14"));
        QCOMPARE(spoken(child<QWidget>(game->quiz.peek(), "q1"), QAccessible::Description),
                 QString("Attempted. Score: 0 of 14"));
        QCOMPARE(spoken(child<QWidget>(game->quiz.peek(), "q2"), QAccessible::Description), QString());
    }

    // Dictation and voice control write into a box through its editable text,
    // as an assistive technology sets a text's contents, then inserts and
    // deletes at the caret; magnifiers and review follow its characters.
    void everyTextBoxTakesTextFromAssistiveTechnology_data()
    {
        QTest::addColumn<int>("question");
        for (int number = 1; number <= questions::kCount; ++number)
            QTest::addRow("Form%d", number) << number;
        QTest::addRow("cometsgame") << 0;
        QTest::addRow("frmBrowser") << -1;
    }

    void everyTextBoxTakesTextFromAssistiveTechnology()
    {
        QFETCH(int, question);
        TestProgram game;
        game.play();
        FakeHtmlView *view = question < 0 ? new FakeHtmlView : nullptr;
        QWidget *window = question > 0    ? game.open(question)
                          : question == 0 ? static_cast<QWidget *>(game->cometsgame.show())
                                          : BrowserWindow::open(view, kMangaSummariesAddress);
        const auto closeBrowser = qScopeGuard([&] {
            if (view)
                delete window;
        });
        // Each box with the text a player would dictate into it.
        QList<std::pair<QLineEdit *, QString>> boxes;
        if (question > 0) {
            for (const questions::AnswerBox &box : questions::question(question).boxes)
                boxes.append({child<QLineEdit>(window, box.name), rightAnswers(question).at(boxes.size())});
        } else {
            for (QLineEdit *box : window->findChildren<QLineEdit *>())
                boxes.append({box, "qrc:/manga/volume-1.html"});
        }
        QVERIFY(!boxes.isEmpty());
        for (auto [box, answer] : boxes) {
            QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(box);
            QAccessibleEditableTextInterface *editable = accessible->editableTextInterface();
            QAccessibleTextInterface *text = accessible->textInterface();
            QVERIFY2(editable && text, qPrintable(box->objectName()));
            editable->replaceText(0, text->characterCount(), "x");
            editable->insertText(0, answer);
            editable->deleteText(int(answer.size()), int(answer.size()) + 1);
            QCOMPARE(box->text(), answer);

            const QRect onScreen(box->mapToGlobal(QPoint()), box->size());
            text->setCursorPosition(0);
            const QRect character = text->characterRect(0);
            QVERIFY2(onScreen.contains(character)
                         && qAbs(character.width() - box->fontMetrics().horizontalAdvance(answer.front())) <= 1,
                     qPrintable(box->objectName()));
            int start = -1, end = -1;
            text->attributes(int(answer.size()) - 1, &start, &end);
            QCOMPARE(QPoint(start, end), QPoint(0, int(answer.size())));

            // Where the caret is as a player types, at the end and in an
            // empty box, a magnifier that follows it finds it in the box.
            const int last = int(answer.size()) - 1;
            text->setCursorPosition(last + 1);
            const QRect caret = text->characterRect(last + 1);
            QVERIFY2(!caret.isEmpty() && onScreen.contains(caret) && caret.left() > text->characterRect(last).left(),
                     qPrintable(box->objectName()));
            box->clear();
            QVERIFY2(!text->characterRect(0).isEmpty() && onScreen.contains(text->characterRect(0)),
                     qPrintable(box->objectName()));
            box->setText(answer);

            // Offsets from a client on the bus are taken at their word no
            // further than the text goes.
            QCOMPARE(text->text(INT_MIN, 1), answer.left(1));
            QCOMPARE(text->text(1, INT_MIN), QString());
            text->addSelection(INT_MIN, 2);
            text->selection(0, &start, &end);
            QCOMPARE(QPoint(start, end), QPoint(0, 2));
            text->setSelection(0, last, INT_MAX);
            QCOMPARE(box->selectedText(), answer.right(1));

            // A box made read-only takes nothing from them.
            box->setReadOnly(true);
            editable->replaceText(0, text->characterCount(), "x");
            editable->insertText(0, "x");
            editable->deleteText(0, 1);
            accessible->setText(QAccessible::Value, "x");
            QVERIFY(accessible->state().readOnly && !accessible->state().editable);
            QCOMPARE(box->text(), answer);
            box->setReadOnly(false);
        }
        if (question > 0) {
            click(window, "donebutton");
            QCOMPARE(game.boxes.take(), (Boxes{{"Message", questions::question(question).rightMessage}}));
        } else if (question < 0) {
            QTest::keyClick(boxes[0].first, Qt::Key_Return);
            QCOMPARE(view->calls.last(), QString("Navigate qrc:/manga/volume-1.html"));
        }
    }

    // Questions 1 to `right` answered right, the others wrong, then the tally,
    // twice: nothing is reset between them.
    void tallyAwardsWhatTheAnswersEarn_data()
    {
        QTest::addColumn<int>("right");
        QTest::addColumn<QStringList>("prizeWindows");
        QTest::addColumn<int>("browsers");
        QTest::addRow("9") << 9 << QStringList{} << 0;
        QTest::addRow("10") << 10 << QStringList{"Animation"} << 0;
        QTest::addRow("11") << 11 << QStringList{"Animation"} << 0;
        QTest::addRow("12") << 12 << QStringList{} << 2;
        QTest::addRow("13") << 13 << QStringList{} << 2;
        QTest::addRow("14") << 14 << QStringList{"cometsgame"} << 0;
    }

    void tallyAwardsWhatTheAnswersEarn()
    {
        QFETCH(int, right);
        QFETCH(QStringList, prizeWindows);
        QFETCH(int, browsers);
        TestProgram game;
        game.play();
        for (int number = 1; number <= questions::kCount; ++number) {
            const qsizetype boxes = rightAnswers(number).size();
            game.answer(game.open(number), number <= right ? rightAnswers(number) : QStringList(boxes, "no idea"));
        }
        game.boxes.take();
        QCOMPARE(game.score(), QStringLiteral(" %1").arg(right));

        QList<qsizetype> prizesWithBox; // prizes up while each box is
        game.boxes.whileShown = [&](const ShownBox &) {
            prizesWithBox.append(windows().size() - 3 + game.browsers.size());
        };
        click(game->quiz.peek(), "donebutton");
        click(game->quiz.peek(), "donebutton");
        QCOMPARE(prizesWithBox.first(), 0); // the prize comes once its box is closed
        const ShownBox award = right < 10 ? ShownBox{"Sorry", "You didn't get enough questions right to win a prize.  "
                                                              "Try again some other time."}
                                          : ShownBox{"Way to go!", QStringLiteral("You got  %1 questions right!  "
                                                                                  "Now for your prize...")
                                                                       .arg(right)};
        QCOMPARE(game.boxes.take(), (Boxes{award, award}));
        QStringList shown = QStringList{"main", "quiz", "scorecard"} + prizeWindows;
        shown.sort();
        QCOMPARE(windows(), shown);
        QCOMPARE(game.browsers, QStringList(browsers, kMangaSummariesAddress));
    }

    // Run once more at scale 2: each picture shows the committed one's pixels,
    // NAME@2x's at scale 2, at NAME's size.
    void picturesAtTheScreensPixelRatio()
    {
        TestProgram game;
        const std::tuple<QWidget *, const char *, QString> pictures[] = {
            {game->main.show(), "Image1", "main-title.jpg"},
            {game->main.peek(), "Image2", "main-heroines.jpg"},
            {game->about.show(), "picIcon", "about.png"}};
        for (auto [window, name, file] : pictures) {
            const QLabel *picture = child<QLabel>(window, name);
            QCOMPARE(picture->contentsRect().size(), QImageReader(LVTRIV_ASSETS "/" + file).size());
            if (qApp->devicePixelRatio() > 1)
                file.insert(file.lastIndexOf(u'.'), u"@2x");
            const auto pixels = [](const QImage &image) { return image.convertToFormat(QImage::Format_ARGB32); };
            QCOMPARE(pixels(picture->pixmap().toImage()), pixels(QImage(LVTRIV_ASSETS "/" + file)));
            QCOMPARE(picture->pixmap().devicePixelRatio(), qApp->devicePixelRatio());
        }
    }

    void windowIconHasAFileForEachSize()
    {
        const QIcon icon = QApplication::windowIcon();
        QVERIFY(icon.availableSizes().size() > 1);
        for (const QSize &size : icon.availableSizes())
            QCOMPARE(icon.pixmap(size, 1.0).size(), size);
    }

    void animationCyclesFramesAndKeepsItsCounter()
    {
        TestProgram game;
        AnimationPrize *animation = game->animation.show();
        auto *picture = child<QLabel>(animation, "Picture1");
        QList<QImage> shown;
        QList<QSize> unfitted; // the box's size where it does not fit its picture
        letTimerRun(animation, "Timer1", 5, [&] {
            shown.append(picture->pixmap().toImage());
            const int border = 2 * picture->frameWidth();
            if (picture->size() != picture->pixmap().deviceIndependentSize().toSize() + QSize(border, border))
                unfitted.append(picture->size());
        });
        QCOMPARE(unfitted, QList<QSize>{});
        QVERIFY(shown[0] != shown[1] && shown[1] != shown[2] && shown[2] != shown[3]);
        QCOMPARE(shown[4], shown[0]); // four frames, then round again

        pressCloseBox(animation); // the counter belongs to the window object: a new window goes on
        letTimerRun(game->animation.show(), "Timer1", 1);
        QCOMPARE(child<QLabel>(game->animation.peek(), "Picture1")->pixmap().toImage(), shown[1]);
    }

    // Each compositor's rules, from what it offers: GNOME Shell 43, KWin
    // 5.27, Sway 1.7, a wlroots desktop that stacks, Weston.
    void compositorRulesFollowItsGlobals_data()
    {
        QTest::addColumn<QString>("globals");
        QTest::addColumn<QString>("desktop");
        QTest::addColumn<bool>("swaySocket");
        QTest::addColumn<QString>("rules");
        const QString gnome = "wl_compositor xdg_wm_base gtk_shell1 gtk_primary_selection_device_manager";
        const QString kwin =
            "wl_compositor xdg_wm_base zxdg_decoration_manager_v1 org_kde_kwin_server_decoration_manager "
            "org_kde_plasma_shell org_kde_plasma_window_management";
        const QString wlroots =
            "wl_compositor xdg_wm_base zxdg_decoration_manager_v1 org_kde_kwin_server_decoration_manager "
            "org_kde_kwin_idle zwlr_layer_shell_v1";
        QTest::addRow("GNOME") << gnome << "GNOME" << false << "own title bars, modal, below";
        QTest::addRow("GNOME in a session named KDE") << gnome << "KDE" << false << "own title bars, modal, below";
        QTest::addRow("Plasma") << kwin << "KDE" << false << "left of";
        QTest::addRow("KWin without a desktop name") << kwin << "" << false << "left of";
        QTest::addRow("KDE's older decoration alone") << "xdg_wm_base org_kde_kwin_server_decoration_manager"
                                                      << "" << false << "own title bars, below";
        QTest::addRow("Sway") << wlroots << "" << true << "left of, tiles";
        QTest::addRow("Sway by its name") << wlroots << "sway" << false << "left of, tiles";
        QTest::addRow("a wlroots desktop that stacks") << wlroots << "wlroots" << false << "below";
        QTest::addRow("Weston") << "wl_compositor xdg_wm_base"
                                << "" << false << "own title bars, below";
        QTest::addRow("nothing known, named KDE") << "wl_compositor xdg_wm_base"
                                                  << "KDE" << false << "own title bars, left of";
    }

    void compositorRulesFollowItsGlobals()
    {
        QFETCH(QString, globals);
        QFETCH(QString, desktop);
        QFETCH(bool, swaySocket);
        const wayland::Rules rules = wayland::chooseRules({globals.split(' '), desktop, swaySocket});
        QStringList shown{rules.ownTitleBars ? "own title bars" : "", rules.markModal ? "modal" : "",
                          rules.score == wayland::ScorePlace::Below ? "below" : "left of", rules.tiles ? "tiles" : ""};
        shown.removeAll("");
        QTEST(shown.join(", "), "rules");
        QVERIFY(!rules.because.isEmpty());
    }

    // The score riding on the board, as on Wayland: a board hidden and shown
    // again in one pass carries it again, one keyboard hand-on waits at a
    // time, and the board's close box leaves the score window up.
    void scoreRidesOnTheBoardByTheCompositorsRules()
    {
        compositor::follow(wayland::Rules{});
        const auto offWayland = qScopeGuard([] { compositor::follow(std::nullopt); });
        TestProgram game;
        game->main.show();
        game.play();
        QuizBoard *board = game->quiz.peek();
        ScoreWindow *score = game->scorecard.peek();
        const auto riding = [&] {
            return score->isVisible() && score->windowHandle()->transientParent() == board->windowHandle();
        };
        QTRY_VERIFY(riding());

        click(board, "backbutton");
        game.play();
        QTRY_VERIFY(riding());

        click(board, "backbutton"); // the second Back: one hand-on still waits
        QVERIFY(score->isVisible());
        QCOMPARE(score->findChildren<QObject *>("keyboardHandOn").size(), 1);

        game.play();
        QTRY_VERIFY(riding());
        pressCloseBox(board);
        flushDeletes();
        QVERIFY(!game->quiz.peek());
        QVERIFY(score->isVisible() && score->windowHandle()->isVisible());
        QCOMPARE(windows(), (QStringList{"main", "scorecard"}));
    }
};

LVTRIV_TEST_MAIN(TestGame)
#include "tst_game.moc"
