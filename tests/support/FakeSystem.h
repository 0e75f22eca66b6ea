#pragma once

#include "platform/Launcher.h"
#include "platform/Registry.h"

#include <QHash>
#include <QSet>
#include <QStringList>

#include <optional>

// A registry held in memory, with every call written to `calls`.
class FakeRegistry : public Registry
{
public:
    struct Entry
    {
        std::uint32_t type = kText;
        QByteArray data;
        // The byte count a successful query reports, when it is not the data's size.
        std::optional<std::uint32_t> reportedSize;
    };

    // Value `name` of `path` below HKEY_LOCAL_MACHINE; the key exists from now on.
    void set(const QByteArray &path, const QByteArray &name, const Entry &entry);
    // Makes opening `path` fail with `status`, even when the key exists.
    void refuseOpen(const QByteArray &path, Status status);

    // "open <root in hex>\<path> options <n> access <hex>", "query <handle> <name> buffer <bytes>",
    // "close <handle>", in the order they came.
    QStringList calls;
    // Keys opened and not closed yet.
    int openKeys() const { return int(m_open.size()); }

    Status openKey(std::uint32_t root, const QByteArray &path, std::uint32_t options,
                   std::uint32_t access, Handle &key) override;
    Status queryValue(Handle key, const QByteArray &name, std::uint32_t &type, unsigned char *data,
                      std::uint32_t &size) override;
    Status closeKey(Handle key) override;

private:
    QHash<QByteArray, QHash<QByteArray, Entry>> m_keys;
    QHash<QByteArray, Status> m_refused;
    QHash<Handle, QByteArray> m_open;
    Handle m_nextHandle = 100;
};

// Files that exist and programs that start only on paper.
class FakeLauncher : public Launcher
{
public:
    // The files that exist; a program starts when its file exists.
    QSet<QString> files;
    // Every path looked for and every path started, in order.
    QStringList lookedFor;
    QStringList started;

    bool fileExists(const QString &path) override;
    bool start(const QString &path) override;
};
