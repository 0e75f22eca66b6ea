#pragma once

#include <QDialog>
#include <QString>

#include <cstdint>

class Launcher;
class Registry;

// The About box: the program's name and version, the credits, the maker's
// page, and a button that starts the system's System Information program,
// found through two registry values. OK, Enter, Escape and the close box all
// close it, and the WindowKeeper that holds it then destroys it.
class AboutBox : public QDialog
{
public:
    // The load step: caption, title and version.
    AboutBox(Registry &registry, Launcher &launcher);

    void reject() override;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void cmdOK_Click();
    void cmdSysInfo_Click();

    // Starts System Information, or tells the player that it is unavailable.
    void StartSysInfo();

    // Reads a text or 32-bit number value into `valueText`. False, with
    // `valueText` empty, when the key or the value cannot be read.
    bool GetKeyValue(std::uint32_t rootKey, const QString &keyPath, const QString &valueName, QString &valueText);

    Registry &m_registry;
    Launcher &m_launcher;
};
