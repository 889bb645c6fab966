// Keeps what the program sends to another application in order around a
// paste. On this desktop an application fetches the clipboard after it has
// seen Ctrl+V, by a request of its own, while a key forwarded next reaches it
// at once: the Shift+Space after a pasted character would land before it.
// So once a Ctrl+V has gone out, whatever the program sends next (keys,
// characters, a new clipboard content) waits until an application has
// fetched the clipboard and a moment more, or until patience runs out.
#pragma once

#include <QMimeData>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <cstdint>
#include <deque>
#include <functional>

namespace orvik {

class ClipboardRequests;

class PasteOrder : public QObject {
public:
    PasteOrder();

    // Runs `delivery` now, or after the paste being fetched.
    void Deliver(std::function<void()> delivery);
    // A key the program synthesized has gone out: Ctrl held, V pressed,
    // Ctrl released is a paste.
    void KeySent(std::uint8_t key, std::uint32_t flags);
    // From now on only the focused application's fetch is the paste.
    void JudgeFetchesBy(ClipboardRequests* requests) { requests_ = requests; }
    // An application fetched the clipboard's content.
    void Fetched();
    // Called when patience runs out before the paste was fetched: the
    // application may still fetch it, and then get what follows instead.
    void WhenUnfetched(std::function<void()> unfetched) { unfetched_ = std::move(unfetched); }
    bool Waiting() const { return waiting_; }

private:
    void Resume();

    bool ctrlDown_ = false;
    bool pasteChord_ = false;
    bool waiting_ = false;
    ClipboardRequests* requests_ = nullptr;
    std::deque<std::function<void()>> held_;
    std::function<void()> unfetched_;
    QTimer settle_;
    QTimer patience_;
};

// Clipboard content that tells `order` when an application fetches it.
class ServedMimeData : public QMimeData {
public:
    explicit ServedMimeData(PasteOrder& order) : order_(&order) {}

protected:
    QVariant retrieveData(const QString& mimeType, QMetaType type) const override;

private:
    QPointer<PasteOrder> order_;
};

}  // namespace orvik
