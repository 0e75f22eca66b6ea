// Run by scripts/check-package from a copy beside an unpacked program: opens the browser
// prize as the game does, waits for its page and checks the module came from MODULE_DIR.
#include "platform/MessageBox.h"
#include "prizes/BrowserModule.h"
#include "shell/Application.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTest>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    setUpApplication(app);
    if (argc != 2)
        return qCritical("usage: tst_installedmodule MODULE_DIR"), 2;
    const QString expected = QDir(argv[1]).canonicalPath() + "/liblvtriv_browser.so";
    MessageBox::setHandler([](const QString &prompt, const QString &) { qFatal("%s", qPrintable(prompt)); });

    BrowserModule module;
    module.open(kMangaSummariesAddress);
    const bool shown = QTest::qWaitFor(
        [] {
            for (QWidget *window : QApplication::topLevelWidgets())
                if (window->objectName() == "frmBrowser" && window->windowTitle() == "Lumen Vesper Manga Summaries")
                    return true;
            return false;
        },
        60000);

    QFile maps("/proc/self/maps");
    QStringList loaded;
    for (const QByteArray &line : (maps.open(QIODevice::ReadOnly) ? maps.readAll() : QByteArray()).split('\n'))
        if (line.endsWith("/liblvtriv_browser.so"))
            loaded.append(QString::fromLocal8Bit(line.mid(line.indexOf('/'))));
    loaded.removeDuplicates(); // one line per mapped segment
    qInfo("page shown: %s; module loaded: %s", shown ? "yes" : "no", qPrintable(loaded.join(", ")));
    return shown && loaded == QStringList{expected} ? 0 : 1;
}
