#include "package/figure_format.h"

#include <gtest/gtest.h>

namespace {

TEST(FigureFormat, TwoDecimalsHalvesAwayFromZeroOnEighteenDigits) {
    struct Case {
        double value;
        const char* text;
    };
    const Case cases[] = {
        {0, "0.00"},         {0.125, "0.13"}, // exact half
        {0.124999, "0.12"},  {0.005, "0.01"}, // stored just above the half
        {1.005, "1.00"},                      // stored just below the half
        {2.675, "2.67"},     {0.004, "0.00"},
        {0.0009, "0.00"},    {1e-300, "0.00"},
        {0.999, "1.00"},     {99.995, "100.00"}, // stored just above: the carry runs through
        {1.5, "1.50"},       {20, "20.00"},
        {1234.5, "1234.50"}, // no thousands separator
        {2048, "2048.00"},   {1e20, "100000000000000000000.00"},
        {-1.5, "-1.50"},     {-0.001, "0.00"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(package::formatFigure(c.value, '.'), c.text) << c.value;
}

TEST(FigureFormat, EighteenDigitsCanReadAHairBelowTheHalfAsTheHalf) {
    // 1000.005 is stored as 1000.00499999999999545...; its eighteen digits are
    // 1000.00500000000000, which rounds up. 1.005 is stored further below.
    EXPECT_EQ(package::formatFigure(1000.005, '.'), "1000.01");
    EXPECT_EQ(package::formatFigure(1.005, '.'), "1.00");
}

TEST(FigureFormat, UsesTheGivenDecimalSeparator) {
    EXPECT_EQ(package::formatFigure(1.5, ','), "1,50");
}

TEST(FigureFormat, TextsOfTheSelectionPage) {
    EXPECT_EQ(package::selectedCountText(12), "已选择字体款数：12");
    EXPECT_EQ(package::selectedCountText(0), "已选择字体款数：0");
    EXPECT_EQ(package::freeSpaceText(20.0, '.'), "可用硬盘空间：20.00 GB");
    EXPECT_EQ(package::requiredSpaceText(1572864.0, ','), "需要硬盘空间：1,50 MB");
}

} // namespace
