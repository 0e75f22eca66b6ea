#include "sysinfo/Registry.h"

#include <windows.h>

namespace {

HKEY toKey(Registry::Handle handle)
{
    return reinterpret_cast<HKEY>(handle);
}

class WindowsRegistry final : public Registry
{
public:
    Status openKey(std::uint32_t root, const QByteArray &path, std::uint32_t options, std::uint32_t access,
                   Handle &key) override
    {
        // The predefined root keys are 32-bit values that 64-bit Windows sign-extends.
        const HKEY rootKey = reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(root)));
        HKEY opened = nullptr;
        const LONG status = RegOpenKeyExA(rootKey, path.constData(), options, access, &opened);
        key = reinterpret_cast<Handle>(opened);
        return status;
    }

    Status queryValue(Handle key, const QByteArray &name, std::uint32_t &type, unsigned char *data,
                      std::uint32_t &size) override
    {
        DWORD valueType = 0;
        DWORD valueSize = size;
        const LONG status = RegQueryValueExA(toKey(key), name.constData(), nullptr, &valueType, data, &valueSize);
        type = valueType;
        size = valueSize;
        return status;
    }

    Status closeKey(Handle key) override { return RegCloseKey(toKey(key)); }
};

} // namespace

std::unique_ptr<Registry> makeSystemRegistry()
{
    return std::make_unique<WindowsRegistry>();
}
