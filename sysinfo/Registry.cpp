#include "sysinfo/Registry.h"

#include <array>

namespace {

// Opening asks for read control, query, set, create sub key, enumerate sub
// keys, notify and create link: less than full access (0xF003F).
constexpr std::uint32_t kKeyAccess = 0x2003F;

} // namespace

bool readValueText(Registry &registry, std::uint32_t rootKey, const QString &keyPath, const QString &valueName,
                   QString &valueText)
{
    Registry::Handle key = 0;
    if (registry.openKey(rootKey, keyPath.toLocal8Bit(), 0, kKeyAccess, key) != Registry::kSuccess) {
        valueText.clear();
        return false;
    }

    std::array<unsigned char, kValueTextBytes> buffer{};
    std::uint32_t size = kValueTextBytes;
    std::uint32_t type = 0;
    const Registry::Status status = registry.queryValue(key, valueName.toLocal8Bit(), type, buffer.data(), size);
    registry.closeKey(key);
    // A value with no data at all counts as unreadable, so the second lookup
    // still gets its turn. A registry that claims more bytes than the buffer
    // holds is not believed.
    if (status != Registry::kSuccess || size == 0 || size > kValueTextBytes) {
        valueText.clear();
        return false;
    }

    // Text stored with its terminating NUL loses the NUL; text stored without
    // one is kept whole.
    QByteArrayView bytes(buffer.data(), size);
    if (bytes.endsWith('\0'))
        bytes.chop(1);
    if (type == Registry::kText) {
        valueText = QString::fromLocal8Bit(bytes);
    } else if (type == Registry::kNumber) {
        const std::uint32_t number = std::uint32_t(buffer[0]) | std::uint32_t(buffer[1]) << 8
                                     | std::uint32_t(buffer[2]) << 16 | std::uint32_t(buffer[3]) << 24;
        valueText = QString::number(number);
    }
    // Any other type counts as read but leaves `valueText` as it was.
    return true;
}
