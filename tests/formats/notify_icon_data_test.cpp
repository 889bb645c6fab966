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
    const TrayIconFields fields = ReadTrayIconData(data);
    EXPECT_EQ(std::tuple(fields.hWnd, fields.uID, fields.uFlags, fields.uCallbackMessage, fields.hIcon),
              std::tuple(0x01020304u, 1u, 7u, 0x200u, 0xA0B0C0D0u));
}

TEST(TrayIconRecord, ATipIsCutSoItsNulFitsAndReadsBack) {
    const std::pair<std::u16string, std::u16string> cases[] = {
        {std::u16string(63, u'a'), std::u16string(63, u'a')},
        {std::u16string(80, u'b'), std::u16string(63, u'b')},
        {u"Tra ch\u1EEF", u"Tra ch?"},  // beyond 8 bits
        {u"", u""},
    };
    for (const auto& [tip, readBack] : cases) {
        const NotifyIconData data = MakeTrayIconData(5, 1, 7, 0x200, 9, tip);
        EXPECT_EQ(data[87], 0);
        EXPECT_EQ(ReadTrayIconData(data).tip, readBack);
    }
}

TEST(TrayIconRecord, APressIsKnownAtNinetySixAndOneHundredTwentyDotsPerInch) {
    for (const auto& [x, message, known] :
         {std::tuple{7695, kWmLButtonDown, true}, {6156, kWmLButtonDown, true}, {7740, kWmRButtonDown, true},
          {6192, kWmRButtonDown, true}, {7740, kWmLButtonDown, false}, {5160, kWmLButtonDown, false},
          {kWmLButtonDown * 10, kWmLButtonDown, false}})
        EXPECT_EQ(IsTrayMessage(static_cast<float>(x), message), known) << x;
}

}  // namespace
}  // namespace orvik
