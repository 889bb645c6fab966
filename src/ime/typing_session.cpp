#include "ime/typing_session.h"

#include "codes/desktop_codes.h"
#include "engine/telex.h"

namespace orvik {

namespace {

// Shape codes of CangJie Nom keep their letters where they were typed.
bool KeepsKeysInPlace(TypingMode mode) { return mode == TypingMode::CangJieNom; }

}  // namespace

void TypingSession::SetOutputCode(std::int16_t letterTable, bool unicode) {
    BuildLetterTables(tables_, letterTable);
    unicode_ = unicode;
}

Layout TypingSession::FieldLayout() const {
    return mode_ == TypingMode::TelexNom || mode_ == TypingMode::CangJieNom ? Layout::Nom : Layout::Han;
}

void TypingSession::GatherToneKeys() {
    if (Telex()) keys_ = UnplaceToneKeys(keys_);
}

void TypingSession::DropLastKey() {
    if (keys_.size() >= 2) keys_.pop_back();
    else keys_.clear();
}

void TypingSession::Clear() {
    keys_.clear();
    candidates_.Clear();
}

std::u16string TypingSession::Composed() const {
    return TelexToCode(tables_, PlaceToneKey(keys_, KeepsKeysInPlace(mode_)));
}

std::u16string TypingSession::ForOutput() const {
    return ComposeForOutput(tables_, keys_, unicode_, KeepsKeysInPlace(mode_));
}

// A code that finds nothing leaves no list behind: a digit must not pick a
// candidate of the code typed before.
CandidateLine::Kind TypingSession::FindCandidates(bool highlight) {
    const CandidateLine found = FindCandidateLine(module_, NormaliseTypedCode(keys_));
    if (found.kind == CandidateLine::Found) {
        ListCandidateLine(found.line, highlight);
    } else {
        candidates_.Clear();
        found_ = 0;
    }
    return found.kind;
}

std::u16string TypingSession::CandidateOfDigit(std::int16_t digitKey) const {
    return candidates_.FieldOnShownPage(PositionOfDigit(digitKey - kVk0));
}

void TypingSession::ListCandidateLine(std::u16string_view line, bool highlight) {
    const Layout layout = FieldLayout();
    const bool coloured = highlight && layout == Layout::Han;
    candidates_.Build(line, layout, coloured ? &module_.VariantLine : nullptr);
    found_ = orvik::FoundCount(line, layout);
}

}  // namespace orvik
