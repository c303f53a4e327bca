#include "install/boolean_text.h"

#include "system/errors.h"

#include <gtest/gtest.h>

namespace {

TEST(BooleanText, NumbersAndTheTwoWords) {
    struct Case {
        const char* text;
        char separator;
        bool value;
    };
    const Case cases[] = {
        {"1", '.', true},    {"0", '.', false},     {"-1", '.', true},     {"+0", '.', false},
        {"0.0", '.', false}, {"2.5", '.', true},    {".5", '.', true},     {"5.", '.', true},
        {"1e3", '.', true},  {"0E+9", '.', false},  {"00", '.', false},    {" 1 ", '.', true},
        {"2,5", ',', true},  {"0,0", ',', false},   {"True", '.', true},   {"TRUE", '.', true},
        {"tRuE", '.', true}, {"False", '.', false}, {"false", '.', false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(install::textToBoolean(c.text, c.separator), c.value) << c.text;
}

TEST(BooleanText, AnythingElseIsAConversionError) {
    for (const char* text :
         {"", "yes", "T", "1.5.2", "e5", "1e", "+", ".", "1,5", "True ", "0x1"}) {
        try {
            install::textToBoolean(text, '.');
            ADD_FAILURE() << "'" << text << "' was read";
        } catch (const EConvertError& e) {
            EXPECT_EQ(std::string(e.what()),
                      "'" + std::string(text) + "' is not a valid boolean value");
        }
    }
    EXPECT_THROW(install::textToBoolean("1.5", ','), EConvertError);
}

} // namespace
