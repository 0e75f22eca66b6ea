#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <memory>

// The system registry, read only: open a key, read one of its values, close it.
// The calls and their status codes are those of RegOpenKeyExA, RegQueryValueExA
// and RegCloseKey; key paths and value names are in the system's 8-bit code page.
class Registry
{
public:
    using Handle = std::uintptr_t;
    using Status = long;

    // Status codes.
    static constexpr Status kSuccess = 0;
    static constexpr Status kNotFound = 2;
    static constexpr Status kInvalidHandle = 6;
    static constexpr Status kMoreData = 234; // the value does not fit the buffer

    // Root keys.
    static constexpr std::uint32_t kClassesRoot = 0x80000000;
    static constexpr std::uint32_t kCurrentUser = 0x80000001;
    static constexpr std::uint32_t kLocalMachine = 0x80000002;
    static constexpr std::uint32_t kUsers = 0x80000003;
    static constexpr std::uint32_t kCurrentConfig = 0x80000005;

    // Value types.
    static constexpr std::uint32_t kText = 1;   // REG_SZ: text with its terminating NUL
    static constexpr std::uint32_t kBinary = 3; // REG_BINARY
    static constexpr std::uint32_t kNumber = 4; // REG_DWORD: 32 bits, least significant byte first

    virtual ~Registry() = default;

    // Lookups between these two calls belong together, like the two of one
    // System Info press: a registry read from a file reads it once for all of
    // them, and afresh for the next batch. Batches do not nest.
    virtual void beginLookups() {}
    virtual void endLookups() {}

    // Opens `path` below `root`. Success puts the key in `key`.
    virtual Status openKey(std::uint32_t root, const QByteArray &path, std::uint32_t options, std::uint32_t access,
                           Handle &key) = 0;

    // Reads value `name` of an open key into `data`, which holds `size` bytes.
    // Success sets `type` and sets `size` to the value's byte count (text values
    // count their terminating NUL). A value larger than the buffer fails with
    // kMoreData and `size` set to what it would need.
    virtual Status queryValue(Handle key, const QByteArray &name, std::uint32_t &type, unsigned char *data,
                              std::uint32_t &size) = 0;

    virtual Status closeKey(Handle key) = 0;
};

// How many bytes readValueText reads a value into, a text's NUL included.
inline constexpr std::uint32_t kValueTextBytes = 1024;

// Reads a text or 32-bit number value of key `keyPath` below `rootKey` into
// `valueText`, the way the About box looks up System Information: the value
// goes into a buffer of kValueTextBytes bytes. False, with `valueText` empty,
// when the key or the value cannot be read, has no bytes or does not fit. A
// value of any other type counts as read and leaves `valueText` as it was.
bool readValueText(Registry &registry, std::uint32_t rootKey, const QString &keyPath, const QString &valueName,
                   QString &valueText);

// The registry System Info reads: the read-only one of a registry export file
// (FileRegistry), on every platform.
std::unique_ptr<Registry> makeSystemRegistry();
