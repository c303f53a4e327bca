#include "tools/fontpack/report_format.h"

#include "tools/fontpack/output_text.h"

#include <cstdio>

namespace fontpack {
namespace {

std::string fields(std::initializer_list<std::string> values) {
    std::string line;
    for (const std::string& value : values)
        line += (line.empty() ? "" : "\t") + value;
    return line + "\n";
}

std::string previewText(const ReportRow& row) {
    if (!row.previewShown)
        return "none";
    return std::to_string(row.previewWidth) + "x" + std::to_string(row.previewHeight);
}

std::string statusText(const CheckReport& report) {
    if (!report.readable)
        return fields({"status", "unreadable"});
    if (report.warnings.empty())
        return fields({"status", "clean"});
    return fields({"status", "warnings", std::to_string(report.warnings.size())});
}

// A JSON string of code page 936 text.
std::string quote(const std::string& ansi) {
    std::string out = "\"";
    for (const char c : ansiToUtf8(ansi)) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", byte);
            out += escape;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

template <typename T, typename F> std::string array(const std::vector<T>& items, F each) {
    std::string out = "[";
    for (std::size_t i = 0; i < items.size(); ++i)
        out += (i ? ",\n    " : "\n    ") + each(items[i]);
    return out + (items.empty() ? "]" : "\n  ]");
}

std::string jsonRow(const ReportRow& row) {
    std::string out = "{\"row\": " + std::to_string(row.row) +
                      ", \"entry\": " + std::to_string(row.entry) +
                      ", \"number\": " + quote(row.number) + ", \"title\": " + quote(row.title) +
                      ", \"file\": " + quote(row.file) + ", \"preview\": " + quote(row.preview);
    if (row.previewShown)
        out += ", \"previewWidth\": " + std::to_string(row.previewWidth) +
               ", \"previewHeight\": " + std::to_string(row.previewHeight);
    return out + ", \"previewShown\": " + (row.previewShown ? "true" : "false") + "}";
}

std::string jsonStop(const CheckReport& report) {
    if (!report.stop)
        return "{\"complete\": true}";
    const FillStop& stop = *report.stop;
    return "{\"complete\": false, \"reason\": " + quote(stop.reason) +
           ", \"entry\": " + std::to_string(stop.entry) + ", \"file\": " + quote(stop.file) +
           ", \"message\": " + quote(stop.message) + "}";
}

} // namespace

std::string formatText(const CheckReport& report) {
    std::string out = fields({"package", report.package});
    if (!report.readable)
        return out + statusText(report);
    for (std::size_t i = 0; i < report.fontFiles.size(); ++i)
        out += fields({"font-file", std::to_string(i), report.fontFiles[i]});
    out += fields({"FontFileCount", std::to_string(report.fontFileCount)});
    out += fields({"catalogue-entries", std::to_string(report.catalogueEntries)});
    for (const ReportRow& row : report.rows)
        out += fields({"row", std::to_string(row.row), row.number, row.title, row.file, row.preview,
                       previewText(row)});
    if (report.stop)
        out += fields({"filling", "stops", report.stop->reason, std::to_string(report.stop->entry),
                       report.stop->file, report.stop->message});
    else
        out += fields({"filling", "complete"});
    for (const std::string& line : report.selection)
        out += fields({"FontSelection", line});
    out += fields({"required-space", report.requiredSpace.value_or("not-formed")});
    for (const Warning& warning : report.warnings)
        out += fields({"warning", warning.code, warning.message});
    return out + statusText(report);
}

std::string formatJson(const CheckReport& report) {
    std::string out = "{\n  \"package\": " + quote(report.package) +
                      ",\n  \"readable\": " + (report.readable ? "true" : "false");
    if (report.readable) {
        out += ",\n  \"fontFiles\": " + array(report.fontFiles, quote);
        out += ",\n  \"FontFileCount\": " + std::to_string(report.fontFileCount);
        out += ",\n  \"catalogueEntries\": " + std::to_string(report.catalogueEntries);
        out += ",\n  \"rows\": " + array(report.rows, jsonRow);
        out += ",\n  \"filling\": " + jsonStop(report);
        out += ",\n  \"FontSelection\": " + array(report.selection, quote);
        out += ",\n  \"requiredSpace\": " +
               (report.requiredSpace ? quote(*report.requiredSpace) : std::string("null"));
        out +=
            ",\n  \"warnings\": " + array(report.warnings, [](const Warning& w) {
                return "{\"code\": " + quote(w.code) + ", \"message\": " + quote(w.message) + "}";
            });
    }
    return out + ",\n  \"exitStatus\": " + std::to_string(report.exitStatus()) + "\n}\n";
}

} // namespace fontpack
