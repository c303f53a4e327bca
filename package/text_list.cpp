#include "package/text_list.h"

#include <algorithm>

namespace package {
namespace {

constexpr std::size_t npos = static_cast<std::size_t>(-1);

std::optional<std::string_view> nameOf(const std::string& line) {
    const std::size_t equals = line.find('=');
    if (equals == std::string::npos)
        return std::nullopt;
    return std::string_view(line).substr(0, equals);
}

bool isAsciiAlnum(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isPlain(std::string_view name) {
    return !name.empty() && std::all_of(name.begin(), name.end(), isAsciiAlnum);
}

std::string asciiFold(std::string_view name) {
    std::string folded(name);
    for (char& c : folded)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return folded;
}

void insertSorted(std::vector<std::size_t>& positions, std::size_t index) {
    positions.insert(std::lower_bound(positions.begin(), positions.end(), index), index);
}

void eraseSorted(std::vector<std::size_t>& positions, std::size_t index) {
    const auto it = std::lower_bound(positions.begin(), positions.end(), index);
    if (it != positions.end() && *it == index)
        positions.erase(it);
}

} // namespace

std::vector<std::string> splitLines(std::string_view text) {
    text = text.substr(0, text.find('\0'));
    std::vector<std::string> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t end = std::min(text.find_first_of("\r\n", pos), text.size());
        lines.emplace_back(text.substr(pos, end - pos));
        pos = end;
        if (pos < text.size() && text[pos] == '\r')
            ++pos;
        if (pos < text.size() && text[pos] == '\n')
            ++pos;
    }
    return lines;
}

TextList::TextList(sys::System& system) : system_(&system) {}

void TextList::loadFromFile(const std::string& path) {
    const std::vector<std::uint8_t> bytes = system_->readWholeFile(path);
    setText(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

void TextList::setText(std::string_view text) {
    lines_ = splitLines(text);
    plainNames_.clear();
    otherNames_.clear();
    nextSame_.assign(lines_.size(), npos);
    plainNames_.reserve(lines_.size());
    for (std::size_t i = 0; i < lines_.size(); ++i)
        addToIndex(i);
}

void TextList::append(std::string line) {
    lines_.push_back(std::move(line));
    nextSame_.push_back(npos);
    addToIndex(lines_.size() - 1);
}

std::string TextList::value(const std::string& name) const {
    const std::optional<std::size_t> index = indexOfName(name);
    if (!index)
        return std::string();
    const std::string& line = lines_[*index];
    return line.substr(line.find('=') + 1);
}

void TextList::setValue(const std::string& name, const std::string& value) {
    std::string line = name + "=" + value;
    const std::optional<std::size_t> index = indexOfName(name);
    if (!index) {
        append(std::move(line));
        return;
    }
    // Rewriting a flag keeps the line's name byte for byte, so its place in
    // the index stays right; only a name spelled differently moves.
    if (nameOf(lines_[*index]) == std::string_view(name)) {
        lines_[*index] = std::move(line);
        return;
    }
    removeFromIndex(*index);
    lines_[*index] = std::move(line);
    addToIndex(*index);
}

std::optional<std::size_t> TextList::indexOfName(const std::string& name) const {
    if (!isPlain(name))
        return walkAll(name);
    const auto chain = plainNames_.find(asciiFold(name));
    std::size_t plain = chain == plainNames_.end() ? npos : chain->second.first;
    // Merge the chain with the other names, so lines are tried in file order.
    auto other = otherNames_.begin();
    while (plain != npos || other != otherNames_.end()) {
        const bool takePlain = other == otherNames_.end() || (plain != npos && plain < *other);
        const std::size_t index = takePlain ? plain : *other++;
        if (takePlain)
            plain = nextSame_[plain];
        if (nameEquals(index, name))
            return index;
    }
    return std::nullopt;
}

std::optional<std::size_t> TextList::walkAll(const std::string& name) const {
    for (std::size_t i = 0; i < lines_.size(); ++i)
        if (nameOf(lines_[i]) && nameEquals(i, name))
            return i;
    return std::nullopt;
}

bool TextList::nameEquals(std::size_t index, const std::string& name) const {
    const std::string lineName(*nameOf(lines_[index]));
    return system_->compareTextIgnoreCase(lineName, name) == sys::compareEqual;
}

void TextList::addToIndex(std::size_t index) {
    const std::optional<std::string_view> name = nameOf(lines_[index]);
    if (!name)
        return;
    if (!isPlain(*name)) {
        insertSorted(otherNames_, index);
        return;
    }
    const auto [entry, created] = plainNames_.try_emplace(asciiFold(*name), Chain{index, index});
    Chain& chain = entry->second;
    if (created)
        return;
    if (index > chain.last) {
        nextSame_[chain.last] = index;
        chain.last = index;
    } else if (index < chain.first) {
        nextSame_[index] = chain.first;
        chain.first = index;
    } else {
        std::size_t before = chain.first;
        while (nextSame_[before] < index)
            before = nextSame_[before];
        nextSame_[index] = nextSame_[before];
        nextSame_[before] = index;
    }
}

void TextList::removeFromIndex(std::size_t index) {
    const std::optional<std::string_view> name = nameOf(lines_[index]);
    if (!name)
        return;
    if (!isPlain(*name)) {
        eraseSorted(otherNames_, index);
        return;
    }
    const auto entry = plainNames_.find(asciiFold(*name));
    Chain& chain = entry->second;
    const std::size_t after = nextSame_[index];
    nextSame_[index] = npos;
    if (chain.first == index) {
        if (after == npos)
            plainNames_.erase(entry);
        else
            chain.first = after;
        return;
    }
    std::size_t before = chain.first;
    while (nextSame_[before] != index)
        before = nextSame_[before];
    nextSame_[before] = after;
    if (chain.last == index)
        chain.last = before;
}

} // namespace package
