#pragma once
// The checks behind the warnings of `fontpack check`, each group in its own
// file: the catalogue's text, its entries, and the package folder.
#include "tools/fontpack/check_report.h"
#include "tools/fontpack/package_view.h"

#include <vector>

namespace fontpack {

// Byte-order mark, NUL byte, blanks around "=", duplicate keys, and a
// catalogue that ends before its last entry.
void lintCatalogueText(const PackageView& view, int catalogueEntries,
                       std::vector<Warning>& warnings);

// Each entry the wizard reads: its title, file and preview, and entries
// sharing a file or a title.
void lintEntries(const PackageView& view, int catalogueEntries, int fontFileCount,
                 std::vector<Warning>& warnings);

// Font files no entry names, names the listing passes over for their
// extension's case, and a missing licence.
void lintFolder(const PackageView& view, int catalogueEntries, std::vector<Warning>& warnings);

} // namespace fontpack
