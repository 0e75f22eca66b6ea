#include "platform/FileRegistry.h"
#include "platform/RegistryFile.h"

#include <QDir>
#include <QFile>
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
    read.status =
        registry.queryValue(key, name, read.type, reinterpret_cast<unsigned char *>(buffer.data()), read.size);
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
        QTest::addRow("LF line ends") << QByteArray(kV4 + kSection + path).replace("\r\n", "\n") << "PATH" << 1u
                                      << pathData;
        QTest::addRow("names and keys ignore case")
            << kV4 + "[hkey_local_machine\\software\\microsoft\\SHARED TOOLS\\msinfo]\n\"Path\"=\"x\"\n"
            << "pAtH" << 1u << QByteArray("x\0", 2);
        QTest::addRow("escaped quote and backslash") << kV5 + kSection + "\"Say\"=\"a \\\"b\\\" \\\\c\"\n"
                                                     << "Say" << 1u << QByteArray("a \"b\" \\c\0", 9);
        QTest::addRow("empty text") << kV5 + kSection + "\"E\"=\"\"\n"
                                    << "E" << 1u << QByteArray(1, '\0');
        QTest::addRow("non-ASCII text in the 8-bit code page") << kV5 + kSection + "\"P\"=\"C:\\\\Pr\xC3\xB6gramme\"\n"
                                                               << "P" << 1u << QByteArray("C:\\Pr\xC3\xB6gramme\0", 14);
        QTest::addRow("dword") << kV5 + kSection + "\"N\"=dword:0000002a\n"
                               << "N" << 4u << QByteArray("\x2a\0\0\0", 4);
        QTest::addRow("hex") << kV5 + kSection + "\"B\"=hex:01,ab,FF\n"
                             << "B" << 3u << QByteArray("\x01\xAB\xFF");
        QTest::addRow("hex(2) in version 5 is UTF-16") << kV5 + kSection + "\"X\"=hex(2):25,00,53,00,00,00\n"
                                                       << "X" << 2u << QByteArray("%S\0", 3);
        QTest::addRow("hex over continuation lines")
            << kV5 + kSection + "\"B\"=hex:01,02,\\\r\n  03,04,\\\r\n  05\r\n\"After\"=\"y\"\r\n"
            << "B" << 3u << QByteArray("\x01\x02\x03\x04\x05");
        QTest::addRow("hex(7) list over continuation lines")
            << kV5 + kSection + "\"L\"=hex(7):61,00,00,00,\\\n  62,00,00,00,00,00\n"
            << "L" << 7u << QByteArray("a\0b\0\0", 5);
        QTest::addRow("later line wins") << kV5 + kSection + "\"P\"=\"a\"\n\"P\"=\"b\"\n"
                                         << "P" << 1u << QByteArray("b\0", 2);
        QTest::addRow("bad line between good ones is skipped") << kV5 + kSection + "\"P\"=\"a\n\"Q\"=\"b\"\n"
                                                               << "Q" << 1u << QByteArray("b\0", 2);
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
        QTest::addRow("unknown root")
            << kV5 + "[HKEY_NOWHERE\\SOFTWARE\\Microsoft\\Shared Tools\\MSINFO]\n\"PATH\"=\"x\"\n";
        QTest::addRow("value deleted") << kV5 + kSection + "\"PATH\"=\"x\"\n\"PATH\"=-\n";
        QTest::addRow("truncated after =") << kV5 + kSection + "\"PATH\"=";
        QTest::addRow("unterminated text") << kV5 + kSection + "\"PATH\"=\"C:\\\\x\n";
        QTest::addRow("bad escape") << kV5 + kSection + "\"PATH\"=\"C:\\x\"\n";
        QTest::addRow("hex digit alone") << kV5 + kSection + "\"PATH\"=hex:1,02\n";
        QTest::addRow("hex with an empty byte") << kV5 + kSection + "\"PATH\"=hex:01,,02\n";
        QTest::addRow("UTF-16 text of an odd byte count") << kV5 + kSection + "\"PATH\"=hex(1):41\n";
        QTest::addRow("binary junk") << QByteArray("\x00\xFF\xFE\x01[\x80\"PATH\"=\"\n\x00\x00\\", 16);
        QTest::addRow("UTF-16 mark, then an odd byte") << QByteArray("\xFF\xFEW\0i\0n", 7);
    }

    void leavesOutWhatItCannotRead()
    {
        QFETCH(QByteArray, text);
        QVERIFY(!lookUp(RegistryFile::parse(text), kMsinfo, "PATH"));
    }

    void noReadableFileMeansNoKeys_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addRow("missing") << "missing";
        QTest::addRow("a directory in its place") << "directory";
        QTest::addRow("unreadable") << "unreadable";
        QTest::addRow("larger than the limit") << "large";
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
        }
        FileRegistry registry(path);
        QCOMPARE(readThrough(registry, "PATH").status, Registry::kNotFound);
    }
};

QTEST_GUILESS_MAIN(TestRegistryFile)
#include "tst_registryfile.moc"
