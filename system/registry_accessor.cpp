#include "system/registry_accessor.h"

#include "system/errors.h"

namespace sys {

RegistryAccessor::RegistryAccessor(System& system) : system_(system) {}

RegistryAccessor::~RegistryAccessor() {
    closeKey();
}

void RegistryAccessor::setRootKey(RegKey root) {
    if (root == root_)
        return;
    closeKey();
    root_ = root;
}

bool RegistryAccessor::openKey(const std::string& path) {
    const std::string below = !path.empty() && path[0] == '\\' ? path.substr(1) : path;
    RegKey key = 0;
    if (system_.regOpenKeyEx(root_, below, 0, keyAllAccess, key) != errorSuccess)
        return false;
    closeKey();
    current_ = key;
    return true;
}

void RegistryAccessor::writeString(const std::string& name, const std::string& value) {
    // The data carries its zero byte, as every REG_SZ reader expects.
    const auto* data = reinterpret_cast<const std::uint8_t*>(value.c_str());
    const auto size = static_cast<std::uint32_t>(value.size() + 1);
    if (system_.regSetValueEx(current_, name, regSz, data, size) != errorSuccess)
        throw ERegistryException("Failed to set data for '" + name + "'");
}

void RegistryAccessor::closeKey() {
    if (current_ == 0)
        return;
    system_.regCloseKey(current_);
    current_ = 0;
}

} // namespace sys
