#include "tools/fontpack/package_check.h"

#include "package/disk_space.h"
#include "package/font_scan.h"
#include "package/package_paths.h"
#include "system/directory_search.h"
#include "system/errors.h"
#include "tools/fontpack/package_lint.h"
#include "tools/fontpack/recording_grid.h"

namespace fontpack {
namespace {

void listFolder(PackageView& view) {
    const std::string folder = package::packageFolder(view.appDir);
    for (sys::DirectorySearch search(view.system, folder + "*.*"); search.found(); search.next()) {
        view.fontsFolderFound = true;
        if (!(search.entry().attributes & sys::attributeDirectory))
            view.folderFiles.push_back(search.entry().name);
    }
}

void loadCatalogue(PackageView& view, CheckReport& report) {
    try {
        package::loadCatalogue(view.catalogue, view.appDir);
        view.catalogueBytes = view.system.readWholeFile(package::catalogueFile(view.appDir));
        view.catalogueLoaded = true;
    } catch (const Exception& e) {
        report.stop = FillStop{"catalogue-unreadable", -1, "", e.what()};
    }
    while (!view.catalogue.value(package::titleKey(report.catalogueEntries)).empty())
        ++report.catalogueEntries;
}

// The entry whose row was being filled: each match appends its "N=1" first.
int lastMatchedEntry(const package::TextList& selection) {
    if (selection.count() == 0)
        return -1;
    const std::string& line = selection.line(selection.count() - 1);
    return std::stoi(line.substr(0, line.find('=')));
}

void stopAt(const char* reason, const Exception& e, const package::TextList& selection,
            const package::TextList& catalogue, CheckReport& report) {
    FillStop stop{reason, lastMatchedEntry(selection), "", e.what()};
    if (stop.entry >= 0)
        stop.file = catalogue.value(package::fileKey(stop.entry));
    report.stop = stop;
}

void recordRows(const RecordingGrid& grid, const package::TextList& catalogue,
                CheckReport& report) {
    for (const auto& [row, recorded] : grid.rows()) {
        ReportRow out;
        out.row = row;
        out.entry = row - 1;
        out.number = recorded.number;
        out.title = recorded.title;
        out.file = catalogue.value(package::fileKey(out.entry));
        out.preview = catalogue.value(package::imageKey(out.entry));
        out.previewShown = recorded.preview != nullptr;
        if (recorded.preview) {
            out.previewWidth = recorded.preview->width;
            out.previewHeight = recorded.preview->height;
        }
        report.rows.push_back(out);
    }
}

// The wizard's start-up scan, step by step, on a grid that records it.
void runScan(PackageView& view, CheckReport& report) {
    const package::FontFileList list = package::listPackageFonts(view.system, view.appDir);
    view.fontFiles = list.names;
    report.fontFiles = list.names;
    report.fontFileCount = list.fontFileCount;
    if (!view.catalogueLoaded)
        return;
    RecordingGrid grid;
    package::sizeFontGrid(grid, list.fontFileCount);
    package::TextList selection(view.system);
    package::PreviewKeeper previews;
    try {
        package::fillFontRows(list.names, view.catalogue, selection, view.appDir, view.system, grid,
                              previews);
        report.requiredSpace =
            package::requiredSpaceText(selection, view.catalogue, view.appDir, view.system);
    } catch (const EInvalidGridOperation& e) {
        stopAt("beyond-grid", e, selection, view.catalogue, report);
    } catch (const EInvalidGraphic& e) {
        stopAt("preview-not-bmp", e, selection, view.catalogue, report);
    } catch (const Exception& e) {
        stopAt("preview-unreadable", e, selection, view.catalogue, report);
    }
    recordRows(grid, view.catalogue, report);
    report.selection = selection.lines();
}

std::string stopWarning(const CheckReport& report) {
    const FillStop& stop = *report.stop;
    if (stop.reason == "catalogue-unreadable")
        return "fonts.ini cannot be read (" + stop.message + "): the wizard shows no fonts";
    const std::string entry = "entry " + std::to_string(stop.entry);
    std::string why;
    if (stop.reason == "beyond-grid")
        why = "its row " + std::to_string(stop.entry + 1) + " is beyond the grid's last row " +
              std::to_string(report.fontFileCount);
    else if (stop.reason == "preview-not-bmp")
        why = "its preview is not a BMP file";
    else
        why = "its preview cannot be read";
    return "the wizard stops filling the grid at " + entry + " (" + stop.file + "): " + why + " (" +
           stop.message +
           "); fonts not yet reached are not shown, and the required "
           "space is not shown";
}

} // namespace

int CheckReport::exitStatus() const {
    if (!readable)
        return 2;
    return warnings.empty() ? 0 : 1;
}

CheckReport checkPackage(sys::System& system, const std::string& appDir,
                         const std::string& displayName) {
    CheckReport report;
    report.package = displayName;
    report.readable = sys::DirectorySearch(system, appDir + "*.*").found();
    if (!report.readable)
        return report;
    PackageView view(system, appDir);
    loadCatalogue(view, report);
    listFolder(view);
    runScan(view, report);
    if (report.stop)
        report.warnings.push_back({"filling-stops", stopWarning(report)});
    lintCatalogueText(view, report.catalogueEntries, report.warnings);
    lintEntries(view, report.catalogueEntries, report.fontFileCount, report.warnings);
    lintFolder(view, report.catalogueEntries, report.warnings);
    return report;
}

} // namespace fontpack
