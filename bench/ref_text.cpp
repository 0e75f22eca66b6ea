// Reference for the start-up benchmark: the empty window with one line of
// text, which brings in font matching and text layout.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char *argv[])
{
    // No platform theme of the desktop's, as the game takes none: the floor
    // is what a bare window costs on every desktop.
    QGuiApplication::setDesktopSettingsAware(false);
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle("ref_text");
    window.resize(611, 440);
    auto *line = new QLabel("LUMEN VESPER QUIZ V3.0", &window);
    line->move(224, 160);
    window.show();
    return app.exec();
}
