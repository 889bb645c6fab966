// The Qt platform's clipboard, and its key path from key events to the
// window NhanDien registered.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <vector>

#include "platform/qt/qt_platform.h"

namespace orvik {
namespace {

TEST(QtPlatformClipboardTest, RtfIsTheEightBitTextsBytesUnderTextRtf) {
    QtPlatform platform(".");
    const std::u16string rtf = u"{\\rtf1 \\u-24691\\'3f \xe0\xff}";
    platform.ClipboardClear();
    platform.ClipboardSetText(rtf, kClipboardRtf);
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->data("text/rtf"), QByteArray("{\\rtf1 \\u-24691\\'3f \xe0\xff}"));
    EXPECT_EQ(platform.ClipboardGetText(kClipboardRtf), rtf);
    // Applications that take no RTF paste its characters.
    EXPECT_EQ(data->text(), QString::fromStdU16String(u"\u9F8D \u00E0\u00FF"));
}

TEST(QtPlatformClipboardTest, ReadsRtfOfOtherProgramsFormats) {
    QtPlatform platform(".");
    for (const char* mime : {"text/rtf", "text/richtext", "application/rtf"}) {
        auto* data = new QMimeData;
        data->setData(mime, "{\\rtf1 \\'c0}");
        QGuiApplication::clipboard()->setMimeData(data);
        EXPECT_EQ(platform.ClipboardGetText(kClipboardRtf), u"{\\rtf1 \\'c0}") << mime;
    }
    QGuiApplication::clipboard()->setText("plain only");
    EXPECT_EQ(platform.ClipboardGetText(kClipboardRtf), u"{\\rtf1 plain only}");
    EXPECT_EQ(platform.ClipboardGetText(kClipboardText), u"plain only");
    platform.ClipboardClear();
    EXPECT_EQ(platform.ClipboardGetText(kClipboardRtf), u"");
}

TEST(QtPlatformClipboardTest, TextBesideRtfKeepsBoth) {
    QtPlatform platform(".");
    platform.ClipboardClear();
    platform.ClipboardSetText(u"{\\rtf1 x}", kClipboardRtf);
    platform.ClipboardSetText(u"người", kClipboardText);
    EXPECT_EQ(platform.ClipboardGetText(kClipboardRtf), u"{\\rtf1 x}");
    EXPECT_EQ(platform.ClipboardGetText(kClipboardText), u"người");
}

class RecordingSink : public KeySink {
public:
    void KeyArrives(std::uint64_t) override {}
    void KeyUp(WindowHandle window, std::int16_t& keyCode, std::int16_t shift) override {
        events.push_back({window, keyCode, shift});
    }
    void KeyGivenBack(std::uint64_t) override {}
    struct Event {
        WindowHandle window;
        std::int16_t code, shift;
        bool operator==(const Event&) const = default;
    };
    std::vector<Event> events;
};

TEST(QtPlatformKeysTest, KeyReleasesReachTheRegisteredWindow) {
    QtPlatform platform(".");
    RecordingSink sink;
    platform.SetKeySink(&sink);
    const WindowHandle main = platform.HandleOf(WindowId::OrvikU), candidates = platform.HandleOf(WindowId::HVTNP);
    const QKeyEvent h(QEvent::KeyRelease, Qt::Key_H, Qt::ShiftModifier, "H");
    const QKeyEvent repeated(QEvent::KeyRelease, Qt::Key_H, Qt::NoModifier, "h", true);

    platform.KeyReleased(h);  // no window registered yet
    platform.NhanDien(candidates, main);
    platform.KeyReleased(h);
    platform.KeyReleased(repeated);
    platform.NhanDien(0, main);
    platform.KeyReleased(h);

    const std::vector<RecordingSink::Event> expected{{candidates, 72, 1}, {main, 72, 1}};
    EXPECT_EQ(sink.events, expected);
    platform.SetKeySink(nullptr);
}

}  // namespace
}  // namespace orvik
