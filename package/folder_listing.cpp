#include "package/folder_listing.h"

#include "system/ansi_path.h"
#include "system/directory_search.h"

#include <algorithm>
#include <vector>

namespace package {
namespace {

std::string trimBlanks(const std::string& text) {
    const auto isBlank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    const auto first = std::find_if_not(text.begin(), text.end(), isBlank);
    const auto last = std::find_if_not(text.rbegin(), text.rend(), isBlank).base();
    return first < last ? std::string(first, last) : std::string();
}

// The name from its last "." on; a name without "." is its own extension.
std::string extensionOf(const std::string& name) {
    const std::size_t dot = name.rfind('.');
    return dot == std::string::npos ? name : name.substr(dot);
}

bool isListed(const sys::FindEntry& entry, const std::string& filter) {
    if (entry.name == "." || entry.name == ".." || (entry.attributes & sys::attributeDirectory))
        return false;
    return filter.empty() || extensionOf(entry.name) == filter;
}

std::string searchPattern(sys::System& system, const std::string& folder) {
    const bool hasBackslash =
        sys::endsWithBackslash(folder, [&](std::uint8_t b) { return system.isDbcsLeadByte(b); });
    return folder + (hasBackslash ? "" : "\\") + "*.*";
}

} // namespace

std::string ListFolderFiles(sys::System& system, const std::string& folder,
                            const std::string& filter) {
    const std::string extension = trimBlanks(filter);
    std::vector<std::string> names;
    // FindFirstFileA reports every kind of entry, hidden and system ones too.
    for (sys::DirectorySearch search(system, searchPattern(system, folder)); search.found();
         search.next())
        if (isListed(search.entry(), extension))
            names.push_back(search.entry().name);
    // Names the locale sees as equal keep the order the search found them in.
    std::stable_sort(names.begin(), names.end(), [&](const std::string& a, const std::string& b) {
        return system.compareTextIgnoreCase(a, b) == sys::compareLessThan;
    });
    std::string text;
    for (const std::string& name : names)
        text += name + "\r\n";
    return text;
}

} // namespace package
