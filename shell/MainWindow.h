#pragma once

#include <QMainWindow>

class Program;
class PushButton;

// The program's first window and its home: play, the prize list, help,
// About and QUIT.
class MainWindow : public QMainWindow
{
public:
    // The load step: clears the fourteen attempted flags.
    explicit MainWindow(Program &program);

    void playbutton_Click();
    void prizes_Click();
    void helpbutton_Click();
    void aboutbutton_Click();
    void quitbutton_Click();

private:
    void buildMenus();

    Program &m_program;
};
