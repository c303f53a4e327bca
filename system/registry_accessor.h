#pragma once
// The registry accessor the installation run writes through: a root key, at
// most one open key, and string values written into that key. It owns the
// open key's handle and closes it when it is replaced, closed or destroyed.
#include "system/system.h"

#include <string>

namespace sys {

class RegistryAccessor {
  public:
    explicit RegistryAccessor(System& system);
    ~RegistryAccessor();
    RegistryAccessor(const RegistryAccessor&) = delete;
    RegistryAccessor& operator=(const RegistryAccessor&) = delete;

    RegKey rootKey() const { return root_; }
    // Changing the root closes the key that is open below the old one.
    void setRootKey(RegKey root);

    // Opens an existing key below the root key with full access; a leading
    // backslash is allowed. Never creates the key. On success the new key
    // becomes the current one and the previous one is closed; on failure the
    // current key stays as it was.
    bool openKey(const std::string& path);

    bool hasOpenKey() const { return current_ != 0; }

    // Writes a REG_SZ value (with its terminating zero) into the current key.
    // Raises ERegistryException "Failed to set data for '<name>'" on failure.
    void writeString(const std::string& name, const std::string& value);

    // Closes the current key without flushing it; nothing when none is open.
    void closeKey();

  private:
    System& system_;
    RegKey root_ = hkeyCurrentUser;
    RegKey current_ = 0;
};

} // namespace sys
