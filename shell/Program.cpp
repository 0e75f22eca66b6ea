#include "shell/Program.h"

#include "prizes/AnimationPrize.h"
#include "prizes/GrandPrize.h"
#include "quiz/QuestionBank.h"
#include "quiz/ScoreWindow.h"
#include "shell/AboutBox.h"
#include "shell/HelpWindow.h"

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
        if (QuizBoard *board = quiz.peek())
            board->showAttempted();
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
    tally::award(score(), [this](tally::Prize prize) { openPrize(prize); });
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
