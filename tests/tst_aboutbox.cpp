#include "RegistryExport.h"
#include "TestMain.h"
#include "TestSupport.h"

#include "shell/AboutBox.h"
#include "sysinfo/FileRegistry.h"

#include <QAction>
#include <QScopeGuard>
#include <QTemporaryDir>

// The About box, and System Information started through the registry export file.
namespace {

const ShownBox kUnavailable{"lvtriv", "System Information Is Unavailable At This Time"};
// Counts the readings of its file.
struct CountedRegistry : FileRegistry
{
    using FileRegistry::FileRegistry;
    mutable int reads = 0;
    std::optional<QByteArray> readFile() const override { return ++reads, FileRegistry::readFile(); }
};

} // namespace

class TestAboutBox : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { verifyNoWindowLeft(); }

    void closedThreeWaysAndLoadedAgain_data()
    {
        QTest::addColumn<int>("key");
        QTest::addRow("Enter presses OK") << int(Qt::Key_Enter);
        QTest::addRow("Escape") << int(Qt::Key_Escape);
        QTest::addRow("close box") << 0;
    }

    void closedThreeWaysAndLoadedAgain()
    {
        QFETCH(int, key);
        TestProgram program;
        child<QAction>(program->main.get(), "help_about")->trigger();
        AboutBox *about = program->about.peek();
        QVERIFY(QTest::qWaitForWindowActive(about));
        child<QLabel>(about, "lblVersion")->setText("stale");
        if (key)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        else
            pressCloseBox(about);
        flushDeletes();
        QVERIFY(!program->about.peek());
        about = program->about.show();
        QCOMPARE(about->windowTitle(), QString("About lvtriv"));
        QCOMPARE(child<QLabel>(about, "lblVersion")->text(), QString("Version 3.0.0"));
    }

    void startSysInfo_data()
    {
        QTest::addColumn<QByteArray>("registry");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QStringList>("lookedFor");
        QTest::addColumn<QStringList>("started");

        const QStringList program{"/bin/sysinfo"}, inFolder{"/opt\\MSINFO32.EXE"}, none;
        const QByteArray path = "\"PATH\"=\"/bin/sysinfo\"";
        const QByteArray folder = "\"MSINFO\"=\"/opt\"";

        QTest::addRow("PATH started") << exportFile(path) << program << none << program;
        QTest::addRow("PATH started as it stands, though missing") << exportFile(path) << none << none << program;
        QTest::addRow("PATH wins over the folder") << exportFile(path, folder) << program + inFolder << none << program;
        QTest::addRow("folder holds the program") << exportFile({}, folder) << inFolder << inFolder << inFolder;
        QTest::addRow("folder without the program") << exportFile({}, folder) << none << inFolder << none;
        QTest::addRow("no file") << QByteArray() << program << none << none;
        const QByteArray largest = exportFile(path).leftJustified(FileRegistry::kLargestFile, ';');
        QTest::addRow("a file of the largest size is read") << largest << program << none << program;
        QTest::addRow("a byte more and it counts as none") << largest + ';' << program << none << none;
        QTest::addRow("a number reads as unsigned decimal")
            << exportFile("\"PATH\"=dword:ffffffff") << none << none << QStringList{"4294967295"};
        QTest::addRow("a number of one byte reads the zeroed buffer")
            << exportFile("\"PATH\"=hex(4):07") << QStringList{"7"} << none << QStringList{"7"};
        QTest::addRow("another type reads as an empty path, the folder untried")
            << exportFile("\"PATH\"=hex:41,42", folder) << inFolder << none << QStringList{""};
    }

    void startSysInfo()
    {
        QFETCH(QByteArray, registry);
        QFETCH(QStringList, files);
        QFETCH(QStringList, started);
        QTemporaryDir dir;
        if (!registry.isEmpty())
            writeFile(dir.filePath("registry.reg"), registry);
        CountedRegistry fileRegistry(dir.filePath("registry.reg"), false);
        FakeLauncher launcher;
        launcher.files = QSet<QString>(files.begin(), files.end());
        RecordedBoxes boxes;
        AboutBox about(fileRegistry, launcher);

        click(&about, "cmdSysInfo");

        QTEST(launcher.lookedFor, "lookedFor");
        QCOMPARE(launcher.started, started);
        const bool startedOne = !started.isEmpty() && files.contains(started.last());
        QCOMPARE(boxes.take(), startedOne ? Boxes{} : Boxes{kUnavailable});
        QCOMPARE(fileRegistry.reads, 1); // both lookups of a press share one reading

        QFile::remove(dir.filePath("registry.reg")); // the next press reads the file afresh
        click(&about, "cmdSysInfo");
        QCOMPARE(launcher.started, started);
        QCOMPARE(fileRegistry.reads, 2);
    }

    // The whole way: the file named by LVTRIV_REGISTRY, and a real program start.
    void registryFileNamesTheProgramThatStarts()
    {
        QTemporaryDir dir;
        const QString marker = dir.filePath("ran");
        const QString script = dir.filePath("sysinfo.sh");
        writeFile(script, "#!/bin/sh\n: > '" + marker.toUtf8() + "'\n");
        QVERIFY(QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        writeFile(dir.filePath("registry.reg"), exportFile("\"PATH\"=\"" + script.toUtf8() + "\""));
        qputenv("LVTRIV_REGISTRY", dir.filePath("registry.reg").toLocal8Bit());
        const auto unset = qScopeGuard([] { qunsetenv("LVTRIV_REGISTRY"); });

        RecordedBoxes boxes;
        Program lvtriv([] {}, Compositor(), makeSystemRegistry());
        click(lvtriv.about.show(), "cmdSysInfo");
        QCOMPARE(boxes.take(), Boxes{});
        QTRY_VERIFY(QFile::exists(marker));
    }
};

LVTRIV_TEST_MAIN(TestAboutBox)
#include "tst_aboutbox.moc"
