#include "FakeSystem.h"

#include <cstring>

void FakeRegistry::set(const QByteArray &path, const QByteArray &name, const Entry &entry)
{
    m_keys[path][name] = entry;
}

void FakeRegistry::refuseOpen(const QByteArray &path, Status status)
{
    m_refused[path] = status;
}

Registry::Status FakeRegistry::openKey(std::uint32_t root, const QByteArray &path, std::uint32_t options,
                                       std::uint32_t access, Handle &key)
{
    calls.append(QStringLiteral("open %1\\%2 options %3 access %4")
                     .arg(root, 0, 16)
                     .arg(QString::fromLocal8Bit(path))
                     .arg(options)
                     .arg(access, 0, 16));
    if (m_refused.contains(path))
        return m_refused.value(path);
    if (root != kLocalMachine || !m_keys.contains(path))
        return kNotFound;
    key = m_nextHandle++;
    m_open.insert(key, path);
    return kSuccess;
}

Registry::Status FakeRegistry::queryValue(Handle key, const QByteArray &name, std::uint32_t &type,
                                          unsigned char *data, std::uint32_t &size)
{
    calls.append(QStringLiteral("query %1 %2 buffer %3").arg(key).arg(QString::fromLocal8Bit(name)).arg(size));
    if (!m_open.contains(key))
        return kInvalidHandle;
    const auto &values = m_keys[m_open.value(key)];
    if (!values.contains(name))
        return kNotFound;
    const Entry &entry = values[name];
    const auto stored = std::uint32_t(entry.data.size());
    if (stored > size) {
        size = stored;
        return kMoreData;
    }
    if (stored > 0)
        std::memcpy(data, entry.data.constData(), stored);
    type = entry.type;
    size = entry.reportedSize.value_or(stored);
    return kSuccess;
}

Registry::Status FakeRegistry::closeKey(Handle key)
{
    calls.append(QStringLiteral("close %1").arg(key));
    return m_open.remove(key) ? kSuccess : kInvalidHandle;
}

bool FakeLauncher::fileExists(const QString &path)
{
    lookedFor.append(path);
    return files.contains(path);
}

bool FakeLauncher::start(const QString &path)
{
    started.append(path);
    return files.contains(path);
}
