#include "platform/LastWindowWatch.h"
#include "shell/Application.h"
#include "shell/MainWindow.h"
#include "shell/Program.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    setUpApplication(app);

    const auto end = [] { QCoreApplication::exit(0); };
    Program program(end);
    LastWindowWatch lastWindow(end);
    program.main.show();
    return app.exec();
}
