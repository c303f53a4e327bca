#pragma once
// A small well-formed package on disk, for check to find faults in once a
// test has broken it: three fonts, their previews, the catalogue and the
// licence.
#include "system/posix_system.h"
#include "tests/unit/fontpack/temp_folder.h"
#include "tests/unit/support/test_bmp.h"
#include "tools/fontpack/package_check.h"

#include <filesystem>

namespace testing_fontpack {

// Entries 0 to 2 name a.ttf, b.ttf and c.otf, whose sizes are 1, 2 and 3 MB
// split so the figure shows each of them.
inline const std::string goodCatalogue = "[fonts]\r\n"
                                         "font0title=Alpha\r\n"
                                         "font0file=a.ttf\r\n"
                                         "font0image=a.bmp\r\n"
                                         "font1title=Beta\r\n"
                                         "font1file=b.ttf\r\n"
                                         "font1image=b.bmp\r\n"
                                         "font2title=宋体\r\n"
                                         "font2file=c.otf\r\n"
                                         "font2image=c.bmp\r\n";

struct Package {
    TempFolder folder;

    Package() {
        folder.write("fonts.ini", goodCatalogue);
        folder.write("license.lic", "licence");
        folder.write("fonts/a.ttf", std::string(1 << 20, 'a'));
        folder.write("fonts/b.ttf", std::string(1 << 19, 'b'));
        folder.write("fonts/c.otf", std::string(1 << 18, 'c'));
        for (const char* preview : {"fonts/a.bmp", "fonts/b.bmp", "fonts/c.bmp"})
            folder.write(preview, fake::makeBmp(16, 8));
    }

    // Replaces the first occurrence of a catalogue text.
    void edit(const std::string& from, const std::string& to) {
        std::string text = folder.read("fonts.ini");
        text.replace(text.find(from), from.size(), to);
        folder.write("fonts.ini", text);
    }
    void remove(const std::string& relative) {
        std::filesystem::remove_all(folder.path() / relative);
    }
    void rename(const std::string& from, const std::string& to) {
        std::filesystem::rename(folder.path() / from, folder.path() / to);
    }

    fontpack::CheckReport check() const {
        sys::PosixSystem system(folder.str());
        return fontpack::checkPackage(system, "", "pkg");
    }
};

} // namespace testing_fontpack
