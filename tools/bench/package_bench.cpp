// How the start-up scan and the check-box recount grow with the package:
// 100, 1,000 and 10,000 fonts (three catalogue lines and one font file each),
// against the in-memory machine. The walks from the first line that the
// lookups must answer like are timed beside them at 1,000 fonts.
#include "imaging/bmp.h"
#include "package/font_scan.h"
#include "package/package_paths.h"
#include "package/selection_recount.h"
#include "tests/unit/support/fake_grid.h"
#include "tests/unit/support/fake_system.h"
#include "tests/unit/support/test_bmp.h"

#include <benchmark/benchmark.h>

#include <optional>

namespace {

const std::string appDir = "C:\\Setup\\";

// Catalogue entry n names "Font n.ttf"; the file names sort differently from
// the catalogue order, as real ones do.
void buildPackage(fake::FakeSystem& system, int fonts) {
    std::string ini = "[fonts]\r\n";
    const std::vector<std::uint8_t> preview = fake::makeBmp(4, 2);
    for (int n = 0; n < fonts; ++n) {
        const std::string i = std::to_string(n);
        ini += "font" + i + "title=Font " + i + "\r\nfont" + i + "file=Font " + i + ".ttf\r\nfont" +
               i + "image=p" + i + ".bmp\r\n";
        system.addFileOfSize(package::packageFolder(appDir) + "Font " + i + ".ttf", 64);
        system.addFile(package::packageFolder(appDir) + "p" + i + ".bmp", preview);
    }
    system.addFile(package::catalogueFile(appDir), ini);
}

void scan(fake::FakeSystem& system) {
    package::TextList catalogue(system), selection(system);
    fake::FakeGrid grid;
    grid.logCalls = false;
    package::PreviewKeeper previews;
    package::loadCatalogue(catalogue, appDir);
    const package::FontFileList list = package::listPackageFonts(system, appDir);
    package::sizeFontGrid(grid, list.fontFileCount);
    package::fillFontRows(list.names, catalogue, selection, appDir, system, grid, previews);
    benchmark::DoNotOptimize(selection.count());
}

void StartupScan(benchmark::State& state) {
    fake::FakeSystem system;
    buildPackage(system, static_cast<int>(state.range(0)));
    system.logCalls = false;
    for (auto _ : state)
        scan(system);
    state.SetComplexityN(state.range(0));
}
BENCHMARK(StartupScan)
    ->Arg(100)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();

void Recount(benchmark::State& state) {
    const int fonts = static_cast<int>(state.range(0));
    fake::FakeSystem system;
    fake::FakeGrid grid;
    grid.logCalls = false;
    package::TextList selection(system);
    grid.rows = fonts + 1;
    for (int n = 0; n < fonts; ++n) {
        grid.addCheckBox(0, n + 1, n % 3 != 0, false);
        selection.append(std::to_string(n) + "=1");
    }
    for (auto _ : state) {
        grid.cells[{0, 1}].checked = !grid.cells[{0, 1}].checked;
        benchmark::DoNotOptimize(package::recountSelection(grid, selection));
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(Recount)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Complexity();

// --- the walks, for comparison -----------------------------------------------

// Every lookup and every write walks the lines from the first.
class WalkingList {
  public:
    explicit WalkingList(sys::System& system) : system_(system) {}
    std::vector<std::string> lines;

    std::optional<std::size_t> find(const std::string& key) const {
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const std::size_t equals = lines[i].find('=');
            if (equals != std::string::npos &&
                system_.compareTextIgnoreCase(lines[i].substr(0, equals), key) == sys::compareEqual)
                return i;
        }
        return std::nullopt;
    }
    std::string value(const std::string& key) const {
        const auto i = find(key);
        return i ? lines[*i].substr(lines[*i].find('=') + 1) : std::string();
    }
    void setValue(const std::string& key, const std::string& value) {
        const auto i = find(key);
        if (i)
            lines[*i] = key + "=" + value;
        else
            lines.push_back(key + "=" + value);
    }

  private:
    sys::System& system_;
};

void WalkingScan(benchmark::State& state) {
    fake::FakeSystem system;
    buildPackage(system, static_cast<int>(state.range(0)));
    system.logCalls = false;
    for (auto _ : state) {
        package::TextList loaded(system);
        package::loadCatalogue(loaded, appDir);
        WalkingList catalogue(system), selection(system);
        catalogue.lines = loaded.lines();
        fake::FakeGrid grid;
        grid.logCalls = false;
        package::PreviewKeeper previews;
        const package::FontFileList list = package::listPackageFonts(system, appDir);
        package::sizeFontGrid(grid, list.fontFileCount);
        for (const std::string& name : list.names) {
            for (int n = 0; !catalogue.value(package::titleKey(n)).empty(); ++n) {
                if (catalogue.value(package::fileKey(n)) != name)
                    continue;
                selection.lines.push_back(std::to_string(n) + "=1");
                grid.addCheckBox(0, n + 1, true, false);
                grid.setCell(1, n + 1, std::to_string(n + 1));
                grid.setCell(2, n + 1, catalogue.value(package::titleKey(n)));
                const auto bytes = system.readWholeFile(package::packageFolder(appDir) +
                                                        catalogue.value(package::imageKey(n)));
                previews.push_back(std::make_unique<imaging::Picture>(
                    imaging::decodeBmp(bytes.data(), bytes.size())));
                grid.addBitmap(3, n + 1, previews.back().get(), true, package::CellHAlign::Center,
                               package::CellVAlign::Center);
            }
        }
        benchmark::DoNotOptimize(selection.lines.size());
    }
}
BENCHMARK(WalkingScan)->Arg(1000)->Iterations(1)->Unit(benchmark::kMillisecond);

void WalkingRecount(benchmark::State& state) {
    const int fonts = static_cast<int>(state.range(0));
    fake::FakeSystem system;
    fake::FakeGrid grid;
    grid.logCalls = false;
    WalkingList selection(system);
    grid.rows = fonts + 1;
    for (int n = 0; n < fonts; ++n) {
        grid.addCheckBox(0, n + 1, n % 3 != 0, false);
        selection.lines.push_back(std::to_string(n) + "=1");
    }
    for (auto _ : state) {
        for (int row = 1; row < grid.rowCount(); ++row) {
            bool ticked = false;
            if (grid.getCheckBoxState(0, row, ticked))
                selection.setValue(std::to_string(row - 1), ticked ? "1" : "0");
        }
    }
}
BENCHMARK(WalkingRecount)->Arg(1000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
