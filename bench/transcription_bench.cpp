// The transcription of the largest selection it accepts: 192,000 characters
// of RTF as LibreOffice writes Han text ("\u" + code point + "\'3f", a
// paragraph mark now and then), on the generated data's big5uni.idx,
// phienam.txt and Tonaro.txt. Beside it, the reading taken literally: each
// escape found from the start of what is left, the rest of the text copied
// after it, and each character's Big5 code and reading searched along the
// whole line. Both give the same readings; that is checked before timing.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "data_platform.h"
#include "engine/text.h"
#include "lookup/code_tables.h"
#include "lookup/shared_lines.h"
#include "lookup/transcription.h"
#include "platform/disk_files.h"
#include "platform/headless_desktop.h"

namespace orvik::bench {
namespace {

struct Data {
    LookupLines lines;
    CorrectionPairs corrections;
};

const Data& LoadedData() {
    static const Data data = [] {
        DataPlatform platform;
        Data loaded;
        if (LoadBig5Lines(platform, loaded.lines) || LoadReadingLine(platform, loaded.lines, false)) {
            std::cerr << "no data files in " << ORVIK_DATA_DIR << "; build the target orvik_data first\n";
            std::exit(1);
        }
        loaded.corrections = LoadTonaroPairs(platform);
        return loaded;
    }();
    return data;
}

// The code points of Big5Line, in its order: the Han characters that have
// a reading.
std::vector<std::int32_t> HanCodePoints(std::u16string_view big5Line) {
    std::vector<std::int32_t> codes;
    for (int slash = Find(big5Line, u"/"); slash > 0 && slash + 5 < static_cast<int>(big5Line.size());
         slash = Find(big5Line, u"/", slash + 1))
        codes.push_back(static_cast<std::int32_t>(DecimalValue(Mid(big5Line, slash + 5, 5))));
    return codes;
}

// Han escapes in runs of 40 characters, each run a paragraph, cut to the
// limit exactly.
std::u16string LargestSelection(std::u16string_view big5Line) {
    const std::vector<std::int32_t> codes = HanCodePoints(big5Line);
    std::u16string rtf = u"{\\rtf1\\ansi\\deff0\\uc1 \\pard\\plain{\\dbch ";
    for (std::size_t i = 0; rtf.size() < kMaxTranscribedRtf; ++i) {
        rtf += u"\\u" + DecimalText(codes[(i * 37) % codes.size()]) + u"\\'3f";
        if (i % 40 == 39) rtf += u"}\\par \\pard\\plain{\\dbch ";
    }
    rtf.resize(kMaxTranscribedRtf - 1);
    return rtf + u"}";
}

const std::u16string& Selection() {
    static const std::u16string rtf = LargestSelection(LoadedData().lines.Big5Line);
    return rtf;
}

// The Unicode pass taken literally (the Big5 pass does not run on this
// text), then the same finishing steps.
std::u16string LiteralTranscribe(std::u16string_view clipboard, const LookupLines& lines,
                                 const CorrectionPairs& corrections) {
    static constexpr std::u16string_view kMarker = u" \\u65293 ?\\";
    std::u16string text = ReplaceAll(clipboard, u"\\line\\", kMarker);
    text = ReplaceAll(text, u"\\par\\", kMarker);
    text = ReplaceAll(text, u"\\par ", kMarker);
    for (std::u16string_view dropped : {u"\\u21476 ?\\plain", u"\\u25995 ?\\plain", u"\\u20047 ?\\plain",
                                        u"\\u30693 ?\\plain"})
        text = ReplaceAll(text, dropped, u"");
    std::u16string result;
    for (int p = Find(text, u"\\u"); p > 0; p = Find(text, u"\\u")) {
        const std::u16string num = Mid(text, p + 2, 6);
        text = Mid(text, p + 3);
        auto code = static_cast<std::int32_t>(std::lround(DecimalValue(num)));
        if (code < 0) code += 65536;
        std::u16string reading;
        if (code >= 256) {
            const std::u16string key = CodePointToBig5(lines.Big5Line, code).value_or(u"");
            if (!key.empty()) reading = FirstReading(lines.ReadingLine, key).value_or(key);
        }
        if (code == 12288) reading = u" ";
        if (code == 8220 || code == 8221) reading = u"\"";
        if (code == 65311) reading = u"?";
        if (code == 65312) reading = u",";
        result += u" " + ReplaceAll(LCase(reading), u"ff0d", u".");
    }
    result = LCase(result.substr(std::min(result.find_first_not_of(u' '), result.size())));
    result = ReplaceAll(ReplaceAll(result, u"- -", u"-"), u"  ", u" ");
    for (const auto& [from, to] : corrections) result = ReplaceAll(result, from, to);
    return ReplaceAll(result, u"-", u" \r\n");
}

void CheckSameReadings() {
    const Data& data = LoadedData();
    const std::u16string fast = Transcribe(Selection(), data.lines, false, data.corrections);
    if (fast != LiteralTranscribe(Selection(), data.lines, data.corrections)) {
        std::cerr << "the two transcriptions differ\n";
        std::exit(1);
    }
    std::cerr << "both transcriptions give the same " << fast.size() << " characters of readings\n";
}

void BM_Transcribe(benchmark::State& state) {
    const Data& data = LoadedData();
    for (auto _ : state) benchmark::DoNotOptimize(Transcribe(Selection(), data.lines, false, data.corrections));
    state.counters["rtf_chars"] = static_cast<double>(Selection().size());
}
BENCHMARK(BM_Transcribe)->Unit(benchmark::kMillisecond);

void BM_LiteralTranscribe(benchmark::State& state) {
    const Data& data = LoadedData();
    for (auto _ : state) benchmark::DoNotOptimize(LiteralTranscribe(Selection(), data.lines, data.corrections));
}
BENCHMARK(BM_LiteralTranscribe)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
}  // namespace orvik::bench

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    orvik::bench::CheckSameReadings();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
