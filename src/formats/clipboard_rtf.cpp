#include "formats/clipboard_rtf.h"

#include <algorithm>
#include <charconv>
#include <iterator>
#include <optional>
#include <vector>

#include "engine/text.h"
#include "formats/rtf_control.h"

namespace orvik {

namespace {

// Fallback counts are byte counts of one character (at most four in any
// code page); a larger "\ucN" is taken as this, so no count makes the
// reading skip far ahead.
constexpr long kMostFallback = 8;

bool IsLineEnd(char16_t c) { return c == u'\r' || c == u'\n'; }

bool IsCountControl(const RtfControl& control) { return control.word == u"uc" && control.number.has_value(); }

long FallbackCount(const RtfControl& control) { return std::clamp(*control.number, 0L, kMostFallback); }

// The UTF-16 unit a "\u" escape stands for; negative numbers are the
// signed form of units above 32767.
std::optional<char16_t> UnitOf(const RtfControl& control) {
    if (control.word != u"u" || !control.number || *control.number < -32768 || *control.number > 65535)
        return std::nullopt;
    return static_cast<char16_t>(*control.number < 0 ? *control.number + 65536 : *control.number);
}

bool IsHighHalf(char16_t unit) { return unit >= 0xD800 && unit < 0xDC00; }
bool IsLowHalf(char16_t unit) { return unit >= 0xDC00 && unit < 0xE000; }

char32_t CodePointOf(char16_t high, char16_t low) {
    return 0x10000 + ((static_cast<char32_t>(high) - 0xD800) << 10) + (static_cast<char32_t>(low) - 0xDC00);
}

// Moves past `count` fallback characters after an escape: plain characters
// and controls count one each, line ends none; a group's brace ends them.
std::size_t SkipFallback(std::u16string_view rtf, std::size_t at, long count) {
    while (count > 0 && at < rtf.size()) {
        const char16_t c = rtf[at];
        if (IsLineEnd(c)) {
            ++at;
            continue;
        }
        if (c == u'{' || c == u'}') break;
        at = c == u'\\' ? ReadRtfControl(rtf, at).end : at + 1;
        --count;
    }
    return at;
}

// One escape of a number with as many "?" as the fallback count in effect
// (a space ends the number when there are none). Written in place: plain
// text renders one escape per character.
void AppendEscape(std::u16string& rtf, std::int64_t number, long fallbackCount) {
    char digits[24];
    const char* end = std::to_chars(std::begin(digits), std::end(digits), number).ptr;
    rtf += u"\\u";
    rtf.append(static_cast<const char*>(digits), end);
    if (fallbackCount == 0) rtf += u' ';
    else rtf.append(static_cast<std::size_t>(fallbackCount), u'?');
}

// Reads the RTF once, keeping the fallback count of each group. A pair's
// replacement also takes the "\ucN" words written just before its first
// half (LibreOffice writes "\uc0 " there and "\uc1 " between the halves),
// and restores the count the original leaves in effect after the pair, so
// the rest of the text reads as before.
class PairJoiner {
public:
    explicit PairJoiner(std::u16string_view rtf) : rtf_(rtf) {}

    std::u16string Joined() {
        while (at_ < rtf_.size()) Step();
        out_.append(rtf_.substr(copied_));
        return std::move(out_);
    }

private:
    void Step() {
        const char16_t c = rtf_[at_];
        if (IsLineEnd(c)) {
            ++at_;
            return;
        }
        if (c != u'\\') {
            if (c == u'{') counts_.push_back(Count());
            if (c == u'}' && counts_.size() > 1) counts_.pop_back();
            runStart_.reset();
            ++at_;
            return;
        }
        const RtfControl control = ReadRtfControl(rtf_, at_);
        if (IsCountControl(control)) {
            if (!runStart_) {
                runStart_ = at_;
                countBeforeRun_ = Count();
            }
            Count() = FallbackCount(control);
        } else {
            const auto unit = UnitOf(control);
            if (unit && IsHighHalf(*unit) && JoinPair(*unit, control.end)) return;
            runStart_.reset();
        }
        at_ = control.end;
    }

    // Replaces the pair whose first half ends at `afterHigh`; false when no
    // second half follows.
    bool JoinPair(char16_t high, std::size_t afterHigh) {
        long count = Count();
        std::size_t at = SkipFallback(rtf_, afterHigh, count);
        RtfControl next;
        for (;; at = next.end) {
            while (at < rtf_.size() && IsLineEnd(rtf_[at])) ++at;
            if (at >= rtf_.size() || rtf_[at] != u'\\') return false;
            next = ReadRtfControl(rtf_, at);
            if (!IsCountControl(next)) break;
            count = FallbackCount(next);
        }
        const auto low = UnitOf(next);
        if (!low || !IsLowHalf(*low)) return false;
        const std::size_t start = runStart_.value_or(at_);
        const long countBefore = runStart_ ? countBeforeRun_ : Count();
        out_.append(rtf_.substr(copied_, start - copied_));
        AppendEscape(out_, CodePointOf(high, *low), countBefore);
        if (count != countBefore) out_ += u"\\uc" + DecimalText(count) + u" ";
        Count() = count;
        copied_ = at_ = SkipFallback(rtf_, next.end, count);
        runStart_.reset();
        return true;
    }

    long& Count() {
        if (counts_.empty()) counts_.push_back(1);
        return counts_.back();
    }

    std::u16string_view rtf_;
    std::size_t at_ = 0;
    std::size_t copied_ = 0;  // the text before this is in out_
    std::vector<long> counts_;
    std::optional<std::size_t> runStart_;  // where the "\ucN" words just read began
    long countBeforeRun_ = 1;
    std::u16string out_;
};

void AppendRtfCharacter(std::u16string& rtf, std::u16string_view text, std::size_t& i) {
    const char16_t c = text[i];
    if (IsHighHalf(c) && i + 1 < text.size() && IsLowHalf(text[i + 1])) {
        AppendEscape(rtf, CodePointOf(c, text[++i]), 1);
    } else if (c > 127) {
        AppendEscape(rtf, static_cast<std::int16_t>(c), 1);
    } else if (c == u'\\' || c == u'{' || c == u'}') {
        rtf.append({u'\\', c});
    } else if (c == u'\t') {
        rtf += u"\\tab ";
    } else if (IsLineEnd(c)) {
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
        rtf += u"\\par ";
    } else {
        rtf += c;
    }
}

// The first `limit` units, a pair of halves never split.
std::u16string_view Cut(std::u16string_view text, std::size_t limit) {
    if (text.size() <= limit) return text;
    if (limit > 0 && IsHighHalf(text[limit - 1])) --limit;
    return text.substr(0, limit);
}

}  // namespace

std::u16string JoinSurrogateEscapes(std::u16string_view rtf) { return PairJoiner(rtf).Joined(); }

std::u16string PlainTextRtf(std::u16string_view text) {
    if (text.empty()) return {};
    std::u16string rtf = u"{\\rtf1 ";
    rtf.reserve(text.size() * 2);
    for (std::size_t i = 0; i < text.size(); ++i) AppendRtfCharacter(rtf, text, i);
    return rtf + u"}";
}

// Joining would shorten cut RTF, perhaps below the transcription's limit.
std::u16string OwnerRtf(std::string_view rtfBytes, bool joinPairs) {
    if (rtfBytes.size() > kClipboardReadLimit) return FromBytes(rtfBytes.substr(0, kClipboardReadLimit));
    const std::u16string rtf = FromBytes(rtfBytes);
    return joinPairs ? JoinSurrogateEscapes(rtf) : rtf;
}

std::u16string PlainTextOwnerRtf(std::u16string_view text) { return PlainTextRtf(Cut(text, kClipboardReadLimit)); }

}  // namespace orvik
