#pragma once

#include "platform/LastWindowWatch.h"
#include "platform/Session.h"
#include "platform/WindowKeeper.h"
#include "prizes/BrowserPrize.h"
#include "quiz/AttemptedFlags.h"
#include "quiz/QuestionWindow.h"
#include "quiz/QuizBoard.h"
#include "quiz/Score.h"
#include "quiz/Tally.h"
#include "shell/MainWindow.h"
#include "sysinfo/Launcher.h"
#include "sysinfo/Registry.h"

#include <array>
#include <functional>
#include <memory>

class AboutBox;
class AnimationPrize;
class GrandPrize;
class HelpWindow;
class ScoreWindow;

// The running program and the one place that wires its windows together:
// every named window, each made on first use, handed only what it uses; and
// the state that outlives the windows.
class Program : private MainWindow::Actions, private QuizBoard::Actions
{
public:
    // `end` ends the process: at once on QUIT, File, Exit and the prizes' QUIT,
    // and once no window of the program is visible any more. Windows show by
    // the rules of `compositor`.
    // The About box reads `registry` and starts System Information through
    // `launcher`; `browser` opens the browser prize. Tests hand in stand-ins.
    Program(std::function<void()> end, const Compositor &compositor,
            std::unique_ptr<Registry> registry = makeSystemRegistry(),
            std::unique_ptr<Launcher> launcher = makeSystemLauncher(session::environment()),
            std::unique_ptr<BrowserPrize> browser = makeBrowserModule());
    ~Program();
    Program(const Program &) = delete;
    Program &operator=(const Program &) = delete;

private:
    // Declared before the windows that borrow them, so that they outlive every
    // window: an open About box goes before the registry it reads.
    std::function<void()> m_end;
    const Compositor m_compositor;
    std::unique_ptr<Registry> m_registry;
    std::unique_ptr<Launcher> m_launcher;
    std::unique_ptr<BrowserPrize> m_browserPrize;
    LastWindowWatch m_lastWindow;
    // The animation's frame counter belongs to the window object, not to its
    // on-screen part: it survives the close box.
    int m_aniimage = 0;

public:
    // The game's state.
    AttemptedFlags attempted;
    Score score;

    WindowKeeper<MainWindow> main;
    WindowKeeper<HelpWindow> help;
    WindowKeeper<AboutBox> about;
    WindowKeeper<QuizBoard> quiz;
    WindowKeeper<ScoreWindow> scorecard;
    WindowKeeper<AnimationPrize> animation;
    WindowKeeper<GrandPrize> cometsgame;

    // Question window `number` (Form1 ... Form14).
    WindowKeeper<QuestionWindow> &question(int number);

    void end() override { m_end(); }

private:
    void startGame() override;
    void showHelp() override;
    void showAbout() override;
    void showQuestion(int number) override;
    void showMain() override;
    void tally() override;
    void showAttemptedOnBoard();
    void openPrize(tally::Prize prize);

    std::array<std::unique_ptr<WindowKeeper<QuestionWindow>>, questions::kCount> m_questions;
};
