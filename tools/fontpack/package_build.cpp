#include "tools/fontpack/package_build.h"

#include "package/font_scan.h"
#include "system/posix_system.h"
#include "tools/fontpack/bmp_writer.h"
#include "tools/fontpack/catalogue_keys.h"
#include "tools/fontpack/iconv_text.h"
#include "tools/fontpack/name_conversion.h"
#include "tools/fontpack/output_text.h"
#include "tools/fontpack/package_check.h"
#include "tools/fontpack/preview_render.h"
#include "tools/fontpack/report_format.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>

namespace fs = std::filesystem;

namespace fontpack {
namespace {

// The licence written when the font maker gives none: plain text in code
// page 936 (the source literal is converted by the compiler).
const char placeholderLicence[] = "字体许可协议（占位文本）\r\n"
                                  "\r\n"
                                  "本文件由字体打包工具自动生成，尚未写入正式的许可条款。\r\n"
                                  "发布本字体包之前，请用您自己的许可协议替换 license.lic。\r\n";

struct Font {
    fs::path source;
    std::string fileName;    // in the package, UTF-8 (Linux)
    std::string ansiName;    // the same, code page 936
    std::string previewName; // UTF-8
    std::string ansiPreview;
    std::string family; // code page 936
    std::string style;  // code page 936, may be empty
    std::string title;
};

std::vector<std::uint8_t> readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw BuildError("cannot read " + path.string());
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
}

void writeFile(const fs::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw BuildError("cannot write " + path.string());
}

bool isFontFile(const fs::directory_entry& entry) {
    const std::string extension = asciiLower(entry.path().extension().string());
    return entry.is_regular_file() && (extension == ".ttf" || extension == ".otf");
}

std::vector<fs::path> findFonts(const std::string& folder) {
    std::error_code error;
    fs::directory_iterator it(folder, error);
    if (error)
        throw BuildError("cannot read the folder " + folder + ": " + error.message());
    std::vector<fs::path> fonts;
    for (const fs::directory_entry& entry : it)
        if (isFontFile(entry))
            fonts.push_back(entry.path());
    if (fonts.empty())
        throw BuildError("no .ttf or .otf files in " + folder);
    std::sort(fonts.begin(), fonts.end());
    return fonts;
}

std::string toAnsiStrict(const std::string& utf8, const std::string& what) {
    std::string ansi;
    if (!convertStrict("CP936", "UTF-8", utf8, ansi))
        throw BuildError(what + " \"" + utf8 + "\" has characters that code page 936 cannot hold");
    return ansi;
}

// Windows folders ignore letter case, so two names that differ only in case
// would be one file there.
void claimName(std::set<std::string>& taken, const std::string& name) {
    if (!taken.insert(asciiLower(name)).second)
        throw BuildError("two files of the package would be named " + name +
                         " (Windows ignores letter case)");
}

void readNames(Font& font) {
    const std::vector<std::uint8_t> bytes = readFile(font.source);
    try {
        const auto name = chooseFamilyName(readNameRecords(bytes));
        if (!name)
            throw FontFileError("the font has no family name");
        font.family = nameToCodePage936(name->family);
        if (name->subfamily)
            font.style = nameToCodePage936(name->subfamily.value());
    } catch (const FontFileError& e) {
        throw BuildError(font.source.string() + ": " + e.what());
    }
    if (font.family.find_first_of("\r\n") != std::string::npos)
        throw BuildError(font.source.string() + ": the family name holds a line break");
}

Font prepareFont(const fs::path& source, std::set<std::string>& taken) {
    Font font;
    font.source = source;
    const std::string stem = source.stem().string();
    font.fileName = stem + asciiLower(source.extension().string());
    font.ansiName = toAnsiStrict(font.fileName, "the file name");
    claimName(taken, font.fileName);
    font.previewName = stem + ".bmp";
    if (taken.count(asciiLower(font.previewName)))
        font.previewName = stem + "-" + asciiLower(source.extension().string()).substr(1) + ".bmp";
    claimName(taken, font.previewName);
    font.ansiPreview = toAnsiStrict(font.previewName, "the preview name");
    readNames(font);
    return font;
}

// The styles a family's plain face goes by; it keeps the bare family name.
bool isPlainStyle(const std::string& style) {
    const std::string lower = asciiLower(style);
    return lower.empty() || lower == "regular" || lower == "book" || lower == "normal" ||
           lower == "roman" || lower == "standard";
}

// Each title names one registry value: fonts of one family are told apart by
// their style, and what is still alike by a number.
void chooseTitles(std::vector<Font>& fonts) {
    std::map<std::string, int> families;
    for (const Font& font : fonts)
        ++families[asciiLower(font.family)];
    std::map<std::string, int> used;
    for (Font& font : fonts) {
        font.title = font.family;
        if (families[asciiLower(font.family)] > 1 && !isPlainStyle(font.style))
            font.title += " " + font.style;
        const int seen = ++used[asciiLower(font.title)];
        if (seen > 1)
            font.title += " " + std::to_string(seen);
    }
}

void prepareOutput(const fs::path& out) {
    std::error_code error;
    fs::create_directories(out / "fonts", error);
    if (error)
        throw BuildError("cannot make " + (out / "fonts").string() + ": " + error.message());
    if (!fs::is_empty(out / "fonts"))
        throw BuildError((out / "fonts").string() +
                         " is not empty; give a new or empty package folder");
}

void copyFonts(const std::vector<Font>& fonts, const fs::path& out, std::ostream& log) {
    for (const Font& font : fonts) {
        std::error_code error;
        fs::copy_file(font.source, out / "fonts" / font.fileName, error);
        if (error)
            throw BuildError("cannot copy " + font.source.string() + ": " + error.message());
        Preview preview;
        try {
            preview = renderPreview(font.source.string());
        } catch (const FontFileError& e) {
            throw BuildError(font.source.string() + ": " + e.what());
        }
        const std::vector<std::uint8_t> bmp = encodeBmp24(preview.picture);
        writeFile(out / "fonts" / font.previewName, std::string(bmp.begin(), bmp.end()));
        log << "font " << font.fileName << ": \"" << forConsole(font.title) << "\", preview "
            << font.previewName << " (" << (preview.chinese ? "Chinese" : "Latin") << " sample, "
            << preview.pixelSize << " px)\n";
    }
}

// Numbers the entries in the order the wizard lists the files, so its rows
// fill from the top as the list is walked.
std::string catalogueText(const std::vector<Font>& fonts, const fs::path& out) {
    sys::PosixSystem system(out.string());
    const package::FontFileList list = package::listPackageFonts(system, "");
    std::map<std::string, const Font*> byName;
    for (const Font& font : fonts)
        byName[font.ansiName] = &font;
    std::string text;
    int n = 0;
    for (const std::string& name : list.names) {
        const auto found = byName.find(name);
        if (found == byName.end())
            throw BuildError("fonts/" + name + " was not made by this build");
        const std::string number = std::to_string(n++);
        text += "font" + number + "title=" + found->second->title + "\r\n";
        text += "font" + number + "file=" + found->second->ansiName + "\r\n";
        text += "font" + number + "image=" + found->second->ansiPreview + "\r\n";
    }
    return text;
}

void writeLicence(const BuildOptions& options, const fs::path& out, std::ostream& log) {
    if (options.licenseFile.empty()) {
        writeFile(out / "license.lic", placeholderLicence);
        log << "license.lic: a placeholder; replace it with your licence before shipping\n";
        return;
    }
    const std::vector<std::uint8_t> bytes = readFile(options.licenseFile);
    writeFile(out / "license.lic", std::string(bytes.begin(), bytes.end()));
    log << "license.lic: copied from " << options.licenseFile << "\n";
}

void copyWizard(const BuildOptions& options, const fs::path& out, std::ostream& log) {
    const fs::path exe(options.wizardExe);
    std::error_code error;
    if (!fs::is_regular_file(exe, error))
        throw BuildError("the wizard " + options.wizardExe +
                         " is not there; build it (make build) or name it with --wizard");
    fs::copy_file(exe, out / exe.filename(), fs::copy_options::overwrite_existing, error);
    if (error)
        throw BuildError("cannot copy the wizard: " + error.message());
    log << exe.filename().string() << ": copied from " << options.wizardExe << "\n";
}

} // namespace

int buildPackage(const BuildOptions& options, std::ostream& log) {
    const fs::path out(options.outDir);
    std::set<std::string> taken;
    std::vector<Font> fonts;
    for (const fs::path& source : findFonts(options.fontsDir))
        fonts.push_back(prepareFont(source, taken));
    chooseTitles(fonts);
    prepareOutput(out);
    copyFonts(fonts, out, log);
    writeFile(out / "fonts.ini", catalogueText(fonts, out));
    log << "fonts.ini: " << fonts.size() << " entries\n";
    writeLicence(options, out, log);
    copyWizard(options, out, log);
    sys::PosixSystem system(out.string());
    const CheckReport report = checkPackage(system, "", sys::toAnsiName(options.outDir));
    log << forConsole(formatText(report));
    return report.exitStatus();
}

} // namespace fontpack
