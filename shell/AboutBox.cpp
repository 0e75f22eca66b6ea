#include "shell/AboutBox.h"

#include "platform/Controls.h"
#include "platform/MessageBox.h"
#include "platform/PushButton.h"
#include "platform/Twips.h"
#include "platform/Window.h"
#include "sysinfo/Launcher.h"
#include "sysinfo/Registry.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QScopeGuard>

namespace {

const QString kPathKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
const QString kPathValue = QStringLiteral("PATH");
const QString kFolderKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");
const QString kFolderValue = QStringLiteral("MSINFO");
const QString kProgramInFolder = QStringLiteral("\\MSINFO32.EXE");

void showUnavailable(QWidget *about)
{
    MessageBox::show("System Information Is Unavailable At This Time", QString(), about);
}

} // namespace

AboutBox::AboutBox(Registry &registry, Launcher &launcher) : m_registry(registry), m_launcher(launcher)
{
    setObjectName("about");
    window::makeFixedDialog(this, twips::size(7380, 4155));

    auto *picIcon = controls::picture(this, "picIcon", ":/assets/about.png", 240, 240);
    picIcon->setAccessibleName("The lvtriv emblem");
    picIcon->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picIcon->setLineWidth(2);
    const int border = picIcon->frameWidth();
    picIcon->resize(picIcon->pixmap().deviceIndependentSize().toSize() + QSize(2 * border, 2 * border));

    auto *lblTitle = controls::label(this, "lblTitle", QString(), 1800, 240, 3885, 480);
    lblTitle->setFont(controls::sansFont(13.5));
    auto *lblVersion = controls::label(this, "lblVersion", QString(), 1800, 960, 3885, 345);
    lblVersion->setFont(controls::sansFont(12));
    controls::label(this, "lblDescription", "Fourteen questions on Lumen Vesper.", 1800, 1440, 3888, 336)
        ->setWordWrap(false);
    controls::label(this, "Label1",
                    "Thanks to Quillfeather, who programmed this quiz (www.example.org/~quillfeather/), "
                    "and to Cometkeeper, who hosts the grand-prize download "
                    "(www.example.net/~cometkeeper/).",
                    840, 1920, 6375, 735);

    // An etched rule: the grey line over the top pixel of the white one.
    controls::rule(this, "Line1(0)", 120, 2880, 7215, Qt::white, 2);
    controls::rule(this, "Line1(1)", 120, 2880, 7200, QColor(0x80, 0x80, 0x80));

    controls::label(this, "lblDisclaimer",
                    "The maker's web page is at www.example.org/lvtriv/.  "
                    "Check there for any updates to this quiz.",
                    240, 3120, 3870, 825);

    auto *cmdOK = controls::button(this, "cmdOK", "OK", 6000, 3000, 1260, 345);
    cmdOK->setDefault(true);
    auto *cmdSysInfo = controls::button(this, "cmdSysInfo", "&System Info...", 6000, 3480, 1245, 345);
    controls::tabOrder({cmdOK, cmdSysInfo});
    cmdOK->setFocus();
    connect(cmdOK, &QPushButton::clicked, this, &AboutBox::cmdOK_Click);
    connect(cmdSysInfo, &QPushButton::clicked, this, &AboutBox::cmdSysInfo_Click);

    const QString title = QCoreApplication::applicationName();
    setWindowTitle("About " + title);
    lblVersion->setText("Version " + QCoreApplication::applicationVersion());
    lblTitle->setText(title);
    // Orca reads a window's labels with it only from three words up: the
    // title and the version are spoken together.
    lblVersion->setAccessibleName(title + ' ' + lblVersion->text());
    window::centre(this);
}

void AboutBox::cmdOK_Click()
{
    close();
}

void AboutBox::cmdSysInfo_Click()
{
    StartSysInfo();
}

// Escape presses the cancel button, which is OK.
void AboutBox::reject()
{
    cmdOK_Click();
}

// QDialog would turn the close box into a reject; here it simply closes, like OK.
void AboutBox::closeEvent(QCloseEvent *event)
{
    event->accept();
}

void AboutBox::StartSysInfo()
{
    // Both lookups read the registry as it was at the press.
    m_registry.beginLookups();
    const auto endLookups = qScopeGuard([this] { m_registry.endLookups(); });
    QString sysInfoPath;
    if (!GetKeyValue(Registry::kLocalMachine, kPathKey, kPathValue, sysInfoPath)) {
        if (!GetKeyValue(Registry::kLocalMachine, kFolderKey, kFolderValue, sysInfoPath)) {
            showUnavailable(this);
            return;
        }
        // Unlike a PATH value, which is started as it stands, a program found
        // through its folder has to exist before it is started.
        sysInfoPath += kProgramInFolder;
        if (!m_launcher.fileExists(sysInfoPath)) {
            showUnavailable(this);
            return;
        }
    }
    if (!m_launcher.start(sysInfoPath))
        showUnavailable(this);
}

bool AboutBox::GetKeyValue(std::uint32_t rootKey, const QString &keyPath, const QString &valueName, QString &valueText)
{
    return readValueText(m_registry, rootKey, keyPath, valueName, valueText);
}
