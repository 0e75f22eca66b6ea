#include "shell/Program.h"

#include "prizes/AnimationPrize.h"
#include "prizes/GrandPrize.h"
#include "quiz/QuestionBank.h"
#include "quiz/QuestionWindow.h"
#include "quiz/QuizBoard.h"
#include "quiz/ScoreWindow.h"
#include "shell/AboutBox.h"
#include "shell/HelpWindow.h"
#include "shell/MainWindow.h"

Program::Program(std::function<void()> end, std::unique_ptr<Registry> registry,
                 std::unique_ptr<Launcher> launcher, std::unique_ptr<BrowserPrize> browser)
    : main([this] { return new MainWindow(*this); }),
      help([] { return new HelpWindow; }),
      about([this] { return new AboutBox(*m_registry, *m_launcher); }),
      quiz([this] { return new QuizBoard(*this); }),
      // Closing the score window only hides it, so the score survives it.
      scorecard([] { return new ScoreWindow; }, CloseBox::Hides),
      animation([this] { return new AnimationPrize(*this, m_aniimage); }),
      cometsgame([this] { return new GrandPrize(*this); }),
      m_end(std::move(end)),
      m_browserPrize(std::move(browser)),
      m_registry(std::move(registry)),
      m_launcher(std::move(launcher))
{
    for (int number = 1; number <= AttemptedFlags::kQuestions; ++number) {
        m_questions[number - 1] = std::make_unique<Window<QuestionWindow>>(
            [this, number] { return new QuestionWindow(questions::question(number), *this); });
    }
}

Window<QuestionWindow> &Program::question(int number)
{
    return *m_questions.at(size_t(number - 1));
}

Program::~Program() = default;

