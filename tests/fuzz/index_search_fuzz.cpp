// The index loader and the candidate search on any index file.
//
// Input: one options byte, the typed code, NUL, the bytes of the index file.
// Options: bit 0 the Nom layout (fields of five), bit 1 the "Nom" button
// down (which reading table loads), bit 2 variants coloured. big5uni.idx and
// the reading tables are the hand-made ones of the tests.
//
// What must hold: an index offering nothing to type is named in a message;
// the eight-wide directory search agrees with the plain one; a code is found
// only under its own key; an index that loads without complaint finds every
// key it lists; the pages stay within their slots.
#include <algorithm>
#include <cstdint>
#include <string>

#include "engine/text.h"
#include "fuzz.h"
#include "ime/candidate_list.h"
#include "ime/candidate_search.h"
#include "doubles/answered_dialogs.h"
#include "doubles/memory_files.h"

namespace orvik::fuzz {
namespace {

const std::string kProgramDir = ORVIK_FIXTURES "/ime";
constexpr std::u16string_view kIndexName = u"telexhan.idx";

// Whether the load said anything, and whether it named the index.
std::pair<bool, bool> MessageBoxes(const std::vector<std::string>& calls) {
    bool any = false, named = false;
    for (const auto& call : calls) {
        if (call.rfind("MessageBox", 0) != 0) continue;
        any = true;
        named = named || call.find(U16ToUtf8(kIndexName)) != std::string::npos;
    }
    return {any, named};
}

// The candidate line of a code: only a code's own key finds it.
CandidateLine CheckSearch(const Module1& module, const std::u16string& code) {
    const std::u16string needle = u"!" + LCase(code) + u" ";
    ORVIK_FUZZ_CHECK(FindInLongText(module.DirectoryLine, needle) == Find(module.DirectoryLine, needle));
    const CandidateLine found = FindCandidateLine(module, code);
    const bool ignored = code.empty() || code.front() < 32;
    ORVIK_FUZZ_CHECK((found.kind == CandidateLine::Ignored) == ignored);
    if (found.kind == CandidateLine::Found)
        ORVIK_FUZZ_CHECK(Find(module.DirectoryLine, u"!" + code + u" ") > 0);
    return found;
}

// A directory line that passed the load's checks: every lower-case key it
// lists must lead to the candidate line its entry numbers.
void CheckEveryKeyFound(const Module1& module) {
    const std::u16string& line = module.DirectoryLine;
    for (std::size_t at = 1; at + 3 < line.size();) {
        const std::size_t space = line.find(u' ', at + 3);
        if (space == std::u16string::npos) return;
        const std::u16string key = line.substr(at + 3, space - at - 3);
        const int number = DecodeLineNumber(line.substr(at, 2));
        const bool first = Find(line, u"!" + key + u" ") == static_cast<int>(at + 3);
        const bool inSlots = number >= 0 && number < kIndexSlots;
        if (first && inSlots && !key.empty() && key == LCase(key) && key.front() >= 32) {
            const CandidateLine found = FindCandidateLine(module, key);
            ORVIK_FUZZ_CHECK(found.kind == CandidateLine::Found);
            ORVIK_FUZZ_CHECK(found.line == module.IndexLines[static_cast<std::size_t>(number)]);
        }
        at = space + 1;
    }
}

// The pages of a candidate line hold its fields (at most kCandSlots), ten a
// page, the last with the end mark; turning stays within them.
void CheckPages(const Module1& module, const std::u16string& line, Layout layout, bool highlight) {
    CandidateList list;
    list.Build(line, layout, highlight ? &module.VariantLine : nullptr);
    const auto width = static_cast<std::size_t>(FieldWidth(layout));
    const bool blank = line.find_first_not_of(u' ') == std::u16string::npos;
    const int fields = blank ? 0 : static_cast<int>(std::min<std::size_t>((line.size() + width - 1) / width, kCandSlots));
    ORVIK_FUZZ_CHECK(list.LastPageNumber() == fields / 10);
    int items = 0;
    for (int page = 0; page <= list.LastPageNumber(); ++page) {
        ORVIK_FUZZ_CHECK(list.ShownPageNumber() == page);
        const std::u16string& shown = list.ShownPage();
        for (int p = Find(shown, u"&#"); p > 0; p = Find(shown, u"&#", p + 1)) ++items;
        ORVIK_FUZZ_CHECK(list.Turn(1) == (page < list.LastPageNumber()));
    }
    const std::u16string& last = list.ShownPage();
    ORVIK_FUZZ_CHECK(items == fields && last.size() >= 6 && last.substr(last.size() - 6) == u" ! End");
    for (int page = list.LastPageNumber(); page > 0; --page) ORVIK_FUZZ_CHECK(list.Turn(-1));
    ORVIK_FUZZ_CHECK(!list.Turn(-1) && list.ShownPageNumber() == 0);
}

}  // namespace
}  // namespace orvik::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvik;
    if (size == 0) return 0;
    const unsigned options = data[0];
    const auto parts = fuzz::SplitInput(fuzz::AsText(data + 1, size - 1), '\0', 2);
    const Layout layout = options & 1 ? Layout::Nom : Layout::Han;

    // One module for every run, as the program has: a load replaces all the
    // module's index state, and a fresh module's 9001 slots would cost more
    // than the load.
    static std::vector<std::string> calls;
    static MemoryFiles files(calls, fuzz::kProgramDir);
    static AnsweredDialogs dialogs(calls);
    static Module1 module(files, dialogs);
    calls.clear();
    files.SetFile(fuzz::kProgramDir + "/" + U16ToUtf8(fuzz::kIndexName), std::string(parts[1]));
    module.LoadModeIndex(fuzz::kIndexName, (options & 2) != 0, layout);
    const auto [complained, indexNamed] = fuzz::MessageBoxes(calls);
    ORVIK_FUZZ_CHECK(module.IndexLines.size() == static_cast<std::size_t>(kIndexSlots));
    ORVIK_FUZZ_CHECK(module.DirectoryLine.empty() ? indexNamed : module.DirectoryLine.front() == u'!');

    const std::u16string code = FromBytes(parts[0]);
    const CandidateLine found = fuzz::CheckSearch(module, code);
    if (!complained) fuzz::CheckEveryKeyFound(module);
    fuzz::CheckPages(module, found.kind == CandidateLine::Found ? found.line : module.IndexLines[0], layout,
                     (options & 4) != 0);
    return 0;
}
