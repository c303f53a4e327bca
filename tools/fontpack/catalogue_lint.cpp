#include "tools/fontpack/catalogue_keys.h"
#include "tools/fontpack/package_lint.h"

#include "package/package_paths.h"

#include <algorithm>
#include <map>

namespace fontpack {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string lineLabel(std::size_t index) {
    return "line " + std::to_string(index + 1);
}

void checkByteOrderMark(const std::vector<std::uint8_t>& bytes, std::vector<Warning>& warnings) {
    const auto startsWith = [&](std::initializer_list<std::uint8_t> mark) {
        return bytes.size() >= mark.size() && std::equal(mark.begin(), mark.end(), bytes.begin());
    };
    if (startsWith({0xEF, 0xBB, 0xBF}))
        warnings.push_back({"byte-order-mark",
                            "fonts.ini begins with a UTF-8 byte-order mark: the wizard reads it as "
                            "part of the first line's name, so that line answers no key"});
    else if (startsWith({0xFF, 0xFE}) || startsWith({0xFE, 0xFF}))
        warnings.push_back({"byte-order-mark", "fonts.ini is UTF-16 (it begins with a byte-order "
                                               "mark): the wizard reads code page 936 only"});
}

void checkNul(const std::vector<std::uint8_t>& bytes, std::vector<Warning>& warnings) {
    const auto nul = std::find(bytes.begin(), bytes.end(), 0);
    if (nul == bytes.end())
        return;
    const std::string after(nul + 1, bytes.end());
    std::string lines;
    for (const std::string& line : package::splitLines(after))
        if (!line.empty())
            lines += lines.empty() ? line : " | " + line;
    warnings.push_back({"nul-byte", "fonts.ini holds a NUL byte at offset " +
                                        std::to_string(nul - bytes.begin()) +
                                        ": the wizard reads nothing after it" +
                                        (lines.empty() ? "" : " (" + lines + ")")});
}

void checkBlanks(const std::vector<std::string>& lines, std::vector<Warning>& warnings) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto name = lineName(lines[i]);
        if (!name)
            continue;
        const std::string_view value = lineValue(lines[i]);
        if (!parseCatalogueKey(*name) && parseCatalogueKey(trimBlanks(*name)))
            warnings.push_back(
                {"blank-around-equals", lineLabel(i) + ": blanks around the key \"" +
                                            std::string(trimBlanks(*name)) +
                                            "\" make it a different name, which answers no key"});
        else if (parseCatalogueKey(*name) && !value.empty() && isBlank(value.front()))
            warnings.push_back(
                {"blank-around-equals",
                 lineLabel(i) + ": the value of \"" + std::string(*name) +
                     "\" begins with a blank, which the wizard keeps as part of it"});
    }
}

// Only the first line with a name answers; a later one with another value
// is never seen.
void checkDuplicates(const std::vector<std::string>& lines, std::vector<Warning>& warnings) {
    std::map<std::string, std::size_t> first;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto name = lineName(lines[i]);
        if (!name || !parseCatalogueKey(*name))
            continue;
        const auto [found, isNew] = first.emplace(asciiLower(*name), i);
        if (isNew || lineValue(lines[found->second]) == lineValue(lines[i]))
            continue;
        warnings.push_back({"duplicate-key", lineLabel(i) + " repeats the key \"" +
                                                 std::string(*name) + "\" of " +
                                                 lineLabel(found->second) +
                                                 " with another value; "
                                                 "only " +
                                                 lineLabel(found->second) + " counts"});
    }
}

void checkEnd(const std::vector<std::string>& lines, int catalogueEntries,
              std::vector<Warning>& warnings) {
    int last = -1;
    bool titleLine = false;
    for (const std::string& line : lines) {
        const auto name = lineName(line);
        const auto key = name ? parseCatalogueKey(*name) : std::nullopt;
        if (!key)
            continue;
        last = std::max(last, key->entry);
        titleLine = titleLine || (key->entry == catalogueEntries && key->kind == KeyKind::Title);
    }
    if (last < catalogueEntries) {
        if (catalogueEntries == 0)
            warnings.push_back(
                {"no-entries", "the catalogue has no entries: it names no font0title"});
        return;
    }
    warnings.push_back(
        {"catalogue-end", "the catalogue ends at entry " + std::to_string(catalogueEntries) +
                              ", whose title is " + (titleLine ? "empty" : "missing") +
                              ": the entries after it, up to entry " + std::to_string(last) +
                              ", are never read"});
}

} // namespace

void lintCatalogueText(const PackageView& view, int catalogueEntries,
                       std::vector<Warning>& warnings) {
    if (!view.catalogueLoaded)
        return;
    checkByteOrderMark(view.catalogueBytes, warnings);
    checkNul(view.catalogueBytes, warnings);
    const std::vector<std::string>& lines = view.catalogue.lines();
    checkBlanks(lines, warnings);
    checkDuplicates(lines, warnings);
    checkEnd(lines, catalogueEntries, warnings);
}

} // namespace fontpack
