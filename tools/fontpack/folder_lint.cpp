#include "tools/fontpack/catalogue_keys.h"
#include "tools/fontpack/package_lint.h"

#include "package/package_paths.h"
#include "system/directory_search.h"

#include <set>

namespace fontpack {
namespace {

bool hasFontExtensionInOtherCase(const std::string& name) {
    const std::size_t dot = name.rfind('.');
    if (dot == std::string::npos)
        return false;
    const std::string extension = name.substr(dot);
    const std::string lower = asciiLower(extension);
    return (lower == ".ttf" || lower == ".otf") && extension != lower;
}

} // namespace

void lintFolder(const PackageView& view, int catalogueEntries, std::vector<Warning>& warnings) {
    if (!view.fontsFolderFound)
        warnings.push_back({"fonts-folder-missing", "the package has no fonts\\ folder"});
    for (const std::string& name : view.folderFiles)
        if (hasFontExtensionInOtherCase(name))
            warnings.push_back(
                {"upper-case-extension", "fonts\\" + name +
                                             ": the wizard lists only names ending exactly "
                                             "in \".ttf\" or \".otf\", in lower case"});
    std::set<std::string> named;
    for (int n = 0; n < catalogueEntries; ++n)
        named.insert(view.catalogue.value(package::fileKey(n)));
    for (const std::string& name : view.fontFiles)
        if (!named.count(name))
            warnings.push_back({"font-not-catalogued",
                                "fonts\\" + name +
                                    " is counted in FontFileCount, but no catalogue entry names "
                                    "it: it is never shown or installed"});
    if (!sys::fileExists(view.system, view.appDir + "license.lic"))
        warnings.push_back({"license-missing",
                            "license.lic is missing: the wizard's start-up ends before it reads "
                            "the catalogue, so it shows no fonts at all"});
}

} // namespace fontpack
