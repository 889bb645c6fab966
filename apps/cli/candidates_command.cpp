#include <ostream>

#include "command.h"
#include "console_platform.h"
#include "engine/text.h"
#include "ime/candidate_search.h"
#include "ime/send_texts.h"
#include "ime_request.h"

namespace orvik::cli {

namespace {

// One line per candidate: page and digit key, the character, its code point,
// "*" when it is coloured; then the end mark.
void PrintPages(const CandidateList& list, const Module1& module, bool nomLayout, std::ostream& out) {
    for (int i = 0; i < kCandSlots; ++i) {
        const std::u16string field = list.Field(i);
        if (field.empty()) break;
        const std::int32_t codePoint = FieldCodePoint(field);
        const bool marked = !nomLayout && ListedAsVariantKey(module.VariantLine, codePoint);
        out << "  " << i / 10 + 1 << '.' << (i + 1) % 10 << "  " << CharacterOf(codePoint) << "  "
            << CodePointName(codePoint) << (marked ? "  *" : "") << '\n';
    }
    out << "  ! End\n";
}

}  // namespace

int RunCandidates(const Args& args, Streams io) {
    ImeRequest request;
    if (const int status = ParseImeRequest(args, "candidates", request, io.err); status != 0) return status;
    if (!request.mode) return UsageError(io.err, "candidates needs --mode");
    if (const int status = CheckDataDirectory(request.dataDirectory, io.err); status != 0) return status;
    ConsolePlatform platform(request.dataDirectory, io.err);
    Application app(platform);
    OrvikU& main = app.MainWindow();
    (main.*request.mode->action)(request.mode->number);
    HVTNP& window = app.CandidateWindow();
    for (const auto& word : request.words) {
        window.SetText1(u"");
        app.session().SetKeys(Utf8ToU16(word));
        window.ShowTypedCode();
        io.out << word << ":\n";
        const CandidateList& list = app.session().Candidates();
        if (list.Empty()) io.out << "  no candidates\n";
        else PrintPages(list, app.module(), app.session().FieldLayout() == Layout::Nom, io.out);
    }
    return 0;
}

}  // namespace orvik::cli
