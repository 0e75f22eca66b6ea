// Feeds any bytes, as the registry file, through System Info's two lookups:
// FileRegistry's keys and values, and readValueText, which reads each value
// into the About box's buffer of kValueTextBytes. Besides never crashing,
// reading outside a buffer or overflowing, a lookup must succeed exactly for a
// value of 1 to kValueTextBytes bytes, leave the text empty when it fails and
// untouched for a type that is neither text nor number.
#include "sysinfo/FileRegistry.h"

#include <cstdint>
#include <cstdlib>

namespace {

// The registry file as bytes in memory: the same reading of keys and values
// as from a file, without the file.
class BytesRegistry final : public FileRegistry
{
public:
    explicit BytesRegistry(QByteArrayView bytes) : FileRegistry(QString(), false), m_bytes(bytes) {}

protected:
    std::optional<QByteArray> readFile() const override { return m_bytes.toByteArray(); }

private:
    QByteArrayView m_bytes;
};

void check(bool holds)
{
    if (!holds)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView bytes(data, qsizetype(size));
    const RegistryFile file = RegistryFile::parse(bytes);
    BytesRegistry registry(bytes);
    const QString untouched = QStringLiteral("untouched");

    registry.beginLookups();
    for (const auto &[keyPath, valueName] : {std::pair{"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH"},
                                             std::pair{"SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO"}}) {
        QString text = untouched;
        const bool read = readValueText(registry, Registry::kLocalMachine, QString::fromLatin1(keyPath),
                                        QString::fromLatin1(valueName), text);

        const auto values = file.key(Registry::kLocalMachine, QString::fromLatin1(keyPath));
        const auto value =
            values ? values->value(QString::fromLatin1(valueName).toCaseFolded()) : RegistryFile::Value();
        check(read == (value.data.size() > 0 && value.data.size() <= qsizetype(kValueTextBytes)));
        if (!read)
            check(text.isEmpty());
        else if (value.type != Registry::kText && value.type != Registry::kNumber)
            check(text == untouched);
    }
    registry.endLookups();
    return 0;
}
