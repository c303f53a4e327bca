#pragma once
// The figures and texts of the selection page, as pure functions.
#include <string>

namespace package {

// Formats with "0.00": at least one digit before the separator, two after,
// no thousands separator, halves rounded away from zero on the value's
// 18-significant-digit decimal expansion (so 0.125 gives 0.13, while 1.005,
// stored just below, gives 1.00).
std::string formatFigure(double value, char decimalSeparator);

// "已选择字体款数：" and the count.
std::string selectedCountText(int count);
// "可用硬盘空间：" and the figure in GB.
std::string freeSpaceText(double gigabytes, char decimalSeparator);
// "需要硬盘空间：" and the figure in MB of the byte total.
std::string requiredSpaceText(double bytes, char decimalSeparator);

} // namespace package
