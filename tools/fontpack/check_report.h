#pragma once
// What `fontpack check` finds out about a package: what the wizard's own
// start-up code makes of it, and everything that makes the wizard show or
// install less than the catalogue promises. Every text is code page 936.
#include <optional>
#include <string>
#include <vector>

namespace fontpack {

// A grid row the start-up scan filled, as far as it got.
struct ReportRow {
    int row = 0;
    int entry = 0;
    std::string number;
    std::string title;
    std::string file;
    std::string preview; // the catalogue's image value
    bool previewShown = false;
    int previewWidth = 0;
    int previewHeight = 0;
};

// Where and why filling the rows ended early.
struct FillStop {
    std::string reason; // catalogue-unreadable, beyond-grid, preview-unreadable, preview-not-bmp
    int entry = -1;     // -1 when no entry was being filled
    std::string file;
    std::string message;
};

struct Warning {
    std::string code;
    std::string message;
};

struct CheckReport {
    std::string package; // the folder as the user named it
    bool readable = false;
    std::vector<std::string> fontFiles;
    int fontFileCount = 0;
    int catalogueEntries = 0; // entries before the first empty title
    std::vector<ReportRow> rows;
    std::optional<FillStop> stop;
    std::vector<std::string> selection;
    std::optional<std::string> requiredSpace; // not formed when filling stopped
    std::vector<Warning> warnings;

    // 0 when the wizard shows and installs every catalogued font, 1 with
    // warnings, 2 when the folder cannot be read.
    int exitStatus() const;
};

} // namespace fontpack
