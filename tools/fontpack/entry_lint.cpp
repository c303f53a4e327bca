#include "tools/fontpack/catalogue_keys.h"
#include "tools/fontpack/code_page_936.h"
#include "tools/fontpack/package_lint.h"

#include "imaging/bmp.h"
#include "package/package_paths.h"
#include "system/errors.h"

#include <algorithm>
#include <cstring>
#include <map>

namespace fontpack {
namespace {

struct Entry {
    int number = 0;
    std::string title;
    std::string file;
    std::string image;
};

std::string entryLabel(int n) {
    return "entry " + std::to_string(n);
}

bool contains(const std::vector<std::string>& names, const std::string& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

const std::string* sameButCase(const std::vector<std::string>& names, const std::string& name) {
    const std::string lower = asciiLower(name);
    for (const std::string& candidate : names)
        if (asciiLower(candidate) == lower)
            return &candidate;
    return nullptr;
}

void checkFile(const PackageView& view, const Entry& entry, std::vector<Warning>& warnings) {
    const std::string label = entryLabel(entry.number);
    if (entry.file.empty()) {
        warnings.push_back({"file-missing", label + " names no font file"});
        return;
    }
    if (contains(view.fontFiles, entry.file))
        return;
    if (contains(view.folderFiles, entry.file)) {
        warnings.push_back({"file-missing", label + ": fonts\\" + entry.file +
                                                " is there, but the wizard lists only names "
                                                "ending exactly in \".ttf\" or \".otf\""});
    } else if (const std::string* other = sameButCase(view.folderFiles, entry.file)) {
        warnings.push_back({"file-case", label + " names \"" + entry.file +
                                             "\", but the file is fonts\\" + *other +
                                             ": names must match in letter case"});
    } else {
        warnings.push_back(
            {"file-missing", label + " names \"" + entry.file + "\", which is not in fonts\\"});
    }
}

std::string pictureFormat(const std::vector<std::uint8_t>& bytes) {
    const auto startsWith = [&](const char* magic) {
        const std::size_t length = std::strlen(magic);
        return bytes.size() >= length && std::memcmp(bytes.data(), magic, length) == 0;
    };
    if (startsWith("\x89PNG"))
        return " (it is a PNG picture)";
    if (startsWith("\xFF\xD8\xFF"))
        return " (it is a JPEG picture)";
    if (startsWith("GIF8"))
        return " (it is a GIF picture)";
    return "";
}

void checkPreview(const PackageView& view, const Entry& entry, std::vector<Warning>& warnings) {
    const std::string label = entryLabel(entry.number);
    if (entry.image.empty()) {
        warnings.push_back({"preview-none", label + " names no preview: loading it fails and ends "
                                                    "the filling of the grid"});
        return;
    }
    const std::string path = package::packageFolder(view.appDir) + entry.image;
    std::vector<std::uint8_t> bytes;
    try {
        bytes = view.system.readWholeFile(path);
    } catch (const Exception&) {
        warnings.push_back(
            {"preview-missing", label + ": the preview fonts\\" + entry.image + " cannot be read"});
        return;
    }
    if (bytes.empty()) {
        warnings.push_back({"preview-empty", label + ": the preview fonts\\" + entry.image +
                                                 " is empty, so its row shows no picture"});
        return;
    }
    try {
        imaging::decodeBmp(bytes.data(), bytes.size());
    } catch (const Exception& e) {
        warnings.push_back({"preview-not-bmp", label + ": the preview fonts\\" + entry.image +
                                                   " is not a BMP file the wizard can load" +
                                                   pictureFormat(bytes) + ": " + e.what()});
    }
}

std::vector<Entry> readEntries(const package::TextList& catalogue, int count) {
    std::vector<Entry> entries;
    for (int n = 0; n < count; ++n)
        entries.push_back({n, catalogue.value(package::titleKey(n)),
                           catalogue.value(package::fileKey(n)),
                           catalogue.value(package::imageKey(n))});
    return entries;
}

void checkShared(const PackageView& view, const std::vector<Entry>& entries,
                 std::vector<Warning>& warnings) {
    std::map<std::string, int> byFile;
    for (const Entry& entry : entries) {
        if (entry.file.empty())
            continue;
        const auto [found, isNew] = byFile.emplace(entry.file, entry.number);
        if (!isNew)
            warnings.push_back({"same-file", entryLabel(found->second) + " and " +
                                                 entryLabel(entry.number) + " both name " +
                                                 entry.file +
                                                 ": the file is counted once in FontFileCount "
                                                 "but fills two rows"});
    }
    // Registry value names ignore case, so titles that differ only in case
    // still name one value.
    for (std::size_t i = 0; i < entries.size(); ++i)
        for (std::size_t j = 0; j < i; ++j)
            if (view.system.compareTextIgnoreCase(entries[i].title, entries[j].title) ==
                sys::compareEqual) {
                warnings.push_back({"same-title", entryLabel(entries[j].number) + " and " +
                                                      entryLabel(entries[i].number) +
                                                      " have the same title: the second one's "
                                                      "registry value replaces the first one's"});
                break;
            }
}

} // namespace

void lintEntries(const PackageView& view, int catalogueEntries, int fontFileCount,
                 std::vector<Warning>& warnings) {
    const std::vector<Entry> entries = readEntries(view.catalogue, catalogueEntries);
    for (const Entry& entry : entries) {
        if (!isCodePage936(entry.title))
            warnings.push_back({"title-not-cp936", entryLabel(entry.number) +
                                                       ": the title is not code page 936 text"});
        checkFile(view, entry, warnings);
        if (entry.number >= fontFileCount)
            warnings.push_back(
                {"entry-beyond-grid", entryLabel(entry.number) + " needs grid row " +
                                          std::to_string(entry.number + 1) + ", but the grid has " +
                                          std::to_string(fontFileCount) +
                                          " rows below its header, one per font file"});
        checkPreview(view, entry, warnings);
    }
    checkShared(view, entries, warnings);
}

} // namespace fontpack
