#pragma once

#include "platform/Launcher.h"
#include "platform/Registry.h"
#include "platform/Window.h"
#include "prizes/BrowserPrize.h"
#include "quiz/GameState.h"

#include <array>
#include <functional>
#include <memory>

class AboutBox;
class AnimationPrize;
class GrandPrize;
class HelpWindow;
class MainWindow;
class QuestionWindow;
class QuizBoard;
class ScoreWindow;

// The running program: every named window, each made on first use and reached
// by everyone through here, and the state that outlives the windows.
class Program
{
public:
    // `end` ends the process at once (QUIT, File, Exit and the prizes' QUIT).
    // The About box reads `registry` and starts System Information through
    // `launcher`; `browser` opens the browser prize. Tests hand in stand-ins.
    explicit Program(std::function<void()> end,
                     std::unique_ptr<Registry> registry = makeSystemRegistry(),
                     std::unique_ptr<Launcher> launcher = makeSystemLauncher(),
                     std::unique_ptr<BrowserPrize> browser = makeBrowserModule());
    ~Program();
    Program(const Program &) = delete;
    Program &operator=(const Program &) = delete;

    void end() const { m_end(); }

    AttemptedFlags attempted;

    Window<MainWindow> main;
    Window<HelpWindow> help;
    Window<AboutBox> about;
    Window<QuizBoard> quiz;
    Window<ScoreWindow> scorecard;

    // Question window `number` (Form1 ... Form14).
    Window<QuestionWindow> &question(int number);

    Window<AnimationPrize> animation;
    Window<GrandPrize> cometsgame;

    // Opens browser windows on the manga summaries.
    BrowserPrize &browserPrize() { return *m_browserPrize; }

private:
    std::function<void()> m_end;
    // The animation's frame counter belongs to the window object, not to its
    // on-screen part: it survives the close box.
    int m_aniimage = 0;
    std::unique_ptr<BrowserPrize> m_browserPrize;
    std::unique_ptr<Registry> m_registry;
    std::unique_ptr<Launcher> m_launcher;
    std::array<std::unique_ptr<Window<QuestionWindow>>, AttemptedFlags::kQuestions> m_questions;
};
