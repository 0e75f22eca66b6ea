#include "TestMain.h"
#include "TestSupport.h"

#include "platform/FileRegistry.h"
#include "shell/AboutBox.h"

#include <QAction>
#include <QLabel>
#include <QScopeGuard>
#include <QTemporaryDir>

// The About box, and System Information found through a registry export file.
namespace {

const ShownBox kUnavailable{"lvtriv", "System Information Is Unavailable At This Time"};

// A registry export with value lines under the two keys that System Info reads.
QByteArray exportFile(const QByteArray &pathValues, const QByteArray &folderValues = {})
{
    return "Windows Registry Editor Version 5.00\r\n\r\n"
           "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools\\MSINFO]\r\n"
           + pathValues + "\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools Location]\r\n" + folderValues
           + "\r\n";
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

enum class CloseBy { OkClick, Enter, Escape, CloseBox };

} // namespace

class TestAboutBox : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { verifyNoWindowLeft(); }

    void openedOnceClosedFourWays_data()
    {
        QTest::addColumn<CloseBy>("closeBy");
        QTest::addRow("OK clicked") << CloseBy::OkClick;
        QTest::addRow("Enter") << CloseBy::Enter;
        QTest::addRow("Escape") << CloseBy::Escape;
        QTest::addRow("close box") << CloseBy::CloseBox;
    }

    void openedOnceClosedFourWays()
    {
        QFETCH(CloseBy, closeBy);
        TestProgram program;
        click(program->main.show(), "aboutbutton");
        AboutBox *about = program->about.peek();
        QVERIFY(QTest::qWaitForWindowActive(about));
        child<QLabel>(about, "lblVersion")->setText("stale");
        child<QAction>(program->main.peek(), "help_about")->trigger(); // open already: no second box, no reload
        QCOMPARE(program->about.peek(), about);
        QCOMPARE(child<QLabel>(about, "lblVersion")->text(), QString("stale"));

        QVERIFY(QTest::qWaitForWindowActive(about));
        switch (closeBy) {
        case CloseBy::OkClick:
            click(about, "cmdOK");
            break;
        case CloseBy::Enter:
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
            break;
        case CloseBy::Escape:
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            break;
        case CloseBy::CloseBox:
            pressCloseBox(about);
            break;
        }
        flushDeletes();
        QVERIFY(!program->about.peek());
        about = program->about.show();
        QCOMPARE(about->windowTitle(), QString("About lvtriv"));
        QCOMPARE(child<QLabel>(about, "lblVersion")->text(), QString("Version 3.0.0"));
        QCOMPARE(program.boxes.take(), Boxes{});
    }

    void startSysInfo_data()
    {
        QTest::addColumn<QByteArray>("registry");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QStringList>("lookedFor");
        QTest::addColumn<QStringList>("started");

        const QString program = "/bin/sysinfo";
        const QString inFolder = "/opt\\MSINFO32.EXE";
        const QByteArray path = "\"PATH\"=\"/bin/sysinfo\"";
        const QByteArray folder = "\"MSINFO\"=\"/opt\"";
        const QString a1023(1023, 'a');
        const auto text = [](const QString &value) { return "\"PATH\"=\"" + value.toLatin1() + "\""; };

        QTest::addRow("PATH started") << exportFile(path) << QStringList{program} << QStringList{}
                                      << QStringList{program};
        QTest::addRow("PATH started as it stands, though missing")
            << exportFile(path) << QStringList{} << QStringList{} << QStringList{program};
        QTest::addRow("PATH wins over the folder")
            << exportFile(path, folder) << QStringList{program, inFolder} << QStringList{} << QStringList{program};
        QTest::addRow("folder holds the program")
            << exportFile({}, folder) << QStringList{inFolder} << QStringList{inFolder} << QStringList{inFolder};
        QTest::addRow("folder without the program")
            << exportFile({}, folder) << QStringList{} << QStringList{inFolder} << QStringList{};
        QTest::addRow("no file") << QByteArray() << QStringList{program} << QStringList{} << QStringList{};
        QTest::addRow("1023 characters and the NUL fit the buffer")
            << exportFile(text(a1023)) << QStringList{a1023} << QStringList{} << QStringList{a1023};
        QTest::addRow("1024 characters do not: the folder is tried")
            << exportFile(text(a1023 + "a"), folder) << QStringList{inFolder} << QStringList{inFolder}
            << QStringList{inFolder};
        QTest::addRow("a number reads as unsigned decimal")
            << exportFile("\"PATH\"=dword:ffffffff") << QStringList{} << QStringList{} << QStringList{"4294967295"};
        QTest::addRow("a number of one byte reads the zeroed buffer")
            << exportFile("\"PATH\"=hex(4):07") << QStringList{"7"} << QStringList{} << QStringList{"7"};
        QTest::addRow("another type reads as an empty path, the folder untried")
            << exportFile("\"PATH\"=hex:41,42", folder) << QStringList{inFolder} << QStringList{} << QStringList{""};
        QTest::addRow("no bytes at all: the folder is tried")
            << exportFile("\"PATH\"=hex:", folder) << QStringList{inFolder} << QStringList{inFolder}
            << QStringList{inFolder};
    }

    void startSysInfo()
    {
        QFETCH(QByteArray, registry);
        QFETCH(QStringList, files);
        QFETCH(QStringList, lookedFor);
        QFETCH(QStringList, started);
        QTemporaryDir dir;
        if (!registry.isEmpty())
            writeFile(dir.filePath("registry.reg"), registry);
        FileRegistry fileRegistry(dir.filePath("registry.reg"));
        FakeLauncher launcher;
        launcher.files = QSet<QString>(files.begin(), files.end());
        RecordedBoxes boxes;

        AboutBox(fileRegistry, launcher).cmdSysInfo_Click();

        QCOMPARE(launcher.lookedFor, lookedFor);
        QCOMPARE(launcher.started, started);
        const bool startedOne = !started.isEmpty() && files.contains(started.last());
        QCOMPARE(boxes.take(), startedOne ? Boxes{} : Boxes{kUnavailable});
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
        Program lvtriv([] {}, makeSystemRegistry());
        click(lvtriv.about.show(), "cmdSysInfo");
        QCOMPARE(boxes.take(), Boxes{});
        QTRY_VERIFY(QFile::exists(marker));
    }
};

LVTRIV_TEST_MAIN(TestAboutBox)
#include "tst_aboutbox.moc"
