#pragma once

#include <QMainWindow>

class AttemptedFlags;

// The program's first window and its home: play, the prize list, help,
// About and QUIT.
class MainWindow : public QMainWindow
{
public:
    // What the main window asks of the rest of the program.
    class Actions
    {
    public:
        // The score becomes "0"; the score window and the quiz board show.
        virtual void startGame() = 0;
        virtual void showHelp() = 0;
        virtual void showAbout() = 0;
        // Ends the process at once.
        virtual void end() = 0;

    protected:
        ~Actions() = default;
    };

    // The load step: clears the attempted flags.
    MainWindow(AttemptedFlags &attempted, Actions &actions);

private:
    void buildMenus();
    void playbutton_Click();
    void prizes_Click();
    void helpbutton_Click();
    void aboutbutton_Click();
    void quitbutton_Click();

    Actions &m_actions;
};
