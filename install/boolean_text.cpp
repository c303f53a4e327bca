#include "install/boolean_text.h"

#include "system/errors.h"

#include <optional>

namespace install {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Reads [blanks] [sign] digits [separator digits] [e [sign] digits] [blanks],
// with at least one digit before the exponent; answers whether the mantissa
// is anything but zero, or nothing when the text is not such a number.
std::optional<bool> readNumberIsNonZero(const std::string& text, char separator) {
    std::size_t pos = 0;
    const auto skipBlanks = [&] {
        while (pos < text.size() && text[pos] == ' ')
            ++pos;
    };
    const auto skipSign = [&] {
        if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
            ++pos;
    };
    int digits = 0;
    bool nonZero = false;
    const auto readDigits = [&] {
        for (; pos < text.size() && isDigit(text[pos]); ++pos, ++digits)
            nonZero = nonZero || text[pos] != '0';
    };
    skipBlanks();
    skipSign();
    readDigits();
    if (pos < text.size() && text[pos] == separator) {
        ++pos;
        readDigits();
    }
    if (digits == 0)
        return std::nullopt;
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        ++pos;
        skipSign();
        const int mantissaDigits = digits;
        const bool mantissaNonZero = nonZero;
        readDigits();
        if (digits == mantissaDigits)
            return std::nullopt;
        nonZero = mantissaNonZero;
    }
    skipBlanks();
    if (pos != text.size())
        return std::nullopt;
    return nonZero;
}

bool equalsIgnoringAsciiCase(const std::string& a, const char* b) {
    std::size_t i = 0;
    for (; i < a.size() && b[i]; ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return i == a.size() && !b[i];
}

} // namespace

bool textToBoolean(const std::string& text, char decimalSeparator) {
    if (const std::optional<bool> number = readNumberIsNonZero(text, decimalSeparator))
        return *number;
    if (equalsIgnoringAsciiCase(text, "true"))
        return true;
    if (equalsIgnoringAsciiCase(text, "false"))
        return false;
    throw EConvertError("'" + text + "' is not a valid boolean value");
}

} // namespace install
