// Tells whether a Ctrl+C the program synthesized put anything new on the
// clipboard. An application that ignores it (a terminal, where Ctrl+C
// interrupts, or any program reached with no key hook to deliver it) leaves
// the clipboard as it was; the selection the user made is then still in the
// X11 PRIMARY selection, which Linux look-up tools read instead.
//
// The watch counts the changes of the clipboard's owner. The Ctrl+C notes
// the count; the question after it first takes in the change notices that
// arrived meanwhile (a look-up waits for the copy inside one event, so none
// would have been handled yet) and compares.
#pragma once

#include <QObject>
#include <cstdint>
#include <optional>

namespace orvik {

class CopyWatch : public QObject {
public:
    CopyWatch();

    // A key the program synthesized: C pressed while Ctrl is held is a copy.
    void KeySent(std::uint8_t key, std::uint32_t flags);
    // Whether the clipboard's owner stayed the same since the last copy;
    // false when no copy was sent since the last question.
    bool NothingCopied();

private:
    bool ctrlDown_ = false;
    std::uint64_t changes_ = 0;
    std::optional<std::uint64_t> changesAtCopy_;
};

}  // namespace orvik
