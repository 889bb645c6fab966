// The one typing session of the program: the keys of the word or code being
// typed, the input mode and output code that compose them, and the
// candidates the code finds. Both windows, the key hook and the command-line
// tool type through it, so a word ended in one window is gone from the
// other and no window can act on keys that are no longer there.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/letter_tables.h"
#include "ime/candidate_list.h"
#include "ime/candidate_search.h"
#include "ime/index_layout.h"
#include "ime/module1.h"

namespace orvik {

enum class TypingMode { TelexHan, TelexNom, CangJieHan, CangJieNom, PinYin };

class TypingSession {
public:
    // The session finds its candidates in the mode index and variant table
    // `module` holds.
    explicit TypingSession(const Module1& module) : module_(module) {}

    void SetMode(TypingMode mode) { mode_ = mode; }
    // The 8-bit letters the boxes show; with `unicode`, words go out in
    // Unicode composed from the same keys.
    void SetOutputCode(std::int16_t letterTable, bool unicode);
    const LetterTables& Tables() const { return tables_; }
    bool OutputsUnicode() const { return unicode_; }
    // Keys are composed into a reading only in the two Telex modes.
    bool Telex() const { return mode_ == TypingMode::TelexHan || mode_ == TypingMode::TelexNom; }
    bool PinYin() const { return mode_ == TypingMode::PinYin; }
    Layout FieldLayout() const;

    const std::u16string& Keys() const { return keys_; }
    bool Empty() const { return keys_.empty(); }
    void AddKey(char16_t key) { keys_.push_back(key); }
    // In the Telex modes a tone key typed inside the word moves back to
    // its end, so the word composes as if it had been typed last.
    void GatherToneKeys();
    // Drops the last key; a word of one key is dropped whole.
    void DropLastKey();
    // Ends the word: its keys and its candidates are gone.
    void Clear();
    // Puts `keys` in place of the typed ones: the keys as they were before
    // a key the application took after all, or the word list's key of the
    // typed word.
    void SetKeys(std::u16string keys) { keys_ = std::move(keys); }

    // The keys composed into the 8-bit letters the boxes show.
    std::u16string Composed() const;
    // What a box shows of the keys: composed in the Telex modes, as typed in
    // the others.
    std::u16string Shown() const { return Telex() ? Composed() : keys_; }
    // The word as it is sent: in Unicode or in the 8-bit letters.
    std::u16string ForOutput() const;

    // Looks the typed code up and lists its candidates, coloured variant
    // keys only in the candidate window (`highlight`) and only for Han.
    CandidateLine::Kind FindCandidates(bool highlight);
    // Lists the candidates of a candidate line, and shows its first page.
    void ListCandidateLine(std::u16string_view line, bool highlight);
    // How many candidates the line of the last search held.
    int FoundCount() const { return found_; }
    const CandidateList& Candidates() const { return candidates_; }
    bool TurnPage(int step) { return candidates_.Turn(step); }
    // The field a digit key (1 to 9, then 0) picks on the page shown; empty
    // where the page has none.
    std::u16string CandidateOfDigit(std::int16_t digitKey) const;
    void ClearCandidates() { candidates_.Clear(); }

private:
    const Module1& module_;
    TypingMode mode_ = TypingMode::TelexHan;
    LetterTables tables_;
    bool unicode_ = false;
    std::u16string keys_;
    CandidateList candidates_;
    int found_ = 0;
};

}  // namespace orvik
