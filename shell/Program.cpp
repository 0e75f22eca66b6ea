#include "shell/Program.h"

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
      quiz([this] { return new QuizBoard(attempted, *this); }),
      // Closing the score window only hides it, so the score survives it.
      scorecard([] { return new ScoreWindow; }, CloseBox::Hides),
      animation([this] { return new AnimationPrize(m_end, m_aniimage); }),
      cometsgame([this] { return new GrandPrize(m_end); })
{
    attempted.changed = [this] {
        QuizBoard *board = quiz.peek();
        ScoreWindow *score = scorecard.peek();
        if (board)
            board->showAttempted(score ? score->spokenScore() : QString());
    };
    for (int number = 1; number <= questions::kCount; ++number) {
        m_questions[number - 1] = std::make_unique<Window<QuestionWindow>>(
            [this, number] { return new QuestionWindow(questions::question(number), attempted, *this); });
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
    setScoreText("0");
    scorecard.show();
    quiz.show();
    keepScoreAboveBoard();
}

namespace {

// Makes `score` a window of `owner`'s (none: a window of its own). The tie is
// read when a window is shown, so a visible score window is shown again.
void tieScore(QWidget *score, QWindow *owner)
{
    const bool shown = score->isVisible();
    score->hide();
    score->windowHandle()->setTransientParent(owner);
    if (shown)
        score->show();
}

// Makes the score window a window of the board's while the board is up: it
// unties the score window as the board hides or dies, so that it stays a
// window of its own when the board goes.
class ScoreTie : public QObject
{
public:
    ScoreTie(QWidget *board, QWidget *score) : QObject(board), m_score(score)
    {
        tieScore(score, board->windowHandle());
        board->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *board, QEvent *event) override
    {
        if (event->type() == QEvent::Hide) {
            board->removeEventFilter(this);
            if (m_score)
                tieScore(m_score, nullptr);
            deleteLater();
        }
        return false;
    }

private:
    QPointer<QWidget> m_score;
};

} // namespace

// A Wayland client cannot place its windows, so the board may come up over
// the score. There the score window belongs to the board while the board is
// up, which keeps it above.
void Program::keepScoreAboveBoard()
{
    if (!QGuiApplication::platformName().startsWith("wayland"))
        return;
    QuizBoard *board = quiz.peek();
    if (scorecard.peek()->windowHandle()->transientParent() != board->windowHandle())
        new ScoreTie(board, scorecard.peek());
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
    if (tally::prizeFor(score()) == tally::Prize::Browser)
        m_browserPrize->prepare();
    tally::award(score(), quiz.peek(), [this](tally::Prize prize) { openPrize(prize); });
}

double Program::score()
{
    return scorecard.get()->score();
}

void Program::setScoreText(const QString &text)
{
    scorecard.get()->setScoreText(text);
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
