#include "system/directory_search.h"

namespace sys {

DirectorySearch::DirectorySearch(System& system, const std::string& pattern)
    : system_(system), entry_(), handle_(system.findFirstFile(pattern, entry_)),
      found_(handle_ != invalidSearchHandle) {}

DirectorySearch::~DirectorySearch() {
    if (handle_ != invalidSearchHandle)
        system_.findClose(handle_);
}

void DirectorySearch::next() {
    if (found_)
        found_ = system_.findNextFile(handle_, entry_);
}

bool fileExists(System& system, const std::string& path) {
    DirectorySearch search(system, path);
    return search.found() && (search.entry().attributes & attributeDirectory) == 0;
}

} // namespace sys
