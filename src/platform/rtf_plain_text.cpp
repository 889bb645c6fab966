#include "platform/rtf_plain_text.h"

#include <vector>

namespace orvik {

namespace {

bool IsLetter(char16_t c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }
bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

int HexDigit(char16_t c) {
    if (IsDigit(c)) return c - u'0';
    if (c >= u'a' && c <= u'f') return c - u'a' + 10;
    if (c >= u'A' && c <= u'F') return c - u'A' + 10;
    return -1;
}

// Groups whose words are no text of the document.
bool IsDestination(std::u16string_view word) {
    return word == u"fonttbl" || word == u"colortbl" || word == u"stylesheet" || word == u"info" ||
           word == u"pict" || word == u"header" || word == u"footer";
}

struct Group {
    bool hidden = false;
    int unicodeSkip = 1;  // replacement characters after a Unicode escape
};

class Reader {
public:
    explicit Reader(std::u16string_view rtf) : rtf_(rtf) {}

    std::u16string Text() {
        while (at_ < rtf_.size()) Step();
        return text_;
    }

private:
    void Step() {
        const char16_t c = rtf_[at_++];
        if (c == u'{') return groups_.push_back(Current());
        if (c == u'}') {
            if (groups_.size() > 1) groups_.pop_back();
            return;
        }
        if (c == u'\\') return Control();
        if (c == u'\r' || c == u'\n') return;
        Put(c);
    }

    void Control() {
        if (at_ >= rtf_.size()) return;
        const char16_t c = rtf_[at_];
        if (IsLetter(c)) return Word();
        ++at_;
        if (c == u'\'') return HexByte();
        if (c == u'*') {
            Current().hidden = true;
            return;
        }
        if (c == u'\\' || c == u'{' || c == u'}') return Put(c);
        if (c == u'~') return PutControl(u'\u00A0');
    }

    void Word() {
        const std::size_t start = at_;
        while (at_ < rtf_.size() && IsLetter(rtf_[at_])) ++at_;
        const std::u16string_view word = rtf_.substr(start, at_ - start);
        const bool negative = at_ < rtf_.size() && rtf_[at_] == u'-';
        if (negative) ++at_;
        long number = 0;
        bool hasNumber = false;
        while (at_ < rtf_.size() && IsDigit(rtf_[at_])) {
            if (number < 1'000'000) number = number * 10 + (rtf_[at_] - u'0');
            hasNumber = true;
            ++at_;
        }
        if (negative) number = -number;
        if (at_ < rtf_.size() && rtf_[at_] == u' ') ++at_;
        Act(word, hasNumber, number);
    }

    void Act(std::u16string_view word, bool hasNumber, long number) {
        if (IsDestination(word)) {
            Current().hidden = true;
        } else if (word == u"u" && hasNumber) {
            PutControl(static_cast<char16_t>(number < 0 ? number + 65536 : number));
            pendingSkip_ = Current().unicodeSkip;
        } else if (word == u"uc" && hasNumber) {
            Current().unicodeSkip = static_cast<int>(number);
        } else if (word == u"par" || word == u"line") {
            PutControl(u'\n');
        } else if (word == u"tab") {
            PutControl(u'\t');
        }
    }

    void HexByte() {
        int value = 0;
        for (int i = 0; i < 2 && at_ < rtf_.size() && HexDigit(rtf_[at_]) >= 0; ++i) value = value * 16 + HexDigit(rtf_[at_++]);
        Put(static_cast<char16_t>(value));
    }

    // A character of the text, unless it is a replacement after a Unicode
    // escape or lies inside a hidden group.
    void Put(char16_t c) {
        if (pendingSkip_ > 0) {
            --pendingSkip_;
            return;
        }
        if (!Current().hidden) text_ += c;
    }

    // What a control word gives, which no earlier escape's replacement count
    // swallows.
    void PutControl(char16_t c) {
        pendingSkip_ = 0;
        Put(c);
    }

    Group& Current() {
        if (groups_.empty()) groups_.emplace_back();
        return groups_.back();
    }

    std::u16string_view rtf_;
    std::size_t at_ = 0;
    std::vector<Group> groups_;
    int pendingSkip_ = 0;
    std::u16string text_;
};

}  // namespace

std::u16string RtfPlainText(std::u16string_view rtf) { return Reader(rtf).Text(); }

}  // namespace orvik
