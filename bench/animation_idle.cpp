// The game's main window with the animation prize open, as the tally opens it,
// then idle: the start-up benchmark counts its wake-ups (the prize's own 1 s
// timer turns the pictures).
#include "platform/MessageBox.h"
#include "quiz/QuizBoard.h"
#include "shell/Application.h"
#include "shell/MainWindow.h"
#include "shell/Program.h"

#include <QApplication>
#include <QPushButton>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const Compositor compositor = setUpApplication(app);
    MessageBox::setHandler([](const QString &, const QString &) {});

    Program program([] { QCoreApplication::exit(0); }, compositor);
    program.main.show();
    program.score.set(10);
    program.quiz.get()->findChild<QPushButton *>("donebutton")->click();
    return app.exec();
}
