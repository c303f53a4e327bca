#include "package/text_list.h"

#include "system/errors.h"
#include "tests/unit/support/fake_system.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using package::TextList;

std::string bytes(const char* text, std::size_t size) {
    return std::string(text, size);
}

TEST(SplitLines, BreaksAndEndsAsTheFileIsWritten) {
    struct Case {
        std::string text;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\nb", {"a", "b"}},
        {"a\rb\nc\r\nd", {"a", "b", "c", "d"}},
        {"a\n\rb", {"a", "", "b"}},
        {"a\r\n", {"a"}},
        {"a\n\n", {"a", ""}},
        {"\n", {""}},
        {"\r\r\n", {"", ""}},
        {bytes("a\nb\0c\nd", 7), {"a", "b"}},
        {bytes("\0a", 2), {}},
        {"\xEF\xBB\xBF"
         "k=v",
         {"\xEF\xBB\xBF"
          "k=v"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(package::splitLines(c.text), c.lines) << c.text;
}

class TextListTest : public testing::Test {
  protected:
    fake::FakeSystem system;
    TextList list{system};
};

TEST_F(TextListTest, LooksUpTheNameBeforeTheFirstEqualsWithoutTrimming) {
    list.setText("[fonts]\r\n"
                 "font0title=First\r\n"
                 "FONT1TITLE=Second\r\n"
                 "font2title=Two\r\n"
                 "font2title=Shadow\r\n"
                 "font3title = spaced\r\n"
                 "font4title= leading\r\n"
                 "font5file=a=b.ttf\r\n"
                 ";font6title=comment\r\n"
                 "=nameless\r\n"
                 "font7title=\r\n"
                 "\r\n"
                 "[more]\r\n"
                 "font0title=Later section\r\n");
    struct Case {
        std::string key, value;
    };
    const Case cases[] = {
        {"font0title", "First"},
        {"FONT0TITLE", "First"},
        {"font1title", "Second"},
        {"Font1Title", "Second"},
        {"font2title", "Two"},
        {"font3title", ""},
        {"font3title ", " spaced"},
        {"font4title", " leading"},
        {"font5file", "a=b.ttf"},
        {"font6title", ""},
        {";font6title", "comment"},
        {"", "nameless"},
        {"font7title", ""},
        {"[fonts]", ""},
        {"missing", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(list.value(c.key), c.value) << "key '" << c.key << "'";
}

TEST_F(TextListTest, ByteOrderMarkHidesTheFirstKey) {
    list.setText("\xEF\xBB\xBF"
                 "font0title=A\nfont1title=B\n");
    EXPECT_EQ(list.value("font0title"), "");
    EXPECT_EQ(list.value("font1title"), "B");
}

TEST_F(TextListTest, LoadsTheFileUpToItsFirstNul) {
    system.addFile("C:\\p\\fonts.ini", bytes("a=1\r\nb=2\0c=3\r\n", 14));
    list.loadFromFile("C:\\p\\fonts.ini");
    EXPECT_EQ(list.lines(), (std::vector<std::string>{"a=1", "b=2"}));
    EXPECT_EQ(list.value("c"), "");
}

TEST_F(TextListTest, MissingOrLockedFileRaisesAndKeepsTheLines) {
    list.setText("a=1");
    system.addFile("C:\\p\\locked.ini", "b=2");
    system.lockedFiles.insert("C:\\p\\locked.ini");
    system.addFolder("C:\\p\\folder.ini");
    for (const char* path : {"C:\\p\\missing.ini", "C:\\p\\locked.ini", "C:\\p\\folder.ini"}) {
        EXPECT_THROW(list.loadFromFile(path), EFOpenError) << path;
        EXPECT_EQ(list.lines(), std::vector<std::string>{"a=1"});
    }
}

TEST_F(TextListTest, SetValueReplacesTheFirstMatchInPlaceOrAppends) {
    list.setText("0=1\n1=1\nX=1\n1=1");
    list.setValue("1", "0");
    list.setValue("x", "0");
    list.setValue("2", "1");
    EXPECT_EQ(list.lines(), (std::vector<std::string>{"0=1", "1=0", "x=0", "1=1", "2=1"}));
    EXPECT_EQ(list.value("X"), "0");
    EXPECT_EQ(list.value("2"), "1");
}

// Locales that disagree with a plain ASCII fold, as real ones can: one that
// gives no weight to a control byte, one whose capital I is not the capital
// of i.
int ignoringControlBytes(const std::string& a, const std::string& b) {
    const auto strip = [](std::string s) {
        s.erase(std::remove(s.begin(), s.end(), '\x01'), s.end());
        return fake::fold(s);
    };
    const int order = strip(a).compare(strip(b));
    return order < 0   ? sys::compareLessThan
           : order > 0 ? sys::compareGreaterThan
                       : sys::compareEqual;
}

int turkishI(const std::string& a, const std::string& b) {
    const auto key = [](std::string s) {
        for (char& c : s)
            c = c == 'I' ? '\x80' : c;
        return fake::fold(s);
    };
    const int order = key(a).compare(key(b));
    return order < 0   ? sys::compareLessThan
           : order > 0 ? sys::compareGreaterThan
                       : sys::compareEqual;
}

TEST_F(TextListTest, LocaleDecidesBeyondTheAsciiFold) {
    system.locale = ignoringControlBytes;
    list.setText("font0\x01title=weightless\nfont0title=plain");
    EXPECT_EQ(list.value("font0title"), "weightless");

    system.locale = turkishI;
    list.setText("FONT0TITLE=capital\nfont0title=small");
    EXPECT_EQ(list.value("font0title"), "small");
}

// The first matching line of a walk from the top, as the index must answer.
std::optional<std::size_t> walk(const std::vector<std::string>& lines, const std::string& key,
                                sys::System& system) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::size_t equals = lines[i].find('=');
        if (equals != std::string::npos &&
            system.compareTextIgnoreCase(lines[i].substr(0, equals), key) == sys::compareEqual)
            return i;
    }
    return std::nullopt;
}

TEST_F(TextListTest, AnswersExactlyAsAWalkFromTheTopUnderEveryLocale) {
    const std::vector<std::string> pieces = {"a", "A", "b", "1", "I", "i", "\x01", " ", "="};
    std::mt19937 random(7);
    const auto text = [&](int maxPieces) {
        std::string s;
        for (int n = std::uniform_int_distribution<int>(0, maxPieces)(random); n > 0; --n)
            s += pieces[random() % pieces.size()];
        return s;
    };
    for (auto locale : {ignoringControlBytes, turkishI}) {
        system.locale = locale;
        for (int round = 0; round < 200; ++round) {
            std::vector<std::string> model;
            for (int n = 0; n < 12; ++n)
                model.push_back(text(4));
            list.setText("");
            for (const std::string& line : model)
                list.append(line);
            for (int step = 0; step < 20; ++step) {
                std::string key = text(3);
                key.erase(std::remove(key.begin(), key.end(), '='), key.end());
                const auto found = walk(model, key, system);
                const std::string expected =
                    found ? model[*found].substr(model[*found].find('=') + 1) : "";
                ASSERT_EQ(list.value(key), expected) << "key '" << key << "'";
                const std::string value = text(2);
                if (found)
                    model[*found] = key + "=" + value;
                else
                    model.push_back(key + "=" + value);
                list.setValue(key, value);
                ASSERT_EQ(list.lines(), model);
            }
        }
    }
}

} // namespace
