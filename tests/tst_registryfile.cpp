#include "platform/FileRegistry.h"
#include "platform/RegistryFile.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kMsinfo = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const QByteArray kV4 = "REGEDIT4\r\n\r\n";
const QByteArray kV5 = "Windows Registry Editor Version 5.00\r\n\r\n";
const QByteArray kSection = "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools\\MSINFO]\r\n";

std::optional<RegistryFile::Value> lookUp(const RegistryFile &file, const QString &key, const QString &name)
{
    const auto values = file.key(Registry::kLocalMachine, key);
    if (!values || !values->contains(name.toCaseFolded()))
        return std::nullopt;
    return values->value(name.toCaseFolded());
}

QByteArray utf16WithMark(const QString &text)
{
    QStringEncoder encoder(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom);
    return encoder(text);
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// Reads value `name` of the MSINFO key through the stand-in, into a buffer of `capacity` bytes.
struct Read
{
    Registry::Status status = Registry::kSuccess;
    std::uint32_t type = 0;
    std::uint32_t size = 0;
    QByteArray data;
};
Read readThrough(FileRegistry &registry, const QByteArray &name, std::uint32_t capacity = 1024)
{
    Registry::Handle key = 0;
    Read read;
    read.status = registry.openKey(Registry::kLocalMachine, kMsinfo.toLocal8Bit(), 0, 0x2003F, key);
    if (read.status != Registry::kSuccess)
        return read;
    QByteArray buffer(capacity, '\0');
    read.size = capacity;
    read.status = registry.queryValue(key, name, read.type, reinterpret_cast<unsigned char *>(buffer.data()),
                                      read.size);
    if (read.status == Registry::kSuccess)
        read.data = buffer.left(read.size);
    registry.closeKey(key);
    return read;
}

} // namespace

class TestRegistryFile : public QObject
{
    Q_OBJECT

private slots:
    void readsExportText_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("name");
        QTest::addColumn<uint>("type");
        QTest::addColumn<QByteArray>("data");

        const QByteArray path = "\"PATH\"=\"C:\\\\WINDOWS\\\\SYSTEM32\\\\msinfo32.exe\"\r\n";
        const QByteArray pathData("C:\\WINDOWS\\SYSTEM32\\msinfo32.exe\0", 33);

        QTest::addRow("REGEDIT4") << kV4 + kSection + path << "PATH" << 1u << pathData;
        QTest::addRow("version 5") << kV5 + kSection + path << "PATH" << 1u << pathData;
        QTest::addRow("version 5 in UTF-16 with its mark")
            << utf16WithMark(QString::fromUtf8(kV5 + kSection + path)) << "PATH" << 1u << pathData;
        QTest::addRow("UTF-8 with its mark") << "\xEF\xBB\xBF" + kV5 + kSection + path << "PATH" << 1u << pathData;
        QTest::addRow("LF line ends")
            << QByteArray(kV4 + kSection + path).replace("\r\n", "\n") << "PATH" << 1u << pathData;
        QTest::addRow("names and keys ignore case")
            << kV4 + "[hkey_local_machine\\software\\microsoft\\SHARED TOOLS\\msinfo]\n\"Path\"=\"x\"\n"
            << "pAtH" << 1u << QByteArray("x\0", 2);
        QTest::addRow("escaped quote and backslash")
            << kV5 + kSection + "\"Say\"=\"a \\\"b\\\" \\\\c\"\n" << "Say" << 1u << QByteArray("a \"b\" \\c\0", 9);
        QTest::addRow("empty text") << kV5 + kSection + "\"E\"=\"\"\n" << "E" << 1u << QByteArray(1, '\0');
        QTest::addRow("non-ASCII text in the 8-bit code page")
            << kV5 + kSection + "\"P\"=\"C:\\\\Pr\xC3\xB6gramme\"\n" << "P" << 1u
            << QByteArray("C:\\Pr\xC3\xB6gramme\0", 14);
        QTest::addRow("spaces around =") << kV4 + kSection + "  \"P\" =  \"x\"  \n" << "P" << 1u << QByteArray("x\0", 2);
        QTest::addRow("@ default value") << kV5 + kSection + "@=\"default\"\n" << "" << 1u << QByteArray("default\0", 8);
        QTest::addRow("dword") << kV5 + kSection + "\"N\"=dword:0000002a\n" << "N" << 4u << QByteArray("\x2a\0\0\0", 4);
        QTest::addRow("dword upper-case, short")
            << kV5 + kSection + "\"N\"=DWORD:BEEF\n" << "N" << 4u << QByteArray("\xEF\xBE\0\0", 4);
        QTest::addRow("hex") << kV5 + kSection + "\"B\"=hex:01,ab,FF\n" << "B" << 3u << QByteArray("\x01\xAB\xFF");
        QTest::addRow("hex, nothing") << kV5 + kSection + "\"B\"=hex:\n" << "B" << 3u << QByteArray();
        QTest::addRow("hex(2) in version 5 is UTF-16")
            << kV5 + kSection + "\"X\"=hex(2):25,00,53,00,00,00\n" << "X" << 2u << QByteArray("%S\0", 3);
        QTest::addRow("hex(2) in REGEDIT4 is 8-bit")
            << kV4 + kSection + "\"X\"=hex(2):25,53,00\n" << "X" << 2u << QByteArray("%S\0", 3);
        QTest::addRow("hex(b), eight bytes")
            << kV5 + kSection + "\"Q\"=hex(b):01,00,00,00,00,00,00,80\n" << "Q" << 11u
            << QByteArray("\x01\0\0\0\0\0\0\x80", 8);
        QTest::addRow("hex over continuation lines")
            << kV5 + kSection + "\"B\"=hex:01,02,\\\r\n  03,04,\\\r\n  05\r\n\"After\"=\"y\"\r\n" << "B" << 3u
            << QByteArray("\x01\x02\x03\x04\x05");
        QTest::addRow("line after continuation is read")
            << kV5 + kSection + "\"B\"=hex:01,\\\r\n  02\r\n\"After\"=\"y\"\r\n" << "After" << 1u << QByteArray("y\0", 2);
        QTest::addRow("hex(7) list over continuation lines")
            << kV5 + kSection + "\"L\"=hex(7):61,00,00,00,\\\n  62,00,00,00,00,00\n" << "L" << 7u
            << QByteArray("a\0b\0\0", 5);
        QTest::addRow("comments and blank lines")
            << "\n  \n" + kV4 + "; exported by hand\n\n" + kSection + "; the path\n\n" + path + "\n; end\n" << "PATH"
            << 1u << pathData;
        QTest::addRow("later line wins") << kV5 + kSection + "\"P\"=\"a\"\n\"P\"=\"b\"\n" << "P" << 1u << QByteArray("b\0", 2);
        QTest::addRow("sections merge")
            << kV5 + kSection + "\"P\"=\"a\"\n[HKEY_LOCAL_MACHINE\\Other]\n" + kSection + "\"Q\"=\"b\"\n" << "P" << 1u
            << QByteArray("a\0", 2);
        QTest::addRow("bad line between good ones is skipped")
            << kV5 + kSection + "\"P\"=\"a\n\"Q\"=\"b\"\n" << "Q" << 1u << QByteArray("b\0", 2);
    }

    void readsExportText()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, name);
        QFETCH(uint, type);
        QFETCH(QByteArray, data);
        const auto value = lookUp(RegistryFile::parse(text), kMsinfo, name);
        QVERIFY(value);
        QCOMPARE(value->type, type);
        QCOMPARE(value->data, data);
    }

    void leavesOutWhatItCannotRead_data()
    {
        QTest::addColumn<QByteArray>("text");

        QTest::addRow("empty file") << QByteArray();
        QTest::addRow("no header") << kSection + "\"PATH\"=\"x\"\n";
        QTest::addRow("unknown header") << "REGEDIT5\n" + kSection + "\"PATH\"=\"x\"\n";
        QTest::addRow("header only") << kV5;
        QTest::addRow("value before any section") << kV5 + "\"PATH\"=\"x\"\n" + kSection;
        QTest::addRow("unknown root") << kV5 + "[HKEY_NOWHERE\\SOFTWARE\\Microsoft\\Shared Tools\\MSINFO]\n\"PATH\"=\"x\"\n";
        QTest::addRow("key being deleted") << kV5 + "[-HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools\\MSINFO]\n\"PATH\"=\"x\"\n";
        QTest::addRow("section without its bracket")
            << kV5 + "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools\\MSINFO\n\"PATH\"=\"x\"\n";
        QTest::addRow("value deleted") << kV5 + kSection + "\"PATH\"=\"x\"\n\"PATH\"=-\n";
        QTest::addRow("truncated after =") << kV5 + kSection + "\"PATH\"=";
        QTest::addRow("truncated name") << kV5 + kSection + "\"PA";
        QTest::addRow("no =") << kV5 + kSection + "\"PATH\" \"x\"\n";
        QTest::addRow("unterminated text") << kV5 + kSection + "\"PATH\"=\"C:\\\\x\n";
        QTest::addRow("text ends in a lone backslash") << kV5 + kSection + "\"PATH\"=\"C:\\";
        QTest::addRow("bad escape") << kV5 + kSection + "\"PATH\"=\"C:\\x\"\n";
        QTest::addRow("junk after the text") << kV5 + kSection + "\"PATH\"=\"x\" y\n";
        QTest::addRow("unquoted text") << kV5 + kSection + "\"PATH\"=x\n";
        QTest::addRow("dword of nine digits") << kV5 + kSection + "\"PATH\"=dword:123456789\n";
        QTest::addRow("dword not hex") << kV5 + kSection + "\"PATH\"=dword:12g4\n";
        QTest::addRow("dword empty") << kV5 + kSection + "\"PATH\"=dword:\n";
        QTest::addRow("dword with 0x") << kV5 + kSection + "\"PATH\"=dword:0x12\n";
        QTest::addRow("hex digit alone") << kV5 + kSection + "\"PATH\"=hex:1,02\n";
        QTest::addRow("hex of three digits") << kV5 + kSection + "\"PATH\"=hex:012\n";
        QTest::addRow("hex not hex") << kV5 + kSection + "\"PATH\"=hex:0g\n";
        QTest::addRow("hex with an empty byte") << kV5 + kSection + "\"PATH\"=hex:01,,02\n";
        QTest::addRow("hex type not closed") << kV5 + kSection + "\"PATH\"=hex(2:00\n";
        QTest::addRow("hex type not hex") << kV5 + kSection + "\"PATH\"=hex(zz):00\n";
        QTest::addRow("hex type empty") << kV5 + kSection + "\"PATH\"=hex():00\n";
        QTest::addRow("UTF-16 text of an odd byte count") << kV5 + kSection + "\"PATH\"=hex(1):41\n";
        QTest::addRow("continuation at the end of the file") << kV5 + kSection + "\"PATH\"=hex:01,\\";
        QTest::addRow("unknown kind of value") << kV5 + kSection + "\"PATH\"=qword:01\n";
        QTest::addRow("binary junk") << QByteArray("\x00\xFF\xFE\x01[\x80\"PATH\"=\"\n\x00\x00\\", 16);
        QTest::addRow("UTF-16 mark, then an odd byte") << QByteArray("\xFF\xFEW\0i\0n", 7);
    }

    void leavesOutWhatItCannotRead()
    {
        QFETCH(QByteArray, text);
        QVERIFY(!lookUp(RegistryFile::parse(text), kMsinfo, "PATH"));
    }

    void keysAboveSectionsExist()
    {
        const RegistryFile file = RegistryFile::parse(kV5 + "[HKEY_LOCAL_MACHINE\\A\\B\\C]\n\"V\"=\"x\"\n");
        QVERIFY(file.key(Registry::kLocalMachine, ""));
        QVERIFY(file.key(Registry::kLocalMachine, "A"));
        QVERIFY(file.key(Registry::kLocalMachine, "a\\b"));
        QCOMPARE(file.key(Registry::kLocalMachine, "A\\B\\C")->size(), 1);
        QVERIFY(file.key(Registry::kLocalMachine, "A\\B")->isEmpty());
        QVERIFY(!file.key(Registry::kLocalMachine, "A\\X"));
        QVERIFY(!file.key(Registry::kLocalMachine, "A\\B\\C\\D"));
        QVERIFY(!file.key(Registry::kLocalMachine, "A\\"));
        QVERIFY(!file.key(Registry::kCurrentUser, "A"));
    }

    // Lookups through the stand-in, as the About box makes them.
    void queryFillsTheBuffer_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<Registry::Status>("status");
        QTest::addColumn<uint>("size");

        QTest::addRow("1023 characters and the NUL fit")
            << "\"PATH\"=\"" + QByteArray(1023, 'a') + "\"" << Registry::kSuccess << 1024u;
        QTest::addRow("1024 characters and the NUL do not")
            << "\"PATH\"=\"" + QByteArray(1024, 'a') + "\"" << Registry::kMoreData << 1025u;
        QTest::addRow("1024 hex bytes fit") << "\"PATH\"=hex:" + QByteArray("00,").repeated(1023) + "00"
                                             << Registry::kSuccess << 1024u;
        QTest::addRow("a huge value does not")
            << "\"PATH\"=\"" + QByteArray(100000, 'a') + "\"" << Registry::kMoreData << 100001u;
        QTest::addRow("no such value") << QByteArray("\"Other\"=\"x\"") << Registry::kNotFound << 1024u;
        QTest::addRow("zero bytes") << QByteArray("\"PATH\"=hex:") << Registry::kSuccess << 0u;
    }

    void queryFillsTheBuffer()
    {
        QFETCH(QByteArray, line);
        QFETCH(Registry::Status, status);
        QFETCH(uint, size);
        QTemporaryDir dir;
        writeFile(dir.filePath("r.reg"), kV5 + kSection + line + "\r\n");
        FileRegistry registry(dir.filePath("r.reg"));

        const Read read = readThrough(registry, "PATH");
        QCOMPARE(read.status, status);
        QCOMPARE(read.size, size);
        if (status == Registry::kSuccess)
            QCOMPARE(read.data, lookUp(RegistryFile::parse(kV5 + kSection + line), kMsinfo, "PATH")->data);
    }

    void handlesLiveFromOpenToClose()
    {
        QTemporaryDir dir;
        writeFile(dir.filePath("r.reg"), kV5 + kSection + "\"PATH\"=\"x\"\n");
        FileRegistry registry(dir.filePath("r.reg"));
        Registry::Handle key = 0;
        QCOMPARE(registry.openKey(Registry::kLocalMachine, "SOFTWARE\\Nothing", 0, 0x2003F, key),
                 Registry::kNotFound);
        QCOMPARE(registry.openKey(Registry::kLocalMachine, kMsinfo.toLocal8Bit(), 0, 0x2003F, key),
                 Registry::kSuccess);
        unsigned char buffer[16] = {};
        std::uint32_t type = 0, size = sizeof buffer;
        QCOMPARE(registry.queryValue(key, "path", type, buffer, size), Registry::kSuccess);
        QCOMPARE(registry.closeKey(key), Registry::kSuccess);
        size = sizeof buffer;
        QCOMPARE(registry.queryValue(key, "PATH", type, buffer, size), Registry::kInvalidHandle);
        QCOMPARE(registry.closeKey(key), Registry::kInvalidHandle);
    }

    void fileIsReadAfreshAtEachOpen()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("r.reg");
        FileRegistry registry(path);
        QCOMPARE(readThrough(registry, "PATH").status, Registry::kNotFound);
        writeFile(path, kV4 + kSection + "\"PATH\"=\"one\"\n");
        QCOMPARE(readThrough(registry, "PATH").data, QByteArray("one\0", 4));
        writeFile(path, kV4 + kSection + "\"PATH\"=\"two\"\n");
        QCOMPARE(readThrough(registry, "PATH").data, QByteArray("two\0", 4));
    }

    void noReadableFileMeansNoKeys_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addRow("missing") << "missing";
        QTest::addRow("a directory in its place") << "directory";
        QTest::addRow("unreadable") << "unreadable";
        QTest::addRow("larger than the limit") << "large";
        QTest::addRow("a device") << "device";
    }

    void noReadableFileMeansNoKeys()
    {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        QString path = dir.filePath("r.reg");
        const QByteArray good = kV5 + kSection + "\"PATH\"=\"x\"\n";
        if (kind == "directory") {
            QVERIFY(QDir(dir.path()).mkdir("r.reg"));
        } else if (kind == "unreadable") {
            writeFile(path, good);
            QVERIFY(QFile::setPermissions(path, QFile::Permissions()));
            QFile probe(path);
            if (probe.open(QIODevice::ReadOnly))
                QSKIP("this user reads files whatever their permissions");
        } else if (kind == "large") {
            writeFile(path, good + QByteArray(FileRegistry::kLargestFile, ';'));
        } else if (kind == "device") {
            path = "/dev/zero";
            if (!QFile::exists(path))
                QSKIP("no /dev/zero here");
        }
        FileRegistry registry(path);
        QCOMPARE(readThrough(registry, "PATH").status, Registry::kNotFound);
    }

    void fileLocation()
    {
        QTemporaryDir dir;
        const bool configWasSet = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
        const QByteArray savedConfig = qgetenv("XDG_CONFIG_HOME");
        const auto restore = qScopeGuard([&] {
            qunsetenv("LVTRIV_REGISTRY");
            if (configWasSet)
                qputenv("XDG_CONFIG_HOME", savedConfig);
            else
                qunsetenv("XDG_CONFIG_HOME");
        });

        qunsetenv("LVTRIV_REGISTRY");
        qunsetenv("XDG_CONFIG_HOME");
        QCOMPARE(FileRegistry::defaultPath(), QDir::homePath() + "/.config/lvtriv/registry.reg");

        qputenv("XDG_CONFIG_HOME", dir.path().toLocal8Bit());
        QCOMPARE(FileRegistry::defaultPath(), dir.path() + "/lvtriv/registry.reg");

        qputenv("LVTRIV_REGISTRY", "");
        QCOMPARE(FileRegistry::defaultPath(), dir.path() + "/lvtriv/registry.reg");

        qputenv("LVTRIV_REGISTRY", "/somewhere/mine.reg");
        QCOMPARE(FileRegistry::defaultPath(), QString("/somewhere/mine.reg"));
    }
};

QTEST_GUILESS_MAIN(TestRegistryFile)
#include "tst_registryfile.moc"
