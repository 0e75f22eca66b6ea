// Feeds any bytes at all to the registry file parser. Besides never crashing
// or reading outside its buffers, the parser must read a file the same with
// CR LF or LF line ends, and every value it keeps must be readable whole.
#include "sysinfo/Registry.h"
#include "sysinfo/RegistryFile.h"

#include <cstdint>
#include <cstdlib>

namespace {

// Touches every byte that the lookups of the About box could hand out.
unsigned touchValues(const RegistryFile &file, const char *path)
{
    unsigned sum = 0;
    if (const auto values = file.key(Registry::kLocalMachine, QString::fromLatin1(path))) {
        for (const RegistryFile::Value &value : *values) {
            for (const char byte : value.data)
                sum += static_cast<unsigned char>(byte);
        }
    }
    return sum;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView bytes(data, qsizetype(size));
    const RegistryFile file = RegistryFile::parse(bytes);

    // In a UTF-16 file CR LF is four bytes, which this replacement does not see.
    if (!bytes.startsWith("\xFF\xFE")) {
        QByteArray lineFeeds = bytes.toByteArray();
        lineFeeds.replace("\r\n", "\n");
        if (!(RegistryFile::parse(lineFeeds) == file))
            std::abort();
    }

    volatile unsigned sum = touchValues(file, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO")
                            + touchValues(file, "SOFTWARE\\Microsoft\\Shared Tools Location");
    (void)sum;
    return 0;
}
