#include "shell/Program.h"

#include "platform/Plasma.h"
#include "prizes/AnimationPrize.h"
#include "prizes/GrandPrize.h"
#include "quiz/QuestionBank.h"
#include "quiz/ScoreWindow.h"
#include "shell/AboutBox.h"
#include "shell/HelpWindow.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QWindow>

Program::Program(std::function<void()> end, std::unique_ptr<Registry> registry, std::unique_ptr<Launcher> launcher,
                 std::unique_ptr<BrowserPrize> browser)
    : m_end(std::move(end)), m_registry(std::move(registry)), m_launcher(std::move(launcher)),
      m_browserPrize(std::move(browser)), m_lastWindow(m_end),
      main([this] { return new MainWindow(attempted, *this); }), help([] { return new HelpWindow; }),
      about([this] { return new AboutBox(*m_registry, *m_launcher); }),
      quiz([this] { return new QuizBoard(attempted, score, *this); }),
      // Closing the score window only hides it: it comes back where the player left it.
      scorecard([this] { return new ScoreWindow(score); }, CloseBox::Hides),
      animation([this] { return new AnimationPrize(m_end, m_aniimage); }),
      cometsgame([this] { return new GrandPrize(m_end); })
{
    attempted.changed = [this] { showAttemptedOnBoard(); };
    score.changed = [this] {
        if (ScoreWindow *window = scorecard.peek())
            window->showScore();
        showAttemptedOnBoard();
    };
    for (int number = 1; number <= questions::kCount; ++number) {
        m_questions[number - 1] = std::make_unique<Window<QuestionWindow>>(
            [this, number] { return new QuestionWindow(questions::question(number), attempted, score); });
    }
}

// The windows go first, while the seams they borrow still exist.
Program::~Program() = default;

Window<QuestionWindow> &Program::question(int number)
{
    return *m_questions.at(size_t(number - 1));
}

void Program::startGame()
{
    score.set(0);
    if (!QGuiApplication::platformName().startsWith("wayland")) {
        scorecard.show();
        quiz.show();
        return;
    }
    quiz.show();
    rideOnBoard(scorecard.get(), quiz.peek());
}

namespace {

// On Wayland the score window rides on the quiz board while the board is up:
// a popup of the board's, which the compositor places relative to the board
// and never gives the keyboard. A program cannot place a window of its own
// there: GNOME and KWin put the score window over the board's questions and
// hand it the keyboard as it maps. As the board hides or dies, the score
// window is a window of its own again, as visible as it was.
class ScoreRide : public QObject
{
public:
    // Once off the board, the score window hands the keyboard on to what
    // `keyboardTo` answers.
    ScoreRide(QuizBoard *board, QWidget *score, std::function<QWidget *()> keyboardTo)
        : QObject(board), m_board(board), m_score(score), m_ownFlags(score->windowFlags()),
          m_keyboardTo(std::move(keyboardTo))
    {
        setObjectName(kName);
        // Qt makes a tool-tip window with a parent window an xdg_popup
        // without a grab; the popup's title bar is the one thing lost.
        score->setWindowFlags(Qt::ToolTip | Qt::WindowDoesNotAcceptFocus);
        score->winId();
        score->windowHandle()->setTransientParent(board->windowHandle());
        board->installEventFilter(this);
        board->windowHandle()->installEventFilter(this);
    }

    static constexpr const char *kName = "scoreRide";

    // Shows the score on the board, once the board is on screen: a popup
    // needs its parent mapped.
    void show()
    {
        if (!m_board->windowHandle()->isExposed() || !m_score || m_score->isVisible())
            return;
        m_score->move(m_board->mapToGlobal(place()));
        m_score->show();
    }

private:
    // Where the score stands relative to the board, out of the way of its
    // controls on a screen of 1024 by 768 too, and within the rules of the
    // desktop. KWin centres every new window: the score stands left of the
    // board, slid onto the board's picture where the screen is too narrow,
    // and clear of the question windows and boxes that KWin centres too
    // where the screen is wide enough (a popup stays above every window
    // there). GNOME fills the screen from its top-left corner, so the board
    // may stand on the screen's left edge: the score stands right below it
    // (GNOME dismisses a popup that does not touch its parent).
    QPoint place() const
    {
        if (plasma::running())
            return m_board->placeBeside(m_score->size()).topLeft();
        return {0, m_board->height()};
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && watched == m_board->windowHandle())
            show();
        if (event->type() == QEvent::Hide && watched == m_board) {
            m_board->removeEventFilter(this);
            m_board->windowHandle()->removeEventFilter(this);
            if (m_score) {
                const bool shown = m_score->isVisible();
                m_score->setWindowFlags(m_ownFlags);
                m_score->setVisible(shown);
                if (shown)
                    handOnKeyboard();
            }
            deleteLater();
        }
        return false;
    }

private:
    // A window of its own again, the score takes the keyboard that the
    // compositor gives a window as it maps (after Back, the main window's):
    // the first time it has it, it passes it on.
    void handOnKeyboard()
    {
        auto *once = new QObject(m_score);
        connect(qGuiApp, &QGuiApplication::focusWindowChanged, once,
                [score = m_score.data(), keyboardTo = m_keyboardTo, once](QWindow *focus) {
                    if (focus != score->windowHandle())
                        return;
                    once->deleteLater();
                    if (QWidget *window = keyboardTo())
                        window->activateWindow();
                });
    }

    QuizBoard *m_board;
    QPointer<QWidget> m_score;
    Qt::WindowFlags m_ownFlags;
    std::function<QWidget *()> m_keyboardTo;
};

} // namespace

void Program::rideOnBoard(QWidget *score, QuizBoard *board)
{
    auto *ride = static_cast<ScoreRide *>(board->findChild<QObject *>(ScoreRide::kName, Qt::FindDirectChildrenOnly));
    if (!ride) {
        ride = new ScoreRide(board, score, [this]() -> QWidget * {
            MainWindow *shown = main.peek();
            return shown && shown->isVisible() ? shown : nullptr;
        });
    }
    ride->show();
}

void Program::showHelp()
{
    help.show();
}

void Program::showAbout()
{
    about.show();
}

void Program::showQuestion(int number)
{
    question(number).show();
}

void Program::showMain()
{
    main.show();
}

void Program::tally()
{
    // The browser gets ready while its award is up.
    if (tally::prizeFor(score.value()) == tally::Prize::Browser)
        m_browserPrize->prepare();
    tally::award(score.value(), quiz.peek(), [this](tally::Prize prize) { openPrize(prize); });
}

void Program::showAttemptedOnBoard()
{
    if (QuizBoard *board = quiz.peek())
        board->showAttempted();
}

void Program::openPrize(tally::Prize prize)
{
    switch (prize) {
    case tally::Prize::Animation:
        animation.show();
        break;
    case tally::Prize::Browser:
        m_browserPrize->open(kMangaSummariesAddress);
        break;
    case tally::Prize::GrandPrize:
        cometsgame.show();
        break;
    case tally::Prize::None:
        break;
    }
}
