// The clipboard through QClipboard: RTF as MIME "text/rtf" holding the 8-bit
// text's bytes (read back also from "text/richtext" and "application/rtf",
// which other programs use), plain text as text. RTF comes with its plain
// text beside it, so that applications that take no RTF paste the same
// characters; text set since the last clear takes that place.
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "engine/text.h"
#include "platform/rtf_plain_text.h"
#include "platform/qt/qt_platform.h"

namespace orvik {

namespace {

constexpr const char* kRtfFormats[] = {"text/rtf", "text/richtext", "application/rtf"};
constexpr const char* kTextFormat = "text/plain";

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
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data) return {};
    if (format == kClipboardText) return data->text().toStdU16String();
    if (format != kClipboardRtf) return {};
    for (const char* mime : kRtfFormats) {
        if (!data->hasFormat(mime)) continue;
        const QByteArray bytes = data->data(mime);
        return FromBytes(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    }
    return {};
}

}  // namespace orvik
