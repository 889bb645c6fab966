// The clipboard's RTF as the Qt platform reads it for the look-up and the
// transcription: another program's RTF with its surrogate pairs joined, plain
// text rendered as RTF, and the PRIMARY selection when a Ctrl+C copied
// nothing.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QMimeData>

#include "engine/text.h"
#include "lookup/transcription.h"
#include "formats/clipboard_rtf.h"
#include "platform/qt/qt_platform.h"

namespace orvik {
namespace {

// Nom readings of 漢, 字 and 𠊛 (U+2029B).
LookupLines NomLines() {
    LookupLines lines;
    lines.ReadingLine = u"6F22:hán\\5B57:tự\\2029B:người\\";
    return lines;
}

void OfferFromAnotherProgram(const QByteArray& rtf, const QString& text) {
    auto* data = new QMimeData;
    if (!rtf.isEmpty()) data->setData("text/rtf", rtf);
    data->setText(text);
    QGuiApplication::clipboard()->setMimeData(data);
}

TEST(ClipboardReadTest, PlainTextIsReadAsItsRtfRendering) {
    QtPlatform platform(".");
    OfferFromAnotherProgram({}, QString::fromStdU16String(u"漢字 chữ Nôm 𠊛"));
    const std::u16string rtf = platform.ClipboardGetText(kClipboardRtf);
    EXPECT_EQ(U16ToUtf8(rtf), "{\\rtf1 \\u28450?\\u23383? ch\\u7919? N\\u244?m \\u131739?}");
    // ữ has no Nom entry and stands as its code; ô is Latin and reads as nothing.
    EXPECT_EQ(U16ToUtf8(Transcribe(rtf, NomLines(), true, {})), "hán tự 1eef người");
}

TEST(ClipboardReadTest, LibreOfficeRtfIsReadWithItsPairsJoined) {
    QFile sample(ORVIK_FIXTURES "/clipboard/libreoffice_nom.rtf");
    ASSERT_TRUE(sample.open(QIODevice::ReadOnly));
    const QByteArray bytes = sample.readAll();
    const std::string_view written(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    QtPlatform platform(".");
    OfferFromAnotherProgram(bytes, QStringLiteral("ignored beside RTF"));

    const std::u16string rtf = platform.ClipboardGetText(kClipboardRtf);
    EXPECT_EQ(rtf, JoinSurrogateEscapes(FromBytes(written)));
    EXPECT_NE(U16ToUtf8(Transcribe(rtf, NomLines(), true, {})).find("người"), std::string::npos);

    qputenv("ORVIK_CLIPBOARD_RTF", "literal");
    EXPECT_EQ(platform.ClipboardGetText(kClipboardRtf), FromBytes(written));
    qunsetenv("ORVIK_CLIPBOARD_RTF");
}

TEST(ClipboardReadTest, AnOversizedClipboardIsCutStillTooLargeToTranscribe) {
    QtPlatform platform(".");
    OfferFromAnotherProgram({}, QString(static_cast<qsizetype>(kClipboardReadLimit) + 1000, QChar(0x4E00)));
    const std::u16string rtf = platform.ClipboardGetText(kClipboardRtf);
    EXPECT_GT(rtf.size(), kMaxTranscribedRtf);
    EXPECT_LT(rtf.size(), kClipboardReadLimit * 10);
}

void SendCtrlC(QtPlatform& platform) {
    platform.keybd_event(kVkControl, kScanControl, 0);
    platform.keybd_event(kVkC, kScanC, 0);
    platform.keybd_event(kVkC, kScanC, kKeyEventKeyUp);
    platform.keybd_event(kVkControl, kScanControl, kKeyEventKeyUp);
}

// Needs a desktop with a PRIMARY selection (QT_QPA_PLATFORM=xcb).
TEST(ClipboardReadTest, ACopyThatCopiedNothingReadsThePrimarySelection) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard->supportsSelection()) GTEST_SKIP() << "no PRIMARY selection on this platform";
    QtPlatform platform(".");
    clipboard->setText(QStringLiteral("old"));
    clipboard->setText(QString::fromStdU16String(u"一"), QClipboard::Selection);

    EXPECT_EQ(platform.ClipboardGetText(kClipboardRtf), u"{\\rtf1 old}");  // no copy asked for
    SendCtrlC(platform);  // reaches no application
    EXPECT_EQ(platform.ClipboardGetText(kClipboardRtf), u"{\\rtf1 \\u19968?}");
    SendCtrlC(platform);
    clipboard->setText(QString::fromStdU16String(u"二"));  // the application copied
    EXPECT_EQ(platform.ClipboardGetText(kClipboardRtf), u"{\\rtf1 \\u20108?}");
}

}  // namespace
}  // namespace orvik
