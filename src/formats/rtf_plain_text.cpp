#include "formats/rtf_plain_text.h"

#include <optional>
#include <vector>

#include "formats/rtf_control.h"

namespace orvik {

namespace {

// The value of a digit the control reader took as hexadecimal.
int HexDigit(char16_t c) {
    if (c >= u'0' && c <= u'9') return c - u'0';
    if (c >= u'a' && c <= u'f') return c - u'a' + 10;
    return c - u'A' + 10;
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
        if (c == u'\\') return Control(at_ - 1);
        if (c == u'\r' || c == u'\n') return;
        Put(c);
    }

    void Control(std::size_t backslash) {
        if (at_ >= rtf_.size()) return;
        const char16_t c = rtf_[at_];
        const RtfControl control = ReadRtfControl(rtf_, backslash);
        at_ = control.end;
        if (!control.word.empty()) return Act(control.word, control.number);
        if (c == u'\'') return HexByte(backslash + 2);
        if (c == u'*') {
            Current().hidden = true;
            return;
        }
        if (c == u'\\' || c == u'{' || c == u'}') return Put(c);
        if (c == u'~') return PutControl(u'\u00A0');
    }

    void Act(std::u16string_view word, std::optional<long> number) {
        if (IsDestination(word)) {
            Current().hidden = true;
        } else if (word == u"u" && number) {
            PutControl(static_cast<char16_t>(*number < 0 ? *number + 65536 : *number));
            pendingSkip_ = Current().unicodeSkip;
        } else if (word == u"uc" && number) {
            Current().unicodeSkip = static_cast<int>(*number);
        } else if (word == u"par" || word == u"line") {
            PutControl(u'\n');
        } else if (word == u"tab") {
            PutControl(u'\t');
        }
    }

    // The digits from `digits` to where the escape ended.
    void HexByte(std::size_t digits) {
        int value = 0;
        for (std::size_t i = digits; i < at_; ++i) value = value * 16 + HexDigit(rtf_[i]);
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
