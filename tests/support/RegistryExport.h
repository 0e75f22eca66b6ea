#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTest>

// Registry export files, as users write them for System Info.

inline const QString kMsinfo = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline const QByteArray kV4 = "REGEDIT4\r\n\r\n";
inline const QByteArray kV5 = "Windows Registry Editor Version 5.00\r\n\r\n";
inline const QByteArray kSection = "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools\\MSINFO]\r\n";

// A registry export with value lines under the two keys that System Info reads.
inline QByteArray exportFile(const QByteArray &pathValues, const QByteArray &folderValues = {})
{
    return kV5 + kSection + pathValues + "\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools Location]\r\n"
           + folderValues + "\r\n";
}

// Written for its owner alone, as a file that root may use must be.
inline void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly, QFile::ReadOwner | QFile::WriteOwner) && file.write(bytes) == bytes.size());
}
