#pragma once

#include "platform/Registry.h"
#include "platform/RegistryFile.h"

#include <QHash>
#include <QString>

// The registry where the system has none: a registry export file that the user
// writes (see docs/sysinfo.md). Read only; the file is read afresh each time a
// key is opened, so an edit counts from the next lookup on. Without a readable
// file every key is missing.
class FileRegistry : public Registry
{
public:
    explicit FileRegistry(QString path);

    // $LVTRIV_REGISTRY, else lvtriv/registry.reg in the user's configuration
    // folder ($XDG_CONFIG_HOME, by default ~/.config).
    static QString defaultPath();

    // Files larger than this are not read at all.
    static constexpr qint64 kLargestFile = 16 * 1024 * 1024;

    Status openKey(std::uint32_t root, const QByteArray &path, std::uint32_t options, std::uint32_t access,
                   Handle &key) override;
    Status queryValue(Handle key, const QByteArray &name, std::uint32_t &type, unsigned char *data,
                      std::uint32_t &size) override;
    Status closeKey(Handle key) override;

private:
    RegistryFile read() const;

    QString m_path;
    QHash<Handle, RegistryFile::Values> m_openKeys;
    Handle m_nextHandle = 1;
};
