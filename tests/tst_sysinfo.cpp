#include "RegistryExport.h"

#include "sysinfo/FileRegistry.h"
#include "sysinfo/RegistryFile.h"

#include <QStringEncoder>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <unistd.h>

// The registry export file that stands in for the system registry: its
// parsing, and which files a lookup may use.
class TestSysInfo : public QObject
{
    Q_OBJECT

    static constexpr uint kMissing = 0;

private slots:
    // Root uses only a file of root's alone; any other counts as unreadable.
    void rootUsesOnlyAFileOfItsOwn_data()
    {
        QTest::addColumn<bool>("asRoot");
        QTest::addColumn<bool>("rootsFile");
        QTest::addColumn<int>("permissions");
        QTest::addColumn<bool>("read");
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
        QFETCH(bool, read);
        if (rootsFile && geteuid() != 0)
            QSKIP("only root can make a file of root's");
        QTemporaryDir dir;
        const QString path = dir.filePath("registry.reg");
        writeFile(path, exportFile("\"PATH\"=\"/bin/sysinfo\""));
        QCOMPARE(chmod(qPrintable(path), mode_t(permissions)), 0);
        if (!rootsFile && geteuid() == 0)
            QCOMPARE(chown(qPrintable(path), 65534, 65534), 0); // nobody's
        FileRegistry registry(path, asRoot);
        QString text;
        QCOMPARE(readValueText(registry, Registry::kLocalMachine, kMsinfo, "PATH", text), read);
        QCOMPARE(text, QString(read ? "/bin/sysinfo" : ""));
    }

    void parse_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("name");
        QTest::addColumn<uint>("type");
        QTest::addColumn<QByteArray>("data");
        const QByteArray v5 = kV5 + kSection;
        const QByteArray path = "\"PATH\"=\"C:\\\\WINDOWS\\\\msinfo32.exe\"\r\n";
        const QByteArray pathData("C:\\WINDOWS\\msinfo32.exe\0", 24);
        QStringEncoder utf16(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom);
        const auto kept = [](const char *name, const QByteArray &text, const QString &value, uint type,
                             const QByteArray &data) { QTest::addRow("%s", name) << text << value << type << data; };
        const auto leftOut = [](const char *name, const QByteArray &text) {
            QTest::addRow("%s", name) << text << "PATH" << kMissing << QByteArray();
        };

        kept("REGEDIT4", kV4 + kSection + path, "PATH", 1, pathData);
        kept("version 5 in UTF-16 with its mark", utf16(QString::fromUtf8(v5 + path)), "PATH", 1, pathData);
        kept("dword", v5 + "\"N\"=dword:0000002a\n", "N", 4, QByteArray("\x2a\0\0\0", 4));
        kept("hex(2) in version 5 is UTF-16", v5 + "\"X\"=hex(2):25,00,53,00,00,00\n", "X", 2, QByteArray("%S\0", 3));
        kept("a bad line between good ones is skipped", v5 + "\"P\"=\"a\n\"Q\"=\"b\"\n", "Q", 1, QByteArray("b\0", 2));

        leftOut("empty file", QByteArray());
        leftOut("value deleted", v5 + path + "\"PATH\"=-\n");
        leftOut("unterminated text", v5 + "\"PATH\"=\"C:\\\\x\n");
    }

    void parse()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, name);
        QFETCH(uint, type);
        const auto values = RegistryFile::parse(text).key(Registry::kLocalMachine, kMsinfo);
        QCOMPARE(values && values->contains(name.toCaseFolded()), type != kMissing);
        const RegistryFile::Value value = values.value_or(RegistryFile::Values()).value(name.toCaseFolded());
        QCOMPARE(value.type, type); // a value left out reads as none, of no type
        QTEST(value.data, "data");
    }
};

QTEST_APPLESS_MAIN(TestSysInfo)
#include "tst_sysinfo.moc"
