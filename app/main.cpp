#include "platform/Session.h"
#include "platform/wayland/Compositor.h"
#include "shell/Application.h"
#include "shell/MainWindow.h"
#include "shell/Program.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    session::chooseBeforeApplication();
    QApplication app(argc, argv);
    const Compositor compositor = setUpApplication(app);

    Program program([] { QCoreApplication::exit(0); }, compositor);
    program.main.show();
    return app.exec();
}
