#include "TestMain.h"
#include "TestSupport.h"

#include "platform/FileRegistry.h"
#include "platform/RegistryFile.h"
#include "shell/AboutBox.h"

#include <QAction>
#include <QLabel>
#include <QScopeGuard>
#include <QStringEncoder>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <unistd.h>

// The About box, System Information, and the registry export file it is found through.
namespace {

const ShownBox kUnavailable{"lvtriv", "System Information Is Unavailable At This Time"};
const QString kMsinfo = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const QByteArray kV4 = "REGEDIT4\r\n\r\n";
const QByteArray kV5 = "Windows Registry Editor Version 5.00\r\n\r\n";
const QByteArray kSection = "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools\\MSINFO]\r\n";
constexpr uint kMissing = 0;

// A registry export with value lines under the two keys that System Info reads.
QByteArray exportFile(const QByteArray &pathValues, const QByteArray &folderValues = {})
{
    return kV5 + kSection + pathValues + "\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools Location]\r\n"
           + folderValues + "\r\n";
}

// Written for its owner alone, as a file that root may use must be.
void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly, QFile::ReadOwner | QFile::WriteOwner));
    file.write(bytes);
}

// Counts the readings of its file.
class CountedRegistry : public FileRegistry
{
public:
    using FileRegistry::FileRegistry;
    mutable int reads = 0;

protected:
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

        const QString program = "/bin/sysinfo";
        const QString inFolder = "/opt\\MSINFO32.EXE";
        const QByteArray path = "\"PATH\"=\"/bin/sysinfo\"";
        const QByteArray folder = "\"MSINFO\"=\"/opt\"";

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
        const QByteArray largest = exportFile(path).leftJustified(FileRegistry::kLargestFile, ';');
        QTest::addRow("a file of the largest size is read")
            << largest << QStringList{program} << QStringList{} << QStringList{program};
        QTest::addRow("a byte more and it counts as none")
            << largest + ';' << QStringList{program} << QStringList{} << QStringList{};
        QTest::addRow("a number reads as unsigned decimal")
            << exportFile("\"PATH\"=dword:ffffffff") << QStringList{} << QStringList{} << QStringList{"4294967295"};
        QTest::addRow("a number of one byte reads the zeroed buffer")
            << exportFile("\"PATH\"=hex(4):07") << QStringList{"7"} << QStringList{} << QStringList{"7"};
        QTest::addRow("another type reads as an empty path, the folder untried")
            << exportFile("\"PATH\"=hex:41,42", folder) << QStringList{inFolder} << QStringList{} << QStringList{""};
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
        CountedRegistry fileRegistry(dir.filePath("registry.reg"), false);
        FakeLauncher launcher;
        launcher.files = QSet<QString>(files.begin(), files.end());
        RecordedBoxes boxes;
        AboutBox about(fileRegistry, launcher);

        about.cmdSysInfo_Click();

        QCOMPARE(launcher.lookedFor, lookedFor);
        QCOMPARE(launcher.started, started);
        const bool startedOne = !started.isEmpty() && files.contains(started.last());
        QCOMPARE(boxes.take(), startedOne ? Boxes{} : Boxes{kUnavailable});
        QCOMPARE(fileRegistry.reads, 1); // both lookups of a press share one reading

        QFile::remove(dir.filePath("registry.reg")); // the next press reads the file afresh
        about.cmdSysInfo_Click();
        QCOMPARE(launcher.started, started);
        QCOMPARE(fileRegistry.reads, 2);
    }

    // Root starts only what a file of root's alone names; any other counts as unreadable.
    void rootUsesOnlyAFileOfItsOwn_data()
    {
        QTest::addColumn<bool>("asRoot");
        QTest::addColumn<bool>("rootsFile");
        QTest::addColumn<int>("permissions");
        QTest::addColumn<bool>("starts");
        QTest::addRow("a user, a file of a user's") << false << false << 0600 << true;
        QTest::addRow("root, a file of a user's") << true << false << 0600 << false;
        QTest::addRow("root, its own file") << true << true << 0644 << true;
        QTest::addRow("root, its own file that others may change") << true << true << 0646 << false;
        QTest::addRow("root, its own file that its group may change") << true << true << 0664 << false;
    }

    void rootUsesOnlyAFileOfItsOwn()
    {
        QFETCH(bool, asRoot);
        QFETCH(bool, rootsFile);
        QFETCH(int, permissions);
        QFETCH(bool, starts);
        if (rootsFile && geteuid() != 0)
            QSKIP("only root can make a file of root's");
        QTemporaryDir dir;
        const QString path = dir.filePath("registry.reg");
        writeFile(path, exportFile("\"PATH\"=\"/bin/sysinfo\""));
        QCOMPARE(chmod(qPrintable(path), mode_t(permissions)), 0);
        if (!rootsFile && geteuid() == 0)
            QCOMPARE(chown(qPrintable(path), 65534, 65534), 0); // nobody's
        FileRegistry registry(path, asRoot);
        FakeLauncher launcher;
        RecordedBoxes boxes;
        AboutBox(registry, launcher).cmdSysInfo_Click();
        QCOMPARE(launcher.started, starts ? QStringList{"/bin/sysinfo"} : QStringList{});
    }

    void parse_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("name");
        QTest::addColumn<uint>("type");
        QTest::addColumn<QByteArray>("data");
        const QByteArray path = "\"PATH\"=\"C:\\\\WINDOWS\\\\msinfo32.exe\"\r\n";
        const QByteArray pathData("C:\\WINDOWS\\msinfo32.exe\0", 24);
        QStringEncoder utf16(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom);
        const auto kept = [](const char *name, const QByteArray &text, const QString &value, uint type,
                             const QByteArray &data) { QTest::addRow("%s", name) << text << value << type << data; };
        const auto leftOut = [](const char *name, const QByteArray &text) {
            QTest::addRow("%s", name) << text << "PATH" << kMissing << QByteArray();
        };

        kept("REGEDIT4", kV4 + kSection + path, "PATH", 1, pathData);
        kept("version 5 in UTF-16 with its mark", utf16(QString::fromUtf8(kV5 + kSection + path)), "PATH", 1, pathData);
        kept("dword", kV5 + kSection + "\"N\"=dword:0000002a\n", "N", 4, QByteArray("\x2a\0\0\0", 4));
        kept("hex(2) in version 5 is UTF-16", kV5 + kSection + "\"X\"=hex(2):25,00,53,00,00,00\n", "X", 2,
             QByteArray("%S\0", 3));
        kept("a bad line between good ones is skipped", kV5 + kSection + "\"P\"=\"a\n\"Q\"=\"b\"\n", "Q", 1,
             QByteArray("b\0", 2));

        leftOut("empty file", QByteArray());
        leftOut("value deleted", kV5 + kSection + path + "\"PATH\"=-\n");
        leftOut("unterminated text", kV5 + kSection + "\"PATH\"=\"C:\\\\x\n");
    }

    void parse()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, name);
        QFETCH(uint, type);
        QFETCH(QByteArray, data);
        const auto values = RegistryFile::parse(text).key(Registry::kLocalMachine, kMsinfo);
        const bool found = values && values->contains(name.toCaseFolded());
        QCOMPARE(found, type != kMissing);
        if (found) {
            QCOMPARE(values->value(name.toCaseFolded()).type, type);
            QCOMPARE(values->value(name.toCaseFolded()).data, data);
        }
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
