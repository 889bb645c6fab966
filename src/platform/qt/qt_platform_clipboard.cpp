// The clipboard through QClipboard: RTF as MIME "text/rtf" holding the 8-bit
// text's bytes (read back also from "text/richtext" and "application/rtf",
// which other programs use), plain text as text. RTF comes with its plain
// text beside it, so that applications that take no RTF paste the same
// characters; text set since the last clear takes that place.
//
// The RTF read is what the look-up and the transcription work on: the
// owner's RTF with its surrogate pairs joined (ORVIK_CLIPBOARD_RTF=literal
// keeps it as written), or the owner's plain text rendered as RTF. When a
// Ctrl+C the program sent copied nothing new, the X11 PRIMARY selection is
// read the same way, if it holds anything.
//
// Another program's selection is read at most kClipboardReadLimit bytes and
// within 600 ms: on X11 through a connection of the reader's own
// (x11_selection.h), on Wayland through wl-paste (wayland_selection.h). A
// cut read is said (ClipboardTextCut), so that the transcription refuses it
// as too large within that second.
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "engine/text.h"
#include "formats/clipboard_rtf.h"
#include "formats/rtf_plain_text.h"
#include "platform/qt/qt_platform.h"
#include "platform/qt/wayland_selection.h"
#include "platform/qt/x11_selection.h"

namespace orvik {

namespace {

constexpr const char* kRtfFormats[] = {"text/rtf", "text/richtext", "application/rtf"};
constexpr const char* kTextFormat = "text/plain";
// With the copy's wait before it, the user hears of a slow owner within a
// second of the key.
constexpr std::chrono::milliseconds kSelectionPatience{600};

std::u16string Utf16(const QString& text) {
    return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())};
}

bool JoinPairs() { return qEnvironmentVariable("ORVIK_CLIPBOARD_RTF") != QStringLiteral("literal"); }

// An RTF format listed but empty (the list may be older than the owner's
// content) counts as not offered.
std::u16string RtfOf(const QMimeData* data) {
    if (!data) return {};
    for (const char* mime : kRtfFormats) {
        if (!data->hasFormat(mime)) continue;
        const QByteArray bytes = data->data(mime);
        if (bytes.isEmpty()) continue;
        return OwnerRtf(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), JoinPairs());
    }
    return PlainTextOwnerRtf(Utf16(data->text()));
}

struct OwnerRead {
    std::u16string rtf;
    bool cut = false;
};

bool OnX11() { return QGuiApplication::platformName() == QStringLiteral("xcb"); }
bool OnWayland() { return QGuiApplication::platformName().startsWith(QStringLiteral("wayland")); }

// Another program's selection, bounded: its RTF, else its text.
SelectionRead ReadForeign(QClipboard::Mode mode) {
    std::vector<std::string> wanted(std::begin(kRtfFormats), std::end(kRtfFormats));
    for (const char* text : {"UTF8_STRING", "text/plain;charset=utf-8", "STRING"}) wanted.emplace_back(text);
    if (OnWayland()) {
        wanted.emplace_back("text/plain");
        const auto selection = mode == QClipboard::Selection ? WaylandSelection::kPrimary : WaylandSelection::kClipboard;
        return ReadWaylandSelection(selection, wanted, kClipboardReadLimit, kSelectionPatience);
    }
    const char* selection = mode == QClipboard::Selection ? "PRIMARY" : "CLIPBOARD";
    return ReadX11Selection(selection, wanted, kClipboardReadLimit, kSelectionPatience);
}

OwnerRead ForeignRtf(QClipboard::Mode mode) {
    const SelectionRead read = ReadForeign(mode);
    if (!read.ok) return {};
    const bool rtf = std::find(std::begin(kRtfFormats), std::end(kRtfFormats), read.target) != std::end(kRtfFormats);
    if (rtf) return {OwnerRtf(read.bytes, JoinPairs()), read.cut};
    const QString text = read.target == "STRING" ? QString::fromLatin1(read.bytes.data(), static_cast<qsizetype>(read.bytes.size()))
                                                 : QString::fromUtf8(read.bytes.data(), static_cast<qsizetype>(read.bytes.size()));
    return {PlainTextOwnerRtf(Utf16(text)), read.cut};
}

}  // namespace

// What the program puts on the clipboard waits behind a paste being
// fetched, as its keys do.
void QtPlatform::ClipboardClear() {
    paste_.Deliver([this] {
        clipboardFormats_.clear();
        clipboardTextSet_ = false;
        QGuiApplication::clipboard()->clear();
    });
}

// Each format set since the last clear stays beside the new one, as the
// formats of one clipboard content do.
void QtPlatform::ClipboardSetText(std::u16string_view text, std::int32_t format) {
    if (format != kClipboardRtf && format != kClipboardText) return;
    paste_.Deliver([this, text = std::u16string(text), format] { PutOnClipboard(text, format); });
}

void QtPlatform::PutOnClipboard(const std::u16string& text, std::int32_t format) {
    if (format == kClipboardRtf) {
        const std::string bytes = ToBytes(text);
        clipboardFormats_[kRtfFormats[0]] = QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
        if (!clipboardTextSet_) clipboardFormats_[kTextFormat] = QString::fromStdU16String(RtfPlainText(text)).toUtf8();
    } else {
        clipboardFormats_[kTextFormat] = QString::fromStdU16String(text).toUtf8();
        clipboardTextSet_ = true;
    }
    auto* data = new ServedMimeData(paste_);
    for (const auto& [mime, bytes] : clipboardFormats_) data->setData(QString::fromStdString(mime), bytes);
    QGuiApplication::clipboard()->setMimeData(data);
}

std::u16string QtPlatform::ClipboardGetText(std::int32_t format) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboardCut_ = false;
    if (format == kClipboardText) {
        const QMimeData* data = clipboard->mimeData();
        return data ? data->text().toStdU16String() : std::u16string();
    }
    if (format != kClipboardRtf) return {};
    if (copyWatch_.NothingCopied() && clipboard->supportsSelection()) {
        std::u16string selected = SelectionRtf(QClipboard::Selection);
        if (!selected.empty()) return selected;
    }
    return SelectionRtf(QClipboard::Clipboard);
}

// The program's own content is Qt's to give; another program's, on X11
// and Wayland, is read bounded.
std::u16string QtPlatform::SelectionRtf(QClipboard::Mode mode) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    const bool own = mode == QClipboard::Selection ? clipboard->ownsSelection() : clipboard->ownsClipboard();
    if (own || !(OnX11() || OnWayland())) return RtfOf(clipboard->mimeData(mode));
    OwnerRead read = ForeignRtf(mode);
    clipboardCut_ = read.cut;
    return std::move(read.rtf);
}

}  // namespace orvik
