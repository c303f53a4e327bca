#include "package/figure_format.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>

namespace package {
namespace {

constexpr int significantDigits = 18;

// The value's decimal digits, rounded to 18 significant ones, and the power
// of ten of the first of them: value = 0.d1d2...d18 * 10^(exponent + 1).
struct Decimal {
    std::string digits;
    int exponent = 0;
    bool negative = false;
};

Decimal decimalExpansion(double value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                      std::chars_format::scientific, significantDigits - 1);
    const std::string text(buffer, result.ptr);
    Decimal decimal;
    std::size_t pos = 0;
    if (text[pos] == '-') {
        decimal.negative = true;
        ++pos;
    }
    const std::size_t e = text.find('e');
    for (; pos < e; ++pos)
        if (text[pos] != '.')
            decimal.digits += text[pos];
    decimal.exponent = std::atoi(text.c_str() + e + 1);
    return decimal;
}

// Adds one unit in the last place of a string of decimal digits; a carry out
// of the first digit grows the string.
void incrementDigits(std::string& digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

// The digits of the magnitude times 100, rounded at the first digit dropped.
std::string roundToHundredths(const Decimal& decimal) {
    const int keep = decimal.exponent + 3;
    if (keep < 0)
        return std::string();
    const auto kept = static_cast<std::size_t>(keep);
    std::string digits = decimal.digits.substr(0, kept);
    digits.resize(kept, '0');
    if (kept < decimal.digits.size() && decimal.digits[kept] >= '5')
        incrementDigits(digits);
    return digits;
}

} // namespace

std::string formatFigure(double value, char decimalSeparator) {
    const Decimal decimal = decimalExpansion(value);
    std::string hundredths = roundToHundredths(decimal);
    if (hundredths.size() < 3)
        hundredths.insert(0, 3 - hundredths.size(), '0');
    const std::size_t whole = hundredths.size() - 2;
    const std::size_t first = std::min(hundredths.find_first_not_of('0'), whole - 1);
    const std::string text =
        hundredths.substr(first, whole - first) + decimalSeparator + hundredths.substr(whole);
    const bool isZero = hundredths.find_first_not_of('0') == std::string::npos;
    return decimal.negative && !isZero ? "-" + text : text;
}

std::string selectedCountText(int count) {
    return "已选择字体款数：" + std::to_string(count);
}

std::string freeSpaceText(double gigabytes, char decimalSeparator) {
    return "可用硬盘空间：" + formatFigure(gigabytes, decimalSeparator) + " GB";
}

std::string requiredSpaceText(double bytes, char decimalSeparator) {
    return "需要硬盘空间：" + formatFigure(bytes / 1024 / 1024, decimalSeparator) + " MB";
}

} // namespace package
