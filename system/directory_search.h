#pragma once
// Walking the entries of a directory search, with the search handle closed
// however the walk ends.
#include "system/system.h"

#include <string>

namespace sys {

class DirectorySearch {
  public:
    DirectorySearch(System& system, const std::string& pattern);
    ~DirectorySearch();
    DirectorySearch(const DirectorySearch&) = delete;
    DirectorySearch& operator=(const DirectorySearch&) = delete;

    // The current entry; only meaningful while found() is true.
    const FindEntry& entry() const { return entry_; }
    bool found() const { return found_; }
    void next();

  private:
    System& system_;
    FindEntry entry_; // before handle_: the first find fills it
    SearchHandle handle_;
    bool found_;
};

// True only when a file that is not a folder exists at the path, tested with
// a find-first on the path itself.
bool fileExists(System& system, const std::string& path);

} // namespace sys
