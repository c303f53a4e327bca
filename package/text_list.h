#pragma once
// An ordered list of text lines answering name=value lookups: the catalogue
// read from fonts.ini and the user's font selection are both one of these.
//
// A line's name is its text before its first "="; nothing is trimmed. A
// lookup returns the value of the first line whose name equals the key under
// the user locale's case-blind comparison, or "" when none does.
//
// Lookups give exactly the answer of a walk from the first line, without its
// cost: names made only of ASCII letters and digits are indexed by their
// ASCII case fold, and the locale comparison confirms each candidate. Two
// such strings are never equal to the locale unless their folds are equal
// (it may see fewer of them as equal, as a Turkish "I" does, and the
// confirmation catches that), so the index never misses a line the walk would
// find. Every other name is compared by the locale, in line order, wherever
// it could come first.
#include "system/system.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace package {

// Splits text into lines at CR, LF or CR LF. LF CR is two breaks; a break at
// the very end adds no line; the text ends at its first NUL.
std::vector<std::string> splitLines(std::string_view text);

class TextList {
  public:
    explicit TextList(sys::System& system);

    // Replaces the lines with those of the file; raises EFOpenError when it
    // cannot be opened, and leaves the list as it was.
    void loadFromFile(const std::string& path);
    void setText(std::string_view text);

    std::size_t count() const { return lines_.size(); }
    const std::string& line(std::size_t index) const { return lines_[index]; }
    const std::vector<std::string>& lines() const { return lines_; }

    void append(std::string line);
    std::string value(const std::string& name) const;
    // Replaces the first line with that name by name=value in place, or
    // appends name=value when no line has the name.
    void setValue(const std::string& name, const std::string& value);

  private:
    std::optional<std::size_t> indexOfName(const std::string& name) const;
    std::optional<std::size_t> walkAll(const std::string& name) const;
    bool nameEquals(std::size_t index, const std::string& name) const;
    void addToIndex(std::size_t index);
    void removeFromIndex(std::size_t index);

    // Lines with the same folded plain name form a chain in line order.
    struct Chain {
        std::size_t first, last;
    };

    sys::System* system_;
    std::vector<std::string> lines_;
    // ASCII-folded plain name -> the chain of the lines with that name.
    std::unordered_map<std::string, Chain> plainNames_;
    // For each line, the next line of its chain; npos at the end of one.
    std::vector<std::size_t> nextSame_;
    // Positions of the named lines whose name is not plain, ascending.
    std::vector<std::size_t> otherNames_;
};

} // namespace package
