// The Qt platform's clipboard: the program's RTF with its plain text beside
// it, and what it reads of other programs' RTF and text for the look-up and
// the transcription.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "engine/text.h"
#include "formats/clipboard_rtf.h"
#include "lookup/transcription.h"
#include "platform/qt/qt_platform.h"

namespace orvik {
namespace {

// Applications that take no RTF paste its characters; a text set since the
// last clear takes their place, whichever came first.
TEST(ClipboardTest, RtfGoesOutAsItsBytesWithItsPlainTextBeside) {
    QtPlatform platform(".");
    const std::u16string rtf = u"{\\rtf1 \\u-24691\\'3f \xe0\xff}";
    platform.ClipboardClear();
    platform.ClipboardSetText(rtf, kClipboardRtf);
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    EXPECT_EQ(data->data("text/rtf"), QByteArray("{\\rtf1 \\u-24691\\'3f \xe0\xff}"));
    EXPECT_EQ(data->text(), QString::fromStdU16String(u"\u9F8D \u00E0\u00FF"));
    EXPECT_EQ(platform.ClipboardGetText(kClipboardRtf), rtf);

    for (const bool textFirst : {false, true}) {
        platform.ClipboardClear();
        if (textFirst) platform.ClipboardSetText(u"người", kClipboardText);
        platform.ClipboardSetText(u"{\\rtf1 x}", kClipboardRtf);
        if (!textFirst) platform.ClipboardSetText(u"người", kClipboardText);
        EXPECT_EQ(platform.ClipboardGetText(kClipboardRtf), u"{\\rtf1 x}") << textFirst;
        EXPECT_EQ(platform.ClipboardGetText(kClipboardText), u"người") << textFirst;
    }
    platform.ClipboardClear();
    EXPECT_EQ(platform.ClipboardGetText(kClipboardRtf), u"");
}

// A character beyond U+FFFF written as two escapes of its halves, as
// LibreOffice writes it, is read as one, unless ORVIK_CLIPBOARD_RTF=literal.
// Plain text reads as RTF; cut at the read limit, it still reads as too
// large to transcribe.
TEST(ClipboardTest, OtherProgramsRtfFormatsAndPlainTextReadAsRtf) {
    QtPlatform platform(".");
    const QByteArray written = "{\\rtf1 \\'c0 \\uc0 \\u55360\\uc1 \\u56987\\'3f}";
    for (const char* mime : {"text/rtf", "text/richtext", "application/rtf"}) {
        auto* data = new QMimeData;
        data->setData(mime, written);
        QGuiApplication::clipboard()->setMimeData(data);
        EXPECT_EQ(platform.ClipboardGetText(kClipboardRtf), u"{\\rtf1 \\'c0 \\u131739?}") << mime;
    }
    qputenv("ORVIK_CLIPBOARD_RTF", "literal");
    EXPECT_EQ(platform.ClipboardGetText(kClipboardRtf), FromBytes(written.toStdString()));
    qunsetenv("ORVIK_CLIPBOARD_RTF");
    QGuiApplication::clipboard()->setText(QString::fromUtf8("chữ"));
    EXPECT_EQ(platform.ClipboardGetText(kClipboardRtf), u"{\\rtf1 ch\\u7919?}");
    EXPECT_EQ(platform.ClipboardGetText(kClipboardText), u"chữ");

    QGuiApplication::clipboard()->setText(QString(static_cast<qsizetype>(kClipboardReadLimit) + 1000, QChar(0x4E00)));
    const std::u16string large = platform.ClipboardGetText(kClipboardRtf);
    EXPECT_GT(large.size(), kMaxTranscribedRtf);
    EXPECT_LT(large.size(), kClipboardReadLimit * 10);
}

}  // namespace
}  // namespace orvik
