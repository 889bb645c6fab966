// The clipboard through QClipboard: RTF as MIME "text/rtf" holding the 8-bit
// text's bytes (read back also from "text/richtext" and "application/rtf",
// which other programs use), plain text as text.
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "engine/text.h"
#include "platform/qt/qt_platform.h"

namespace orvik {

namespace {

constexpr const char* kRtfFormats[] = {"text/rtf", "text/richtext", "application/rtf"};
constexpr const char* kTextFormat = "text/plain";

}  // namespace

void QtPlatform::ClipboardClear() {
    clipboardFormats_.clear();
    QGuiApplication::clipboard()->clear();
}

// Each format set since the last clear stays beside the new one, as the
// formats of one clipboard content do.
void QtPlatform::ClipboardSetText(std::u16string_view text, std::int32_t format) {
    if (format == kClipboardRtf) {
        const std::string bytes = ToBytes(text);
        clipboardFormats_[kRtfFormats[0]] = QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
    } else if (format == kClipboardText) {
        clipboardFormats_[kTextFormat] = QString::fromStdU16String(std::u16string(text)).toUtf8();
    } else {
        return;
    }
    auto* data = new QMimeData;
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
