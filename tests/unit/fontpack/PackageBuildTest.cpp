#include "tools/fontpack/package_build.h"

#include "imaging/bmp.h"
#include "tests/unit/fontpack/temp_folder.h"
#include "tools/fontpack/bmp_writer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

namespace {

namespace fs = std::filesystem;
using testing_fontpack::TempFolder;

const char* const debianFonts[][2] = {
    {"/usr/share/fonts/truetype/arphic-gbsn00lp/gbsn00lp.ttf", "gbsn00lp.ttf"},
    {"/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", "DejaVuSans.ttf"},
    {"/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf", "DejaVuSans-Bold.ttf"},
    {"/usr/share/fonts/opentype/urw-base35/C059-Roman.otf", "C059-Roman.otf"},
    {"/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf", "Liberation.TTF"},
};

struct Build {
    TempFolder fonts, out, tools;
    std::ostringstream log;
    fontpack::BuildOptions options;

    Build() {
        for (const auto& [source, name] : debianFonts)
            fs::copy_file(source, fonts.path() / name);
        tools.write("setup.exe", "MZ wizard");
        options = {fonts.str(), (out.path() / "pkg").string(), "",
                   (tools.path() / "setup.exe").string()};
    }
    int run() { return fontpack::buildPackage(options, log); }
    std::string read(const std::string& relative) const { return out.read("pkg/" + relative); }
};

// A font file holding nothing but a name table with one family name.
std::string fontWithFamily(const std::u16string& family) {
    std::string name;
    const auto u16 = [](std::string& to, std::uint32_t v) {
        to += static_cast<char>(v >> 8);
        to += static_cast<char>(v);
    };
    u16(name, 0);
    u16(name, 1);
    u16(name, 18);
    for (std::uint32_t v : {3u, 1u, 0x0409u, 1u, static_cast<std::uint32_t>(family.size() * 2), 0u})
        u16(name, v);
    for (char16_t c : family)
        u16(name, c);
    std::string font;
    for (std::uint32_t v : {1u, 0u, 1u, 16u, 0u, 0u})
        u16(font, v);
    font += "name";
    for (std::uint32_t v : {0u, 0u, 0u, 28u, 0u, static_cast<std::uint32_t>(name.size())})
        u16(font, v);
    return font + name;
}

TEST(PackageBuild, MakesACleanPackageFromDebianFonts) {
    Build build;
    ASSERT_EQ(build.run(), 0) << build.log.str();
    // Numbered in the wizard's own order: ".ttf" names sorted without case
    // (the hyphen passed over), then the ".otf" ones.
    EXPECT_EQ(build.read("fonts.ini"), "font0title=DejaVu Sans\r\n"
                                       "font0file=DejaVuSans.ttf\r\n"
                                       "font0image=DejaVuSans.bmp\r\n"
                                       "font1title=DejaVu Sans Bold\r\n"
                                       "font1file=DejaVuSans-Bold.ttf\r\n"
                                       "font1image=DejaVuSans-Bold.bmp\r\n"
                                       "font2title=文鼎ＰＬ简报宋\r\n"
                                       "font2file=gbsn00lp.ttf\r\n"
                                       "font2image=gbsn00lp.bmp\r\n"
                                       "font3title=Liberation Sans\r\n"
                                       "font3file=Liberation.ttf\r\n"
                                       "font3image=Liberation.bmp\r\n"
                                       "font4title=C059\r\n"
                                       "font4file=C059-Roman.otf\r\n"
                                       "font4image=C059-Roman.bmp\r\n");
    EXPECT_EQ(build.read("fonts/gbsn00lp.ttf").size(), fs::file_size(debianFonts[0][0]));
    EXPECT_EQ(build.read("setup.exe"), "MZ wizard");
    EXPECT_NE(build.read("license.lic").find("license.lic"), std::string::npos);
    EXPECT_NE(build.log.str().find("placeholder"), std::string::npos);
    EXPECT_NE(build.log.str().find("gbsn00lp.bmp (Chinese sample"), std::string::npos);
    EXPECT_NE(build.log.str().find("status\tclean"), std::string::npos);
    for (const char* preview : {"fonts/gbsn00lp.bmp", "fonts/C059-Roman.bmp"}) {
        const std::string bytes = build.read(preview);
        const imaging::Picture picture =
            imaging::decodeBmp(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
        EXPECT_EQ(picture.width, 160);
        EXPECT_EQ(picture.height, 24);
        const auto inked = std::count_if(picture.pixels.begin(), picture.pixels.end(),
                                         [](std::uint32_t p) { return (p & 0xFF) < 128; });
        EXPECT_GT(inked, 100) << preview << " shows its sample";
        EXPECT_EQ(picture.pixels[0], 0xFFFFFFFFu) << "white background";
    }
}

TEST(PackageBuild, CopiesTheLicenceItIsGiven) {
    Build build;
    build.tools.write("terms.lic", "{\\rtf1 terms}");
    build.options.licenseFile = (build.tools.path() / "terms.lic").string();
    ASSERT_EQ(build.run(), 0) << build.log.str();
    EXPECT_EQ(build.read("license.lic"), "{\\rtf1 terms}");
}

TEST(PackageBuild, RefusesWhatWouldMakeABrokenPackage) {
    const struct {
        const char* fault;
        std::function<void(Build&)> breakIt;
        const char* message;
    } cases[] = {
        {"no fonts", [](Build& b) { b.options.fontsDir = b.tools.str(); }, "no .ttf or .otf files"},
        {"used package folder", [](Build& b) { b.out.write("pkg/fonts/old.ttf", "x"); },
         "is not empty"},
        {"no wizard", [](Build& b) { b.options.wizardExe = b.tools.str() + "/none.exe"; },
         "--wizard"},
        {"name code page 936 cannot hold",
         [](Build& b) { b.fonts.write("thai.ttf", fontWithFamily(u"Thai \u0E01")); },
         "code page 936 cannot hold"},
        {"truncated font",
         [](Build& b) { b.fonts.write("cut.ttf", fontWithFamily(u"Cut").substr(0, 40)); },
         "cut.ttf: the font file is truncated"},
        {"names alike but for case",
         [](Build& b) { fs::copy_file(debianFonts[1][0], b.fonts.path() / "dejavusans.TTF"); },
         "Windows ignores letter case"},
    };
    for (const auto& c : cases) {
        Build build;
        c.breakIt(build);
        try {
            build.run();
            ADD_FAILURE() << c.fault << ": no error";
        } catch (const Exception& e) {
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos)
                << c.fault << ": " << e.what();
        }
    }
}

TEST(BmpWriter, WritesWhatTheWizardsDecoderReadsBack) {
    imaging::Picture picture;
    picture.width = 5; // rows padded to a multiple of four bytes
    picture.height = 3;
    for (std::uint32_t i = 0; i < 15; ++i)
        picture.pixels.push_back(0xFF000000u | i * 0x010305u);
    const std::vector<std::uint8_t> bmp = fontpack::encodeBmp24(picture);
    EXPECT_EQ(bmp.size(), 14u + 40u + 16u * 3u);
    const imaging::Picture back = imaging::decodeBmp(bmp.data(), bmp.size());
    EXPECT_EQ(back.width, 5);
    EXPECT_EQ(back.height, 3);
    EXPECT_EQ(back.pixels, picture.pixels);
}

} // namespace
