#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QString>

#include <cstdint>
#include <optional>

// The keys and values of a registry export file, the text that regedit writes
// and reads ("REGEDIT4" or "Windows Registry Editor Version 5.00" on the first
// line, then [key] sections and "name"=value lines). Whatever cannot be read is
// left out: a bad header leaves the file empty, a bad section drops the values
// under it, a bad value line drops that value.
class RegistryFile
{
public:
    // One value as RegQueryValueExA hands it out: text in the 8-bit code page
    // with its terminating NUL, numbers least significant byte first.
    struct Value
    {
        std::uint32_t type = 0;
        QByteArray data;
        bool operator==(const Value &) const = default;
    };
    // A key's values by name; names are compared without regard to case.
    using Values = QHash<QString, Value>;

    static RegistryFile parse(QByteArrayView bytes);

    // The values of key `path` below `root`, if the file has that key. Keys are
    // compared without regard to case; every key above a section exists too.
    std::optional<Values> key(std::uint32_t root, const QString &path) const;

    bool operator==(const RegistryFile &) const = default;

private:
    QHash<QString, Values> m_keys;
};
