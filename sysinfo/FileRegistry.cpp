#include "sysinfo/FileRegistry.h"

#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cstdio>
#include <cstring>

#include <sys/stat.h>

namespace {

// Whether the open file belongs to root and only root may change it. Asked of
// the open file, not of its name, so that no other file can be put in its
// place between the question and the reading.
bool rootsAlone(const QFile &file)
{
    struct stat info;
    return fstat(file.handle(), &info) == 0 && info.st_uid == 0 && (info.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

} // namespace

FileRegistry::FileRegistry(QString path, bool asRoot) : m_path(std::move(path)), m_asRoot(asRoot) {}

QString FileRegistry::defaultPath()
{
    const QString chosen = qEnvironmentVariable("LVTRIV_REGISTRY");
    if (!chosen.isEmpty())
        return chosen;
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + QStringLiteral("/lvtriv/registry.reg");
}

std::optional<QByteArray> FileRegistry::readFile() const
{
    // Only a plain file: a directory, a device or a pipe in its place counts as no file.
    if (!QFileInfo(m_path).isFile())
        return std::nullopt;
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    // Root would start, as root, whatever program the file names, so only a
    // file that no one but root can change may name it.
    if (m_asRoot && !rootsAlone(file)) {
        std::fprintf(stderr,
                     "lvtriv: running as root, so System Info does not use %s: root does not own it, or "
                     "others may change it.\n",
                     qPrintable(m_path));
        return std::nullopt;
    }
    QByteArray bytes = file.read(kLargestFile + 1);
    if (bytes.size() > kLargestFile)
        return std::nullopt;
    return bytes;
}

RegistryFile FileRegistry::load() const
{
    const std::optional<QByteArray> bytes = readFile();
    return bytes ? RegistryFile::parse(*bytes) : RegistryFile();
}

void FileRegistry::beginLookups()
{
    m_batch = load();
}

void FileRegistry::endLookups()
{
    m_batch.reset();
}

// The file is the user's own, so any access asked for is granted: nothing here writes.
Registry::Status FileRegistry::openKey(std::uint32_t root, const QByteArray &path, std::uint32_t, std::uint32_t,
                                       Handle &key)
{
    auto values = (m_batch ? *m_batch : load()).key(root, QString::fromLocal8Bit(path));
    if (!values)
        return kNotFound;
    key = m_nextHandle++;
    m_openKeys.insert(key, std::move(*values));
    return kSuccess;
}

Registry::Status FileRegistry::queryValue(Handle key, const QByteArray &name, std::uint32_t &type, unsigned char *data,
                                          std::uint32_t &size)
{
    const auto openKey = m_openKeys.constFind(key);
    if (openKey == m_openKeys.cend())
        return kInvalidHandle;
    const auto value = openKey->constFind(QString::fromLocal8Bit(name).toCaseFolded());
    if (value == openKey->cend())
        return kNotFound;
    const auto needed = std::uint32_t(value->data.size());
    if (needed > size) {
        size = needed;
        return kMoreData;
    }
    if (needed > 0)
        std::memcpy(data, value->data.constData(), needed);
    type = value->type;
    size = needed;
    return kSuccess;
}

Registry::Status FileRegistry::closeKey(Handle key)
{
    return m_openKeys.remove(key) ? kSuccess : kInvalidHandle;
}

std::unique_ptr<Registry> makeSystemRegistry()
{
    return std::make_unique<FileRegistry>(FileRegistry::defaultPath());
}
