// The tray-icon record, byte for byte: the desktop reads it at fixed offsets.
#include "formats/notify_icon_data.h"

#include <gtest/gtest.h>

#include <string>

#include "codes/desktop_codes.h"

namespace orvik {
namespace {

TEST(TrayIconRecord, HoldsItsNumbersLittleEndianThenTheTipWithItsNul) {
    const NotifyIconData data = MakeTrayIconData(0x01020304, 1, 7, 0x200, 0xA0B0C0D0, u"Left Mouse");
    const std::array<std::uint8_t, 24> numbers{88, 0, 0, 0, 4, 3, 2, 1, 1, 0, 0, 0,
                                               7, 0, 0, 0, 0, 2, 0, 0, 0xD0, 0xC0, 0xB0, 0xA0};
    EXPECT_TRUE(std::equal(numbers.begin(), numbers.end(), data.begin()));
    EXPECT_EQ(std::string(data.begin() + 24, data.begin() + 34), "Left Mouse");
    EXPECT_TRUE(std::all_of(data.begin() + 34, data.end(), [](std::uint8_t b) { return b == 0; }));
}

TEST(TrayIconRecord, ATipIsCutSoItsNulFitsAndReadsBack) {
    const struct {
        std::u16string tip;
        std::u16string readBack;
    } cases[] = {
        {std::u16string(63, u'a'), std::u16string(63, u'a')},
        {std::u16string(80, u'b'), std::u16string(63, u'b')},
        {u"Tra ch\u1EEF", u"Tra ch?"},  // beyond 8 bits
        {u"", u""},
    };
    for (const auto& c : cases) {
        const NotifyIconData data = MakeTrayIconData(5, 1, 7, 0x200, 9, c.tip);
        EXPECT_EQ(data[87], 0);
        const TrayIconFields fields = ReadTrayIconData(data);
        EXPECT_EQ(fields.tip, c.readBack);
        EXPECT_EQ(fields.hWnd, 5u);
        EXPECT_EQ(fields.uFlags, 7u);
        EXPECT_EQ(fields.uCallbackMessage, 0x200u);
        EXPECT_EQ(fields.hIcon, 9u);
    }
}

TEST(TrayIconRecord, APressIsKnownAtNinetySixAndOneHundredTwentyDotsPerInch) {
    EXPECT_TRUE(IsTrayMessage(7695, kWmLButtonDown));
    EXPECT_TRUE(IsTrayMessage(6156, kWmLButtonDown));
    EXPECT_TRUE(IsTrayMessage(7740, kWmRButtonDown));
    EXPECT_TRUE(IsTrayMessage(6192, kWmRButtonDown));
    EXPECT_FALSE(IsTrayMessage(7740, kWmLButtonDown));
    EXPECT_FALSE(IsTrayMessage(5160, kWmLButtonDown));
    EXPECT_FALSE(IsTrayMessage(kWmLButtonDown * 10, kWmLButtonDown));
}

}  // namespace
}  // namespace orvik
