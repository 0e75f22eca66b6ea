// Reference for the start-up benchmark: the least a Qt Widgets program can
// show, one empty window the size of the game's main window.
#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle("ref_empty");
    window.resize(611, 440);
    window.show();
    return app.exec();
}
