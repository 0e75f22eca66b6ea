#pragma once

#include "platform/Root.h"
#include "sysinfo/Registry.h"
#include "sysinfo/RegistryFile.h"

#include <QHash>
#include <QString>

#include <optional>

// The registry where the system has none: a registry export file that the user
// writes (see docs/sysinfo.md). Read only; the file is read afresh each time a
// key is opened, or once for a batch of lookups, so an edit counts from the
// next lookup or batch on. Without a readable file every key is missing. A
// process running as root reads only a file that root owns and no one else
// may change.
class FileRegistry : public Registry
{
public:
    // `asRoot`: whether the process runs as root.
    explicit FileRegistry(QString path, bool asRoot = runningAsRoot());

    // $LVTRIV_REGISTRY, else lvtriv/registry.reg in the user's configuration
    // folder ($XDG_CONFIG_HOME, by default ~/.config).
    static QString defaultPath();

    // Files larger than this are not read at all.
    static constexpr qint64 kLargestFile = 1024 * 1024;

    void beginLookups() override;
    void endLookups() override;
    Status openKey(std::uint32_t root, const QByteArray &path, std::uint32_t options, std::uint32_t access,
                   Handle &key) override;
    Status queryValue(Handle key, const QByteArray &name, std::uint32_t &type, unsigned char *data,
                      std::uint32_t &size) override;
    Status closeKey(Handle key) override;

protected:
    // The file's bytes; none when it cannot be read or must not be used.
    virtual std::optional<QByteArray> readFile() const;

private:
    RegistryFile load() const;

    QString m_path;
    bool m_asRoot;
    // The file as read at the start of a batch of lookups, while one lasts.
    std::optional<RegistryFile> m_batch;
    QHash<Handle, RegistryFile::Values> m_openKeys;
    Handle m_nextHandle = 1;
};
