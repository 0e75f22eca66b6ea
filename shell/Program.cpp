#include "shell/Program.h"

#include "prizes/AnimationPrize.h"
#include "prizes/GrandPrize.h"
#include "quiz/QuestionBank.h"
#include "quiz/ScoreWindow.h"
#include "shell/AboutBox.h"
#include "shell/HelpWindow.h"

Program::Program(std::function<void()> end, const Compositor &compositor, std::unique_ptr<Registry> registry,
                 std::unique_ptr<Launcher> launcher, std::unique_ptr<BrowserPrize> browser)
    : m_end(std::move(end)), m_compositor(compositor), m_registry(std::move(registry)), m_launcher(std::move(launcher)),
      m_browserPrize(std::move(browser)), m_lastWindow(m_end),
      main(m_compositor, [this] { return new MainWindow(attempted, *this); }),
      help(m_compositor, [] { return new HelpWindow; }),
      about(m_compositor, [this] { return new AboutBox(*m_registry, *m_launcher); }),
      quiz(m_compositor, [this] { return new QuizBoard(attempted, score, *this); }),
      // Closing the score window only hides it: it comes back where the player left it.
      scorecard(
          m_compositor, [this] { return new ScoreWindow(score); }, CloseBox::Hides),
      animation(m_compositor, [this] { return new AnimationPrize(m_end, m_aniimage); }),
      cometsgame(m_compositor, [this] { return new GrandPrize(m_end); })
{
    attempted.changed = [this] { showAttemptedOnBoard(); };
    score.changed = [this] {
        if (ScoreWindow *window = scorecard.peek())
            window->showScore();
        showAttemptedOnBoard();
    };
    for (int number = 1; number <= questions::kCount; ++number) {
        m_questions[number - 1] = std::make_unique<WindowKeeper<QuestionWindow>>(
            m_compositor, [this, number] { return new QuestionWindow(questions::question(number), attempted, score); });
    }
}

// The windows go first, while the seams they borrow still exist.
Program::~Program() = default;

WindowKeeper<QuestionWindow> &Program::question(int number)
{
    return *m_questions.at(size_t(number - 1));
}

void Program::startGame()
{
    score.set(0);
    // The score stays in view beside the board; once the board is gone, the
    // keyboard the score is given goes to the main window, where play goes on.
    m_compositor.showWithCompanion(quiz.get(), main.peek(), scorecard.get(), [this]() -> QWidget * {
        MainWindow *shown = main.peek();
        return shown && shown->isVisible() ? shown : nullptr;
    });
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
        m_browserPrize->open(kMangaSummariesAddress, m_compositor);
        break;
    case tally::Prize::GrandPrize:
        cometsgame.show();
        break;
    case tally::Prize::None:
        break;
    }
}
