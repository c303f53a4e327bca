// The text list against a plain model of it: a vector of lines searched from
// the first one with the same locale comparison. The indexed lookups promise
// exactly the walk's answers, so any difference is a finding.
//
// Input: one byte choosing the locale, the list's text up to the first NUL,
// then NUL-separated operations:
//   'l' NAME            look NAME up
//   's' NAME \x01 VALUE set NAME to VALUE
//   'a' LINE            append LINE
//   'k' N               look up the name of line N with its ASCII case flipped
#include "package/text_list.h"
#include "tools/fuzz/fuzz_locale.h"

#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

class ModelList {
  public:
    explicit ModelList(sys::System& system) : system_(system) {}

    std::vector<std::string> lines;

    std::string value(const std::string& name) const {
        const std::optional<std::size_t> index = find(name);
        return index ? lines[*index].substr(lines[*index].find('=') + 1) : std::string();
    }

    void setValue(const std::string& name, const std::string& value) {
        const std::optional<std::size_t> index = find(name);
        if (index)
            lines[*index] = name + "=" + value;
        else
            lines.push_back(name + "=" + value);
    }

  private:
    std::optional<std::size_t> find(const std::string& name) const {
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const std::size_t equals = lines[i].find('=');
            if (equals != std::string::npos &&
                system_.compareTextIgnoreCase(lines[i].substr(0, equals), name) ==
                    sys::compareEqual)
                return i;
        }
        return std::nullopt;
    }

    sys::System& system_;
};

void require(bool condition) {
    if (!condition)
        std::abort();
}

std::string flipAsciiCase(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
        else if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

void checkSplit(std::string_view text) {
    const std::vector<std::string> lines = package::splitLines(text);
    std::size_t total = 0;
    for (const std::string& line : lines) {
        require(line.find_first_of(std::string_view("\r\n\0", 3)) == std::string::npos);
        total += line.size() + 1;
    }
    require(total <= text.size() + 1);
}

void runOperation(char code, const std::string& operand, package::TextList& list,
                  ModelList& model) {
    switch (code) {
    case 'l':
        require(list.value(operand) == model.value(operand));
        break;
    case 's': {
        const std::size_t split = operand.find('\x01');
        const std::string name = operand.substr(0, split);
        const std::string value = split == std::string::npos ? "" : operand.substr(split + 1);
        list.setValue(name, value);
        model.setValue(name, value);
        require(list.value(name) == model.value(name));
        break;
    }
    case 'a':
        list.append(operand);
        model.lines.push_back(operand);
        break;
    case 'k':
        if (!operand.empty() && !model.lines.empty()) {
            const std::string& line =
                model.lines[static_cast<unsigned char>(operand[0]) % model.lines.size()];
            const std::string name = flipAsciiCase(line.substr(0, line.find('=')));
            require(list.value(name) == model.value(name));
        }
        break;
    default:
        break;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    fuzz::LocaleSystem system;
    system.mode = static_cast<fuzz::LocaleMode>(data[0] % 3);
    const std::string_view input(reinterpret_cast<const char*>(data) + 1, size - 1);
    checkSplit(input);

    const std::size_t textEnd = std::min(input.find('\0'), input.size());
    package::TextList list(system);
    list.setText(input.substr(0, textEnd));
    ModelList model(system);
    model.lines = list.lines();

    std::size_t pos = textEnd + 1;
    while (pos < input.size()) {
        const std::size_t end = std::min(input.find('\0', pos), input.size());
        const std::string operation(input.substr(pos, end - pos));
        pos = end + 1;
        if (!operation.empty())
            runOperation(operation[0], operation.substr(1), list, model);
        require(list.lines() == model.lines);
    }
    for (const std::string& line : model.lines) {
        const std::string name = line.substr(0, line.find('='));
        require(list.value(name) == model.value(name));
    }
    return 0;
}
