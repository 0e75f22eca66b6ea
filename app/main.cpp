#include "platform/LastWindowWatch.h"
#include "shell/Application.h"
#include "shell/MainWindow.h"
#include "shell/Program.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // The browser prize's web engine, loaded later as a module, needs this
    // before the application object exists.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    setUpApplication(app);

    const auto end = [] { QCoreApplication::exit(0); };
    Program program(end);
    LastWindowWatch lastWindow(end);
    program.main.show();
    return app.exec();
}
