#include "platform/qt/paste_order.h"

#include "codes/desktop_codes.h"
#include "platform/qt/clipboard_requests.h"

namespace orvik {

namespace {

// The application has the data once it asked for it; its insertion follows
// within a few milliseconds, well before a key forwarded through the
// input-method framework.
constexpr int kSettleMs = 30;
// An application that ignores the paste holds nothing up for long.
constexpr int kPatienceMs = 300;

}  // namespace

PasteOrder::PasteOrder() {
    settle_.setSingleShot(true);
    settle_.setInterval(kSettleMs);
    patience_.setSingleShot(true);
    patience_.setInterval(kPatienceMs);
    connect(&settle_, &QTimer::timeout, this, [this] { Resume(); });
    connect(&patience_, &QTimer::timeout, this, [this] {
        if (unfetched_) unfetched_();
        Resume();
    });
}

void PasteOrder::Deliver(std::function<void()> delivery) {
    if (waiting_) return held_.push_back(std::move(delivery));
    delivery();
}

void PasteOrder::KeySent(std::uint8_t key, std::uint32_t flags) {
    const bool up = (flags & kKeyEventKeyUp) != 0;
    if (key == kVkControl) {
        ctrlDown_ = !up;
        if (up && pasteChord_) {
            pasteChord_ = false;
            waiting_ = true;
            patience_.start();
        }
    } else if (key == kVkV && ctrlDown_ && !up) {
        pasteChord_ = true;
    }
}

// A clipboard watcher's fetch, or the program's own read, is not the paste.
void PasteOrder::Fetched() {
    if (requests_ != nullptr && !requests_->TakeFromFocus().value_or(false)) return;
    if (waiting_ && !settle_.isActive()) settle_.start();
}

// A delivery may be a paste again, which waits in its turn.
void PasteOrder::Resume() {
    settle_.stop();
    patience_.stop();
    waiting_ = false;
    while (!waiting_ && !held_.empty()) {
        auto delivery = std::move(held_.front());
        held_.pop_front();
        delivery();
    }
}

QVariant ServedMimeData::retrieveData(const QString& mimeType, QMetaType type) const {
    if (order_) order_->Fetched();
    return QMimeData::retrieveData(mimeType, type);
}

}  // namespace orvik
