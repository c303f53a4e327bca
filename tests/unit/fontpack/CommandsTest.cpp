#include "tools/fontpack/commands.h"

#include "tests/unit/fontpack/check_fixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <iostream>
#include <sstream>

namespace {

using testing_fontpack::Package;
using testing_fontpack::TempFolder;

// What a command writes to standard output, and its exit status.
struct Outcome {
    int status;
    std::string out;
};

template <typename Command> Outcome capture(Command command, const std::vector<std::string>& args) {
    std::ostringstream out, err;
    std::streambuf* const oldOut = std::cout.rdbuf(out.rdbuf());
    std::streambuf* const oldErr = std::cerr.rdbuf(err.rdbuf());
    const int status = command(args);
    std::cout.rdbuf(oldOut);
    std::cerr.rdbuf(oldErr);
    return {status, out.str()};
}

TEST(Commands, CheckTakesTheFolderAndJsonInAnyOrder) {
    Package package;
    EXPECT_EQ(capture(fontpack::runCheck, {package.folder.str()}).status, 0);
    const Outcome json = capture(fontpack::runCheck, {package.folder.str(), "--json"});
    EXPECT_EQ(json.status, 0);
    EXPECT_EQ(json.out.rfind("{\n", 0), 0u) << json.out;
    // The text report goes to a Linux terminal in UTF-8.
    const Outcome text = capture(fontpack::runCheck, {package.folder.str()});
    EXPECT_NE(text.out.find(u8"row\t3\t3\t宋体\tc.otf"), std::string::npos) << text.out;
    package.remove("license.lic");
    EXPECT_EQ(capture(fontpack::runCheck, {"--json", package.folder.str()}).status, 1);
    EXPECT_EQ(capture(fontpack::runCheck, {package.folder.str() + "/none"}).status, 2);
    EXPECT_EQ(capture(fontpack::runCheck, {}).status, 2);
    EXPECT_EQ(capture(fontpack::runCheck, {"a", "b"}).status, 2);
}

TEST(Commands, BuildTakesTheLicenceAndTheWizardByName) {
    TempFolder fonts, tools, out;
    std::filesystem::copy_file("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
                               fonts.path() / "DejaVuSans.ttf");
    tools.write("terms.lic", "terms");
    tools.write("wizard.exe", "MZ");
    const std::string package = out.str() + "/pkg";
    const Outcome run =
        capture(fontpack::runBuild, {"--license", tools.str() + "/terms.lic", fonts.str(),
                                     "--wizard", tools.str() + "/wizard.exe", package});
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(out.read("pkg/license.lic"), "terms");
    EXPECT_EQ(out.read("pkg/wizard.exe"), "MZ");
    EXPECT_EQ(capture(fontpack::runBuild, {fonts.str()}).status, 2);
    EXPECT_EQ(capture(fontpack::runBuild, {fonts.str(), package, "--license"}).status, 2);
}

} // namespace
