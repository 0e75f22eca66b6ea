#include "TestMain.h"
#include "TestSupport.h"

#include "platform/FileRegistry.h"
#include "platform/Twips.h"
#include "shell/AboutBox.h"
#include "shell/MainWindow.h"

#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>

// What one of the two lookups finds in the registry.
struct Stored
{
    enum Kind { Missing, Present, Refused } kind = Missing;
    FakeRegistry::Entry entry;
};
Q_DECLARE_METATYPE(Stored)

namespace {

const ShownBox kUnavailable{"lvtriv", "System Information Is Unavailable At This Time"};
const QByteArray kPathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const QByteArray kFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
const QString kFolder = "C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo";
const QString kProgram = "C:\\Windows\\System32\\msinfo32.exe";
const QString kFolderProgram = kFolder + "\\MSINFO32.EXE";

Stored missing()
{
    return {};
}

Stored raw(std::uint32_t type, const QByteArray &data, std::optional<std::uint32_t> reportedSize = {})
{
    return {Stored::Present, {type, data, reportedSize}};
}

Stored text(const QString &value)
{
    return raw(Registry::kText, value.toLocal8Bit() + '\0');
}

Stored refused()
{
    return {Stored::Refused, {Registry::kText, kProgram.toLocal8Bit() + '\0', {}}};
}

void store(FakeRegistry &registry, const QByteArray &key, const QByteArray &name, const Stored &stored)
{
    if (stored.kind == Stored::Missing)
        return;
    registry.set(key, name, stored.entry);
    if (stored.kind == Stored::Refused)
        registry.refuseOpen(key, 5);
}

void pressSysInfo(AboutBox *about)
{
    QTest::mouseClick(child<QPushButton>(about, "cmdSysInfo"), Qt::LeftButton);
}

enum class CloseBy { OkClick, Enter, Return, Escape, CloseBox };

} // namespace

class TestAboutBox : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { verifyNoWindowLeft(); }

    void loadStepNamesTheProgramAndVersion()
    {
        TestProgram program;
        AboutBox *about = program->about.show();
        QVERIFY(QTest::qWaitForWindowActive(about));

        QCOMPARE(about->windowTitle(), QString("About lvtriv"));
        QCOMPARE(child<QLabel>(about, "lblTitle")->text(), QString("lvtriv"));
        QCOMPARE(child<QLabel>(about, "lblVersion")->text(), QString("Version 3.0.0"));
        QCOMPARE(child<QLabel>(about, "lblTitle")->font().pointSizeF(), 13.5);
        QCOMPARE(child<QLabel>(about, "lblVersion")->font().pointSizeF(), 12.0);
        QCOMPARE(about->size(), twips::size(7380, 4155));
        QVERIFY(!about->isModal());
        QVERIFY(!(about->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QCOMPARE(QApplication::focusWidget(), child<QPushButton>(about, "cmdOK"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), child<QPushButton>(about, "cmdSysInfo"));
        QCOMPARE(visibleWindows(), QStringList{"about"});
    }

    void pictureAndRuleLookEtched()
    {
        TestProgram program;
        AboutBox *about = program->about.get();
        auto *picIcon = child<QLabel>(about, "picIcon");
        QCOMPARE(picIcon->pixmap().size(), QSize(71, 77));
        QCOMPARE(picIcon->frameShape(), QFrame::Panel);
        QCOMPARE(picIcon->frameShadow(), QFrame::Sunken);

        auto *white = child<QWidget>(about, "Line1(0)");
        auto *grey = child<QWidget>(about, "Line1(1)");
        QCOMPARE(white->palette().color(QPalette::Window), QColor(0xFF, 0xFF, 0xFF));
        QCOMPARE(grey->palette().color(QPalette::Window), QColor(0x80, 0x80, 0x80));
        // The grey line lies over the white one's top row.
        QVERIFY(about->children().indexOf(grey) > about->children().indexOf(white));
    }

    void textsFitTheirLabels_data()
    {
        QTest::addColumn<QString>("name");
        for (const char *name : {"lblTitle", "lblVersion", "lblDescription", "Label1", "lblDisclaimer"})
            QTest::addRow("%s", name) << name;
    }

    void textsFitTheirLabels()
    {
        QFETCH(QString, name);
        TestProgram program;
        auto *label = child<QLabel>(program->about.get(), qPrintable(name));
        QVERIFY(!label->text().isEmpty());
        const int flags = label->wordWrap() ? Qt::TextWordWrap : Qt::TextSingleLine;
        const QRect needed = label->fontMetrics().boundingRect(QRect(QPoint(), label->size()), flags,
                                                               label->text());
        QVERIFY2(needed.width() <= label->width() && needed.height() <= label->height(),
                 qPrintable(QStringLiteral("needs %1 x %2").arg(needed.width()).arg(needed.height())));
    }

    void creditsAndMakersPageUseReservedDomains()
    {
        TestProgram program;
        AboutBox *about = program->about.get();
        const QString credits = child<QLabel>(about, "Label1")->text();
        QVERIFY(credits.contains("example.org/") && credits.contains("example.net/"));
        const QString disclaimer = child<QLabel>(about, "lblDisclaimer")->text();
        QVERIFY(disclaimer.contains("www.example.org/"));
        QVERIFY(disclaimer.endsWith("Check there for any updates to this quiz."));
        QCOMPARE(child<QPushButton>(about, "cmdOK")->text(), QString("OK"));
        QCOMPARE(child<QPushButton>(about, "cmdSysInfo")->text(), QString("&System Info..."));
    }

    void closingDestroysAndTheNextOpenLoadsAgain_data()
    {
        QTest::addColumn<CloseBy>("closeBy");
        QTest::addRow("OK clicked") << CloseBy::OkClick;
        QTest::addRow("Enter") << CloseBy::Enter;
        QTest::addRow("Return") << CloseBy::Return;
        QTest::addRow("Escape") << CloseBy::Escape;
        QTest::addRow("close box") << CloseBy::CloseBox;
    }

    void closingDestroysAndTheNextOpenLoadsAgain()
    {
        QFETCH(CloseBy, closeBy);
        TestProgram program;
        AboutBox *about = program->about.show();
        QVERIFY(QTest::qWaitForWindowActive(about));
        about->setWindowTitle("stale");
        child<QLabel>(about, "lblTitle")->setText("stale");
        child<QLabel>(about, "lblVersion")->setText("stale");

        switch (closeBy) {
        case CloseBy::OkClick:
            QTest::mouseClick(child<QPushButton>(about, "cmdOK"), Qt::LeftButton);
            break;
        case CloseBy::Enter:
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
            break;
        case CloseBy::Return:
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
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
        QCOMPARE(existingWindows(), QStringList());

        AboutBox *again = program->about.show();
        QCOMPARE(again->windowTitle(), QString("About lvtriv"));
        QCOMPARE(child<QLabel>(again, "lblTitle")->text(), QString("lvtriv"));
        QCOMPARE(child<QLabel>(again, "lblVersion")->text(), QString("Version 3.0.0"));
        QCOMPARE(program.boxes.take(), QList<ShownBox>{});
        QCOMPARE(program.registry->calls, QStringList());
    }

    void enterOnSystemInfoPressesItInstead()
    {
        TestProgram program;
        AboutBox *about = program->about.show();
        QVERIFY(QTest::qWaitForWindowActive(about));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(program.boxes.take(), QList<ShownBox>{kUnavailable});
        QCOMPARE(program->about.peek(), about);
        QVERIFY(about->isVisible());
    }

    void altSPressesSystemInfo()
    {
        TestProgram program;
        program.registry->set(kPathKey, "PATH", text(kProgram).entry);
        program.launcher->files.insert(kProgram);
        AboutBox *about = program->about.show();
        QVERIFY(QTest::qWaitForWindowActive(about));
        QTest::keyClick(about, Qt::Key_S, Qt::AltModifier);
        // A button's access key clicks it the way a player would see: down, then up a moment later.
        QTRY_COMPARE(program.launcher->started, QStringList{kProgram});
        QCOMPARE(program.boxes.take(), QList<ShownBox>{});
        QVERIFY(about->isVisible());
    }

    void aboutOpensOneBoxFromButtonAndMenu_data()
    {
        QTest::addColumn<bool>("fromMenu");
        QTest::addRow("About button") << false;
        QTest::addRow("Help, About...") << true;
    }

    void aboutOpensOneBoxFromButtonAndMenu()
    {
        QFETCH(bool, fromMenu);
        TestProgram program;
        MainWindow *main = program->main.show();
        const auto pressAbout = [&] {
            if (fromMenu)
                child<QAction>(main, "help_about")->trigger();
            else
                QTest::mouseClick(child<QPushButton>(main, "aboutbutton"), Qt::LeftButton);
        };

        pressAbout();
        AboutBox *about = program->about.peek();
        QVERIFY(about && about->isVisible());
        QVERIFY(QTest::qWaitForWindowActive(about));

        // Open already: brought forward, no second box, no second load.
        program->main.show();
        QVERIFY(QTest::qWaitForWindowActive(main));
        child<QLabel>(about, "lblTitle")->setText("kept");
        pressAbout();
        QCOMPARE(program->about.peek(), about);
        QCOMPARE(child<QLabel>(about, "lblTitle")->text(), QString("kept"));
        QCOMPARE(existingWindows(), (QStringList{"about", "main"}));
        QVERIFY(QTest::qWaitForWindowActive(about));
        QCOMPARE(program.boxes.take(), QList<ShownBox>{});
    }

    void startSysInfo_data()
    {
        QTest::addColumn<Stored>("first");
        QTest::addColumn<Stored>("second");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QStringList>("lookedFor");
        QTest::addColumn<QStringList>("started");
        QTest::addColumn<bool>("unavailable");

        const QString a1023(1023, 'a');
        const QString b1024(1024, 'b');

        QTest::addRow("first path started")
            << text(kProgram) << missing() << QStringList{kProgram} << QStringList{} << QStringList{kProgram} << false;
        QTest::addRow("first path started unchanged though missing, start fails")
            << text("C:\\gone\\msinfo32.exe") << missing() << QStringList{} << QStringList{}
            << QStringList{"C:\\gone\\msinfo32.exe"} << true;
        QTest::addRow("first path wins over the folder")
            << text(kProgram) << text(kFolder) << QStringList{kProgram, kFolderProgram} << QStringList{}
            << QStringList{kProgram} << false;
        QTest::addRow("first missing, folder holds the program")
            << missing() << text(kFolder) << QStringList{kFolderProgram} << QStringList{kFolderProgram}
            << QStringList{kFolderProgram} << false;
        QTest::addRow("first missing, folder without the program")
            << missing() << text(kFolder) << QStringList{} << QStringList{kFolderProgram} << QStringList{}
            << true;
        QTest::addRow("both missing")
            << missing() << missing() << QStringList{kProgram, kFolderProgram} << QStringList{} << QStringList{}
            << true;
        QTest::addRow("first key refused, folder tried")
            << refused() << text(kFolder) << QStringList{kProgram, kFolderProgram}
            << QStringList{kFolderProgram} << QStringList{kFolderProgram} << false;
        QTest::addRow("1024 bytes with the NUL are read")
            << raw(Registry::kText, a1023.toLatin1() + '\0') << text(kFolder) << QStringList{a1023}
            << QStringList{} << QStringList{a1023} << false;
        QTest::addRow("1024 bytes without a NUL are kept whole")
            << raw(Registry::kText, b1024.toLatin1()) << missing() << QStringList{b1024} << QStringList{}
            << QStringList{b1024} << false;
        QTest::addRow("1025 bytes count as missing, folder tried")
            << raw(Registry::kText, b1024.toLatin1() + '\0') << text(kFolder)
            << QStringList{b1024, kFolderProgram} << QStringList{kFolderProgram}
            << QStringList{kFolderProgram} << false;
        QTest::addRow("text without a NUL loses no character")
            << raw(Registry::kText, kProgram.toLatin1()) << missing() << QStringList{kProgram}
            << QStringList{} << QStringList{kProgram} << false;
        QTest::addRow("only the last NUL is dropped")
            << raw(Registry::kText, kProgram.toLatin1() + QByteArray(2, '\0')) << missing()
            << QStringList{kProgram} << QStringList{} << QStringList{kProgram + QChar(0)} << true;
        QTest::addRow("DWORD reads as decimal, low byte first")
            << raw(Registry::kNumber, "\x78\x56\x34\x12") << missing() << QStringList{"305419896"}
            << QStringList{} << QStringList{"305419896"} << false;
        QTest::addRow("DWORD with the top bit is unsigned")
            << raw(Registry::kNumber, "\xFF\xFF\xFF\xFF") << missing() << QStringList{} << QStringList{}
            << QStringList{"4294967295"} << true;
        QTest::addRow("DWORD of one byte reads the zeroed buffer")
            << raw(Registry::kNumber, "\x07") << missing() << QStringList{} << QStringList{}
            << QStringList{"7"} << true;
        QTest::addRow("DWORD folder gets the file name")
            << missing() << raw(Registry::kNumber, QByteArray("\x07\0\0\0", 4)) << QStringList{}
            << QStringList{"7\\MSINFO32.EXE"} << QStringList{} << true;
        QTest::addRow("other type first: empty path, start fails, folder not tried")
            << raw(Registry::kBinary, kProgram.toLatin1()) << text(kFolder)
            << QStringList{kProgram, kFolderProgram} << QStringList{} << QStringList{""} << true;
        QTest::addRow("other type second: file name alone not found")
            << missing() << raw(2, kFolder.toLatin1() + '\0') << QStringList{kFolderProgram}
            << QStringList{"\\MSINFO32.EXE"} << QStringList{} << true;
        QTest::addRow("zero bytes first: folder tried")
            << raw(Registry::kText, "") << text(kFolder) << QStringList{kFolderProgram}
            << QStringList{kFolderProgram} << QStringList{kFolderProgram} << false;
        QTest::addRow("zero bytes both")
            << raw(Registry::kText, "") << raw(Registry::kText, "") << QStringList{kFolderProgram}
            << QStringList{} << QStringList{} << true;
        QTest::addRow("byte count beyond the buffer counts as missing")
            << raw(Registry::kText, kProgram.toLatin1() + '\0', 2000) << text(kFolder)
            << QStringList{kProgram, kFolderProgram} << QStringList{kFolderProgram}
            << QStringList{kFolderProgram} << false;
    }

    void startSysInfo()
    {
        QFETCH(Stored, first);
        QFETCH(Stored, second);
        QFETCH(QStringList, files);
        QFETCH(QStringList, lookedFor);
        QFETCH(QStringList, started);
        QFETCH(bool, unavailable);

        TestProgram program;
        store(*program.registry, kPathKey, "PATH", first);
        store(*program.registry, kFolderKey, "MSINFO", second);
        program.launcher->files = QSet<QString>(files.begin(), files.end());
        AboutBox *about = program->about.show();

        pressSysInfo(about);

        QCOMPARE(program.launcher->lookedFor, lookedFor);
        QCOMPARE(program.launcher->started, started);
        QCOMPARE(program.boxes.take(), unavailable ? QList<ShownBox>{kUnavailable} : QList<ShownBox>{});
        QCOMPARE(program.registry->openKeys(), 0);
        QCOMPARE(program->about.peek(), about);
        QVERIFY(about->isVisible());
    }

    void lookupsOpenWithTheAccessMaskAndCloseTheirKeys()
    {
        TestProgram program;
        program.registry->set(kPathKey, "Other", text(kProgram).entry);
        program.registry->set(kFolderKey, "Other", text(kFolder).entry);
        pressSysInfo(program->about.show());

        QCOMPARE(program.registry->calls,
                 (QStringList{"open 80000002\\SOFTWARE\\Microsoft\\Shared Tools\\MSINFO options 0 access 2003f",
                              "query 100 PATH buffer 1024", "close 100",
                              "open 80000002\\SOFTWARE\\Microsoft\\Shared Tools Location options 0 access 2003f",
                              "query 101 MSINFO buffer 1024", "close 101"}));
        QCOMPARE(program.boxes.take(), QList<ShownBox>{kUnavailable});
    }

    void systemInfoCanBePressedAgainAndLooksAfresh()
    {
        TestProgram program;
        AboutBox *about = program->about.show();
        pressSysInfo(about);
        QCOMPARE(program.boxes.take(), QList<ShownBox>{kUnavailable});

        program.registry->set(kFolderKey, "MSINFO", text(kFolder).entry);
        program.launcher->files.insert(kFolderProgram);
        pressSysInfo(about);
        QCOMPARE(program.boxes.take(), QList<ShownBox>{});
        QCOMPARE(program.launcher->started, QStringList{kFolderProgram});

        pressSysInfo(about);
        QCOMPARE(program.launcher->started, (QStringList{kFolderProgram, kFolderProgram}));
        QCOMPARE(program.registry->openKeys(), 0);
    }

    void getKeyValueOnFailureEmptiesTheText()
    {
        TestProgram program;
        QString valueText = "stale";
        QVERIFY(!program->about.get()->GetKeyValue(Registry::kLocalMachine, kPathKey, "PATH", valueText));
        QCOMPARE(valueText, QString(""));
    }

    void getKeyValueOfAnotherTypeKeepsTheText()
    {
        TestProgram program;
        program.registry->set(kPathKey, "PATH", raw(Registry::kBinary, "\x01\x02").entry);
        QString valueText = "kept";
        QVERIFY(program->about.get()->GetKeyValue(Registry::kLocalMachine, kPathKey, "PATH", valueText));
        QCOMPARE(valueText, QString("kept"));
    }

    // The whole way on this system: a registry file named by LVTRIV_REGISTRY and
    // a real program start. The folder lookup appends "\MSINFO32.EXE" as it is,
    // so on a file system with '/' the program is a file with that odd name.
    void registryFileNamesTheProgramThatStarts_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("program");
        QTest::addRow("PATH names the program") << QString(kPathKey) << "PATH" << "" << "sysinfo.sh";
        QTest::addRow("MSINFO names its folder") << QString(kFolderKey) << "MSINFO" << "tools" << "tools\\MSINFO32.EXE";
    }

    void registryFileNamesTheProgramThatStarts()
    {
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(QString, folder);
        QFETCH(QString, program);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString programPath = dir.filePath(program);
        const QString marker = dir.filePath("ran");
        QFile script(programPath);
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\n: > '" + marker.toUtf8() + "'\n");
        script.close();
        QVERIFY(script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));

        const QString named = folder.isEmpty() ? programPath : dir.filePath(folder);
        QFile registryFile(dir.filePath("registry.reg"));
        QVERIFY(registryFile.open(QIODevice::WriteOnly));
        registryFile.write(QStringLiteral("Windows Registry Editor Version 5.00\r\n\r\n"
                                          "[HKEY_LOCAL_MACHINE\\%1]\r\n\"%2\"=\"%3\"\r\n")
                               .arg(key, value, QString(named).replace("\\", "\\\\"))
                               .toUtf8());
        registryFile.close();
        qputenv("LVTRIV_REGISTRY", registryFile.fileName().toLocal8Bit());
        const auto unset = qScopeGuard([] { qunsetenv("LVTRIV_REGISTRY"); });

        RecordedBoxes boxes;
        Program lvtriv([] {}, makeSystemRegistry());
        pressSysInfo(lvtriv.about.show());
        QCOMPARE(boxes.take(), QList<ShownBox>{});
        QTRY_VERIFY(QFile::exists(marker));
    }
};

LVTRIV_TEST_MAIN(TestAboutBox)
#include "tst_aboutbox.moc"
