#include "tests/unit/support/fake_system.h"

#include "system/errors.h"

#include <algorithm>
#include <stdexcept>

namespace fake {
namespace {

constexpr long errorFileNotFound = 2;
constexpr long errorAccessDenied = 5;
constexpr long errorInvalidHandle = 6;

char foldChar(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Without allocating: the benchmarks call it millions of times.
int asciiCaseBlindCompare(const std::string& a, const std::string& b) {
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const auto x = static_cast<unsigned char>(foldChar(a[i]));
        const auto y = static_cast<unsigned char>(foldChar(b[i]));
        if (x != y)
            return x < y ? sys::compareLessThan : sys::compareGreaterThan;
    }
    return a.size() < b.size()   ? sys::compareLessThan
           : a.size() > b.size() ? sys::compareGreaterThan
                                 : sys::compareEqual;
}

// Offset of the last folder separator, skipping the trail bytes of code page
// 936 characters (a 0x5C trail byte is no separator); npos when there is none.
std::size_t lastSeparator(const std::string& path) {
    std::size_t last = std::string::npos;
    for (std::size_t i = 0; i < path.size(); ++i) {
        const auto byte = static_cast<std::uint8_t>(path[i]);
        if (byte >= 0x81 && byte <= 0xFE)
            ++i;
        else if (path[i] == '\\')
            last = i;
    }
    return last;
}

std::string parentOf(const std::string& path) {
    const std::size_t slash = lastSeparator(path);
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

std::string nameOf(const std::string& path) {
    const std::size_t slash = lastSeparator(path);
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string withoutTrailingBackslash(std::string path) {
    while (!path.empty() && lastSeparator(path) == path.size() - 1)
        path.pop_back();
    return path;
}

} // namespace

std::string fold(const std::string& text) {
    std::string folded = text;
    for (char& c : folded)
        c = foldChar(c);
    return folded;
}

FakeSystem::FakeSystem() : locale(asciiCaseBlindCompare) {
    freeSpace = {8, 512, 5242880, 10485760};
    addFolder("C:\\Windows\\Fonts");
    addRegistryKey("HKLM\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Fonts");
}

void FakeSystem::addFolder(const std::string& path) {
    const std::string clean = withoutTrailingBackslash(path);
    if (clean.empty() || find(clean))
        return;
    const std::string parent = parentOf(clean);
    if (!parent.empty())
        addFolder(parent);
    addEntry({clean, true, sys::attributeDirectory, {}});
}

void FakeSystem::addFile(const std::string& path, std::vector<std::uint8_t> bytes,
                         std::uint32_t attributes) {
    addFolder(parentOf(path));
    if (Entry* existing = find(path)) {
        existing->bytes = std::move(bytes);
        existing->attributes = attributes;
        return;
    }
    addEntry({path, false, attributes, std::move(bytes)});
}

void FakeSystem::addFile(const std::string& path, const std::string& text,
                         std::uint32_t attributes) {
    addFile(path, std::vector<std::uint8_t>(text.begin(), text.end()), attributes);
}

void FakeSystem::addFileOfSize(const std::string& path, std::size_t size) {
    addFile(path, std::vector<std::uint8_t>(size, 0x20));
}

bool FakeSystem::hasFile(const std::string& path) const {
    const Entry* entry = find(path);
    return entry && !entry->folder;
}

const std::vector<std::uint8_t>& FakeSystem::fileBytes(const std::string& path) const {
    const Entry* entry = find(path);
    if (!entry || entry->folder)
        throw std::logic_error("no such file in the fake: " + path);
    return entry->bytes;
}

void FakeSystem::addRegistryKey(const std::string& path) {
    registry_[fold(path)];
}

const RegistryValue* FakeSystem::registryValue(const std::string& key,
                                               const std::string& name) const {
    const auto k = registry_.find(fold(key));
    if (k == registry_.end())
        return nullptr;
    const auto v = k->second.find(fold(name));
    return v == k->second.end() ? nullptr : &v->second;
}

std::size_t FakeSystem::registryValueCount(const std::string& key) const {
    const auto k = registry_.find(fold(key));
    return k == registry_.end() ? 0 : k->second.size();
}

void FakeSystem::addEntry(Entry entry) {
    byPath_[fold(entry.path)] = entries_.size();
    children_[fold(parentOf(entry.path))].push_back(entries_.size());
    entries_.push_back(std::move(entry));
}

FakeSystem::Entry* FakeSystem::find(const std::string& path) {
    const auto it = byPath_.find(fold(path));
    return it == byPath_.end() ? nullptr : &entries_[it->second];
}

const FakeSystem::Entry* FakeSystem::find(const std::string& path) const {
    const auto it = byPath_.find(fold(path));
    return it == byPath_.end() ? nullptr : &entries_[it->second];
}

bool FakeSystem::isOpenable(const std::string& path) const {
    return hasFile(path) && !lockedFiles.count(path);
}

std::vector<sys::FindEntry> FakeSystem::childrenOf(const std::string& folder) const {
    // Like a real search below a folder: "." and ".." first, then the
    // entries in the order they were made, which is not sorted.
    std::vector<sys::FindEntry> children{{".", sys::attributeDirectory},
                                         {"..", sys::attributeDirectory}};
    const auto found = children_.find(fold(folder));
    if (found != children_.end())
        for (std::size_t index : found->second)
            children.push_back({nameOf(entries_[index].path), entries_[index].attributes});
    return children;
}

sys::SearchHandle FakeSystem::findFirstFile(const std::string& pattern, sys::FindEntry& entry) {
    if (logCalls)
        calls.push_back("findFirstFile " + pattern);
    Search search;
    const std::string wildcard = "\\*.*";
    if (pattern.size() > wildcard.size() &&
        pattern.compare(pattern.size() - wildcard.size(), wildcard.size(), wildcard) == 0) {
        const std::string folder = pattern.substr(0, pattern.size() - wildcard.size());
        const Entry* found = find(folder);
        if (found && found->folder)
            search.entries = childrenOf(folder);
    } else if (const Entry* found = find(pattern)) {
        search.entries.push_back({nameOf(found->path), found->attributes});
    }
    if (search.entries.empty())
        return sys::invalidSearchHandle;
    entry = search.entries[0];
    search.next = 1;
    searches_[nextSearch_] = std::move(search);
    return nextSearch_++;
}

bool FakeSystem::findNextFile(sys::SearchHandle handle, sys::FindEntry& entry) {
    Search& search = searches_.at(handle);
    if (search.next >= search.entries.size())
        return false;
    entry = search.entries[search.next++];
    return true;
}

void FakeSystem::findClose(sys::SearchHandle handle) {
    searches_.erase(handle);
}

int FakeSystem::compareTextIgnoreCase(const std::string& a, const std::string& b) {
    return locale(a, b);
}

bool FakeSystem::getDiskFreeSpace(const std::string& root, sys::DiskFreeSpace& space) {
    if (logCalls)
        calls.push_back("getDiskFreeSpace " + root);
    if (failFreeSpace)
        return false;
    space = freeSpace;
    return true;
}

bool FakeSystem::openSharedFileSize(const std::string& path, std::uint32_t& size) {
    if (logCalls)
        calls.push_back("openSharedFileSize " + path);
    if (!isOpenable(path))
        return false;
    size = static_cast<std::uint32_t>(find(path)->bytes.size());
    return true;
}

bool FakeSystem::copyFile(const std::string& from, const std::string& to, bool failIfExists) {
    if (logCalls)
        calls.push_back("copyFile " + from + " -> " + to + (failIfExists ? " failIfExists" : ""));
    const Entry* target = find(to);
    const Entry* targetFolder = find(parentOf(to));
    if (failCopyTo.count(to) || !isOpenable(from) || !targetFolder || !targetFolder->folder ||
        (target && (target->folder || failIfExists)))
        return false;
    addFile(to, find(from)->bytes);
    return true;
}

int FakeSystem::addFontResource(const std::string& file) {
    if (logCalls)
        calls.push_back("addFontResource " + file);
    return 1;
}

std::string FakeSystem::keyPath(sys::RegKey root, const std::string& subKey) const {
    std::string base;
    if (root == sys::hkeyLocalMachine)
        base = "HKLM";
    else if (root == sys::hkeyCurrentUser)
        base = "HKCU";
    else if (const auto open = openKeys_.find(root); open != openKeys_.end())
        base = open->second;
    else
        return std::string();
    return subKey.empty() ? base : base + "\\" + subKey;
}

long FakeSystem::regOpenKeyEx(sys::RegKey root, const std::string& subKey, std::uint32_t options,
                              std::uint32_t access, sys::RegKey& key) {
    if (logCalls)
        calls.push_back("regOpenKeyEx " + std::to_string(root) + " " + subKey + " " +
                        std::to_string(options) + " " + std::to_string(access));
    const std::string path = keyPath(root, subKey);
    if (path.empty())
        return errorInvalidHandle;
    if (failKeyOpen || keyOpensAllowed == 0)
        return errorAccessDenied;
    if (!registry_.count(fold(path)))
        return errorFileNotFound;
    if (keyOpensAllowed > 0)
        --keyOpensAllowed;
    key = nextKey_++;
    openKeys_[key] = path;
    return sys::errorSuccess;
}

long FakeSystem::regSetValueEx(sys::RegKey key, const std::string& name, std::uint32_t type,
                               const std::uint8_t* data, std::uint32_t size) {
    if (logCalls)
        calls.push_back("regSetValueEx " + name);
    const auto open = openKeys_.find(key);
    if (open == openKeys_.end())
        return errorInvalidHandle;
    if (failWriteOf.count(name))
        return errorAccessDenied;
    registry_[fold(open->second)][fold(name)] = {type,
                                                 std::vector<std::uint8_t>(data, data + size)};
    return sys::errorSuccess;
}

long FakeSystem::regCloseKey(sys::RegKey key) {
    if (logCalls)
        calls.push_back("regCloseKey");
    return openKeys_.erase(key) ? sys::errorSuccess : errorInvalidHandle;
}

bool FakeSystem::isDbcsLeadByte(std::uint8_t byte) {
    return byte >= 0x81 && byte <= 0xFE;
}

std::string FakeSystem::moduleFileName() {
    return modulePath;
}

std::vector<std::uint8_t> FakeSystem::readWholeFile(const std::string& path) {
    if (logCalls)
        calls.push_back("readWholeFile " + path);
    if (!isOpenable(path))
        throw EFOpenError("Cannot open file \"" + path + "\"");
    return find(path)->bytes;
}

char FakeSystem::decimalSeparator() {
    return separator;
}

} // namespace fake
