#include "system/posix_system.h"

#include "system/errors.h"

#include <cerrno>
#include <clocale>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <fnmatch.h>
#include <iconv.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <algorithm>

namespace sys {
namespace {

constexpr long errorInvalidHandle = 6;
constexpr long errorCallNotImplemented = 120;

// The printable ASCII characters that are neither letters, digits nor the two
// marks passed over, in the order the Windows locale sorts them.
constexpr char symbolOrder[] = " !\"#$%&()*,./:;?@[\\]^_`{|}~+<=>";

bool isMark(unsigned char c) {
    return c == '-' || c == '\'';
}

// The first-level weight of a byte that is not a mark: control bytes, then
// the symbols, the digits, the letters without case, and the bytes of 0x80
// and above.
int primaryWeight(unsigned char c) {
    if (c < 0x20 || c == 0x7F)
        return c == 0x7F ? 0x20 : c;
    if (const char* symbol = std::strchr(symbolOrder, c))
        return 0x40 + static_cast<int>(symbol - symbolOrder);
    if (c >= '0' && c <= '9')
        return 0x80 + (c - '0');
    if (c >= 'a' && c <= 'z')
        return 0x90 + (c - 'a');
    if (c >= 'A' && c <= 'Z')
        return 0x90 + (c - 'A');
    return 0x100 + c;
}

struct SortKey {
    std::vector<int> primary;
    // Position and weight of every hyphen and apostrophe.
    std::vector<std::pair<std::size_t, int>> marks;
};

SortKey sortKey(const std::string& text) {
    SortKey key;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (isMark(c))
            key.marks.emplace_back(i, c == '-' ? 2 : 1);
        else
            key.primary.push_back(primaryWeight(c));
    }
    return key;
}

int compareMarks(const SortKey& a, const SortKey& b) {
    const std::size_t common = std::min(a.marks.size(), b.marks.size());
    for (std::size_t i = 0; i < common; ++i) {
        if (a.marks[i].first != b.marks[i].first)
            return a.marks[i].first < b.marks[i].first ? compareGreaterThan : compareLessThan;
        if (a.marks[i].second != b.marks[i].second)
            return a.marks[i].second > b.marks[i].second ? compareGreaterThan : compareLessThan;
    }
    if (a.marks.size() != b.marks.size())
        return a.marks.size() > b.marks.size() ? compareGreaterThan : compareLessThan;
    return compareEqual;
}

// One iconv conversion, closed however the call ends.
class Converter {
  public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (valid())
            iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Converts the whole text; false at the first sequence it cannot convert.
    bool convert(const std::string& in, std::string& out) {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        out.clear();
        char* source = const_cast<char*>(in.data());
        std::size_t left = in.size();
        char buffer[256];
        while (left > 0) {
            char* target = buffer;
            std::size_t room = sizeof buffer;
            const std::size_t done = iconv(cd_, &source, &left, &target, &room);
            out.append(buffer, static_cast<std::size_t>(target - buffer));
            if (done == static_cast<std::size_t>(-1) && errno != E2BIG)
                return false;
        }
        return true;
    }

  private:
    iconv_t cd_;
};

// The length of the UTF-8 sequence a byte starts; 1 for a stray byte.
std::size_t utf8Length(unsigned char lead) {
    if (lead >= 0xF0 && lead < 0xF8)
        return 4;
    if (lead >= 0xE0)
        return lead < 0xF0 ? 3 : 1;
    if (lead >= 0xC0)
        return 2;
    return 1;
}

bool isLeadByte936(unsigned char byte) {
    return byte >= 0x81 && byte <= 0xFE;
}

std::string backslashesToSlashes(const std::string& path) {
    std::string out = path;
    for (std::size_t i = 0; i < out.size(); ++i) {
        if (isLeadByte936(static_cast<unsigned char>(out[i])))
            ++i;
        else if (out[i] == '\\')
            out[i] = '/';
    }
    return out;
}

// The position of the last backslash that is not a trail byte, or npos.
std::size_t lastSeparator(const std::string& path) {
    std::size_t last = std::string::npos;
    for (std::size_t i = 0; i < path.size(); ++i) {
        if (isLeadByte936(static_cast<unsigned char>(path[i])))
            ++i;
        else if (path[i] == '\\')
            last = i;
    }
    return last;
}

// Wine marks names beginning with a dot hidden, as Linux hides them.
std::uint32_t attributesOf(const std::string& unixPath, const std::string& name) {
    struct stat info;
    std::uint32_t attributes = 0;
    if (stat(unixPath.c_str(), &info) != 0 && lstat(unixPath.c_str(), &info) != 0)
        return attributeArchive;
    if (S_ISDIR(info.st_mode))
        attributes |= attributeDirectory;
    else
        attributes |= attributeArchive;
    if (!(info.st_mode & S_IWUSR))
        attributes |= attributeReadOnly;
    if (name.size() > 1 && name[0] == '.' && name != "..")
        attributes |= attributeHidden;
    return attributes;
}

// "*.*" matches every name on Windows, those without a dot too.
bool matchesPattern(const std::string& pattern, const std::string& name) {
    return pattern == "*.*" || pattern == "*" || fnmatch(pattern.c_str(), name.c_str(), 0) == 0;
}

bool hasWildcard(const std::string& text) {
    return text.find_first_of("*?") != std::string::npos;
}

// Owns a file descriptor for the length of one call.
class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (valid())
            close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    bool valid() const { return fd_ >= 0; }
    int get() const { return fd_; }

  private:
    int fd_;
};

bool isRegularFile(int fd) {
    struct stat info;
    return fstat(fd, &info) == 0 && !S_ISDIR(info.st_mode);
}

bool writeAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t written = write(fd, data, size);
        if (written <= 0)
            return false;
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

} // namespace

int compareLikeWindowsLocale(const std::string& a, const std::string& b) {
    const SortKey keyA = sortKey(a);
    const SortKey keyB = sortKey(b);
    if (keyA.primary != keyB.primary)
        return keyA.primary < keyB.primary ? compareLessThan : compareGreaterThan;
    return compareMarks(keyA, keyB);
}

std::string toUnixPath(const std::string& ansiPath) {
    const std::string slashed = backslashesToSlashes(ansiPath);
    Converter converter("UTF-8", "CP936");
    std::string out;
    if (converter.valid() && converter.convert(slashed, out))
        return out;
    return slashed;
}

std::string toAnsiName(const std::string& unixName) {
    Converter converter("CP936", "UTF-8");
    std::string out;
    for (std::size_t i = 0; i < unixName.size();) {
        const std::size_t length =
            std::min(utf8Length(static_cast<unsigned char>(unixName[i])), unixName.size() - i);
        std::string converted;
        if (converter.valid() && converter.convert(unixName.substr(i, length), converted))
            out += converted;
        else
            out += '?';
        i += length;
    }
    return out;
}

PosixSystem::PosixSystem(std::string baseFolder) : base_(std::move(baseFolder)) {}

std::string PosixSystem::unixPath(const std::string& ansiPath) const {
    const std::string path = toUnixPath(ansiPath);
    if (base_.empty() || (!path.empty() && path[0] == '/'))
        return path.empty() ? "." : path;
    return base_ + "/" + path;
}

SearchHandle PosixSystem::findFirstFile(const std::string& pattern, FindEntry& entry) {
    const std::size_t separator = lastSeparator(pattern);
    const std::string folder = separator == std::string::npos ? "" : pattern.substr(0, separator);
    const std::string lastAnsi = pattern.substr(separator + 1);
    const std::string last = toUnixPath(lastAnsi);
    const std::string unixFolder =
        separator == std::string::npos ? unixPath("") : unixPath(folder.empty() ? "\\" : folder);
    Search search;
    if (hasWildcard(last)) {
        DIR* dir = opendir(unixFolder.c_str());
        if (!dir)
            return invalidSearchHandle;
        while (const dirent* found = readdir(dir)) {
            const std::string name = found->d_name;
            if (matchesPattern(last, name))
                search.entries.push_back(
                    {toAnsiName(name), attributesOf(unixFolder + "/" + name, name)});
        }
        closedir(dir);
    } else {
        const std::string path = unixPath(pattern);
        struct stat info;
        if (!last.empty() && lstat(path.c_str(), &info) == 0)
            search.entries.push_back({lastAnsi, attributesOf(path, last)});
    }
    if (search.entries.empty())
        return invalidSearchHandle;
    entry = search.entries[0];
    search.next = 1;
    searches_[nextSearch_] = std::move(search);
    return nextSearch_++;
}

bool PosixSystem::findNextFile(SearchHandle handle, FindEntry& entry) {
    const auto found = searches_.find(handle);
    if (found == searches_.end() || found->second.next >= found->second.entries.size())
        return false;
    entry = found->second.entries[found->second.next++];
    return true;
}

void PosixSystem::findClose(SearchHandle handle) {
    searches_.erase(handle);
}

int PosixSystem::compareTextIgnoreCase(const std::string& a, const std::string& b) {
    return compareLikeWindowsLocale(a, b);
}

bool PosixSystem::getDiskFreeSpace(const std::string& /*root*/, DiskFreeSpace& space) {
    struct statvfs info;
    if (statvfs(unixPath("").c_str(), &info) != 0)
        return false;
    constexpr std::uint64_t sectorBytes = 512;
    const std::uint64_t clusterBytes = std::max<std::uint64_t>(info.f_frsize, sectorBytes);
    const std::uint64_t freeBytes = std::uint64_t{info.f_bavail} * info.f_frsize;
    const std::uint64_t totalBytes = std::uint64_t{info.f_blocks} * info.f_frsize;
    const auto clusters = [&](std::uint64_t bytes) {
        return static_cast<std::uint32_t>(
            std::min<std::uint64_t>(bytes / clusterBytes, 0xFFFFFFFFu));
    };
    space.sectorsPerCluster = static_cast<std::uint32_t>(clusterBytes / sectorBytes);
    space.bytesPerSector = static_cast<std::uint32_t>(sectorBytes);
    space.freeClusters = clusters(freeBytes);
    space.totalClusters = clusters(totalBytes);
    return true;
}

bool PosixSystem::openSharedFileSize(const std::string& path, std::uint32_t& size) {
    Descriptor file(open(unixPath(path).c_str(), O_RDONLY));
    struct stat info;
    if (!file.valid() || fstat(file.get(), &info) != 0 || S_ISDIR(info.st_mode))
        return false;
    // The size as GetFileSize reports it: its low 32 bits.
    size = static_cast<std::uint32_t>(info.st_size);
    return true;
}

bool PosixSystem::copyFile(const std::string& from, const std::string& to, bool failIfExists) {
    Descriptor source(open(unixPath(from).c_str(), O_RDONLY));
    struct stat info;
    if (!source.valid() || fstat(source.get(), &info) != 0 || S_ISDIR(info.st_mode))
        return false;
    const int flags = O_WRONLY | O_CREAT | (failIfExists ? O_EXCL : O_TRUNC);
    Descriptor target(open(unixPath(to).c_str(), flags, info.st_mode & 0777));
    if (!target.valid())
        return false;
    char buffer[65536];
    for (;;) {
        const ssize_t got = read(source.get(), buffer, sizeof buffer);
        if (got < 0)
            return false;
        if (got == 0)
            return true;
        if (!writeAll(target.get(), buffer, static_cast<std::size_t>(got)))
            return false;
    }
}

int PosixSystem::addFontResource(const std::string& /*file*/) {
    return 0;
}

long PosixSystem::regOpenKeyEx(RegKey /*root*/, const std::string& /*subKey*/,
                               std::uint32_t /*options*/, std::uint32_t /*access*/,
                               RegKey& /*key*/) {
    return errorCallNotImplemented;
}

long PosixSystem::regSetValueEx(RegKey /*key*/, const std::string& /*name*/, std::uint32_t /*type*/,
                                const std::uint8_t* /*data*/, std::uint32_t /*size*/) {
    return errorInvalidHandle;
}

long PosixSystem::regCloseKey(RegKey /*key*/) {
    return errorInvalidHandle;
}

bool PosixSystem::isDbcsLeadByte(std::uint8_t byte) {
    return isLeadByte936(byte);
}

std::string PosixSystem::moduleFileName() {
    std::string path(4096, '\0');
    const ssize_t length = readlink("/proc/self/exe", &path[0], path.size());
    if (length <= 0 || static_cast<std::size_t>(length) >= path.size())
        return std::string();
    path.resize(static_cast<std::size_t>(length));
    std::string ansi = toAnsiName(path);
    std::replace(ansi.begin(), ansi.end(), '/', '\\');
    return ansi;
}

std::vector<std::uint8_t> PosixSystem::readWholeFile(const std::string& path) {
    Descriptor file(open(unixPath(path).c_str(), O_RDONLY));
    if (!file.valid() || !isRegularFile(file.get()))
        throw EFOpenError("Cannot open file \"" + path + "\"");
    struct stat info;
    if (fstat(file.get(), &info) != 0 || info.st_size > 0x7FFFFFFF)
        throw EStreamError("Stream read error");
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(info.st_size));
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t got = read(file.get(), bytes.data() + done, bytes.size() - done);
        if (got <= 0)
            throw EStreamError("Stream read error");
        done += static_cast<std::size_t>(got);
    }
    return bytes;
}

char PosixSystem::decimalSeparator() {
    const char* point = std::localeconv()->decimal_point;
    return point && point[0] ? point[0] : '.';
}

} // namespace sys
