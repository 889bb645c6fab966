// One keystroke's candidate search on an index of 9,000 lines and a
// directory line of 9,000 entries: normalise the typed code, find it in the
// directory line, build the pages; then the same through the candidate
// window; then a PinYin keystroke on the generated data, its 101 candidates
// each checked against the real variant line.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <iostream>
#include <string>

#include "data_platform.h"
#include "engine/telex.h"
#include "engine/text.h"
#include "ime/candidate_search.h"
#include "ime/hvtnp.h"
#include "shell/application.h"
#include "platform/disk_files.h"

namespace orvik::bench {
namespace {

constexpr int kLines = 9000;

// A distinct lower-case key per line, of three to four letters.
std::u16string KeyOf(int line) {
    std::u16string key;
    for (int n = line + 26 * 26; n > 0; n /= 26) key += static_cast<char16_t>(u'a' + n % 26);
    return key;
}

// Files on the disk; the page file (written once typing pauses, never
// here) would go to a scratch directory.
std::string ScratchFolder() {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "orvik-search-bench";
    std::filesystem::create_directories(folder);
    return folder.string();
}

class DiskPlatform : public DataFolderDesktop {
public:
    DiskPlatform() : DataFolderDesktop(ScratchFolder()) {}
    ~DiskPlatform() override { std::filesystem::remove_all(CurrentDirectory()); }
    bool WriteFile(const std::string& path, std::string_view bytes) override { return WriteDiskFile(path, bytes); }
    std::int32_t MsgBox(std::u16string_view, std::int32_t, std::u16string_view) override { return kIdOk; }
};

// The variant line of the generated big5uni.idx, read once.
const VariantTable& RealVariants() {
    static const VariantTable variants = [] {
        DataPlatform platform;
        LookupLines lines;
        if (LoadBig5Lines(platform, lines) || lines.VariantLine.empty()) {
            std::cerr << "search_bench: no big5uni.idx in " << ORVIK_DATA_DIR << "; build the target orvik_data first\n";
            std::exit(1);
        }
        return lines.VariantLine;
    }();
    return variants;
}

void FillIndex(Module1& module) {
    module.DirectoryLine = u"!";
    for (int i = 0; i < kLines; ++i) {
        std::u16string line;
        for (int field = 0; field < 30; ++field) line += FromBytes(std::to_string(4000 + (i + field) % 6000));
        module.IndexLines[static_cast<std::size_t>(i)] = line;
        module.DirectoryLine += {static_cast<char16_t>(34 + i / 96), static_cast<char16_t>(34 + i % 96), u'!'};
        module.DirectoryLine += KeyOf(i) + u" ";
    }
    module.VariantLine = RealVariants();
}

void BM_KeystrokeSearch(benchmark::State& state) {
    DiskPlatform platform;
    Module1 module(platform, platform);
    FillIndex(module);
    // A key near the end of the directory line: the longest substring search.
    const std::u16string typed = UCase(KeyOf(kLines - 3));
    CandidateList list;
    for (auto _ : state) {
        const CandidateLine found = FindCandidateLine(module, NormaliseTypedCode(typed));
        list.Build(found.line, Layout::Han, &module.VariantLine);
        benchmark::DoNotOptimize(list.ShownPage().data());
    }
}

void BM_KeystrokeThroughTheWindow(benchmark::State& state) {
    DiskPlatform platform;
    Application app(platform);
    Module1& module = app.module();
    FillIndex(module);
    app.session().SetMode(TypingMode::CangJieHan);
    HVTNP& window = app.CandidateWindow();
    app.session().SetKeys(KeyOf(kLines - 3));
    for (auto _ : state) {
        window.Text1.Text = app.session().Keys();
        window.Text1_Change();
        benchmark::DoNotOptimize(app.session().Candidates().ShownPage().data());
    }
}

// "yi4", the PinYin syllable with the most candidates, typed into the
// candidate window: the search and the pages, coloured from the variant
// line.
void BM_PinYinKeystroke(benchmark::State& state) {
    DataPlatform platform;
    Application app(platform);
    app.MainWindow().PINYIN_Click(12);
    Module1& module = app.module();
    if (module.VariantLine.empty()) {
        std::cerr << "search_bench: no variant line in " << ORVIK_DATA_DIR << "; build the target orvik_data first\n";
        std::exit(1);
    }
    HVTNP& window = app.CandidateWindow();
    app.session().SetKeys(u"yi4");
    for (auto _ : state) {
        window.Text1.Text = app.session().Keys();
        window.Text1_Change();
        benchmark::DoNotOptimize(app.session().Candidates().ShownPage().data());
    }
    if (app.session().Candidates().Field(100).empty()) {
        std::cerr << "search_bench: yi4 did not find its 101 candidates\n";
        std::exit(1);
    }
}

BENCHMARK(BM_KeystrokeSearch)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly();
BENCHMARK(BM_KeystrokeThroughTheWindow)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly();
BENCHMARK(BM_PinYinKeystroke)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly();

}  // namespace
}  // namespace orvik::bench

BENCHMARK_MAIN();
