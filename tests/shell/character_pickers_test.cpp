// The main window's character pickers: Picture3 copies the character
// selected in the dictionary view as "&#" + decimal + ";", Label1 converts
// ncangjie.dxx into ncangjie.udx in the current directory and says how it
// went.
#include <gtest/gtest.h>

#include "engine/text.h"
#include "ime/fixture_app.h"

namespace orvik {
namespace {

using testing::FixtureApp;
using testing::kProgramDir;

std::u16string Escapes(std::u16string_view escape, int count) {
    std::u16string text;
    for (int i = 0; i < count; ++i) text += escape;
    return text;
}

TEST(CharacterPickers, Picture3ReadsEscapesUntilAnIdeographOrItsLimit) {
    struct Case {
        std::u16string selection, copied;
    };
    const Case cases[] = {
        {u"{\\rtf1 plain text}", u"&#0;"},
        {u"", u"&#0;"},
        {u"\\u65?\\u19900?\\u19901?\\u20013?", u"&#19901;"},
        {u"\\u-3000?", u"&#62536;"},
        {u"\\u131072?", u"&#131072;"},  // a supplementary character written whole
        {u"\\u65?\\u66?x", u"&#66;"},   // the text ends: the last one read
        // The 1501st of a run of Latin escapes is the last one examined.
        {Escapes(u"\\u65?", 1500) + u"\\u66?\\u67?\\u20013?", u"&#66;"},
        {Escapes(u"\\u65?", 1499) + u"\\u66?\\u20013?", u"&#20013;"},
    };
    for (const Case& c : cases) {
        FixtureApp fx;
        fx.platform.SelectInView("OrvikU.WebBrowser1", c.selection);
        fx.platform.ClipboardSetText(u"{\\rtf1 \\u20108?}", kClipboardRtf);  // the user's, cleared first
        fx.main().Picture3_Click();
        EXPECT_EQ(fx.platform.Clipboard(kClipboardText), c.copied) << U16ToUtf8(c.selection.substr(0, 40));
        EXPECT_EQ(fx.platform.Clipboard(kClipboardRtf), u"");
        EXPECT_EQ(fx.platform.SleptMs(), 100u);
    }
}

// machuan.txt and ncangjie.dxx in the program directory.
struct ConversionApp : FixtureApp {
    static constexpr const char* kOutput = "/current/ncangjie.udx";
    ConversionApp(std::string map, std::string dxx) {
        platform.SetFile(kProgramDir + "/machuan.txt", std::move(map));
        platform.SetFile(kProgramDir + "/ncangjie.dxx", std::move(dxx));
        main().TelexH_Click(menu_number::kTelexH);
        platform.ClearCalls();
    }
};

// The conversion's own rules are index_conversion_test's; here, what the
// picker reads, writes and says.
TEST(CharacterPickers, Label1ConvertsTheIndexAndSaysHowItWent) {
    std::string longDirectory = "!";
    std::string longLines;
    for (int n = 0; n < 30; ++n) {
        longDirectory += std::string{'"', static_cast<char>('"' + n)} + "!key" + std::to_string(n) + " ";
        longLines += "4E00\r\n";
    }
    const std::string directory = "!\"\"!a \"#!b ";
    struct Case {
        std::string map, dxx, missing, written, message;  // written "": the output stays as it was
    };
    const Case cases[] = {
        {"/57344:131083/57345:39999/\r\n", "4E00E000\r\ne001abcd\r\n" + directory + "\r\n", "",
         "4E00 2000B\r\n9C3F abcd \r\n" + directory + "\r\n", directory},
        // The first hundred characters of a long directory line.
        {"/\r\n", longLines + longDirectory + "\r\n", "", "", longDirectory.substr(0, 100)},
        {"/\r\n", "E000\r\nE0Z1\r\n!\"\"!a \"#!b \r\n", "", "",
         "Tệp ncangjie.dxx, dòng 2: có ký tự không phải số thập lục phân.\nTệp ncangjie.udx không được ghi."},
        {"/\r\n", "4E00\r\n!\"\"!a \r\n", "machuan.txt", "", "Không đọc được tệp machuan.txt: file not found"},
        {"/\r\n", "4E00\r\n!\"\"!a \r\n", "ncangjie.dxx", "", "Không đọc được tệp ncangjie.dxx: file not found"},
    };
    for (const Case& c : cases) {
        ConversionApp fx(c.map, c.dxx);
        if (!c.missing.empty()) fx.platform.RemoveFile(kProgramDir + "/" + c.missing);
        fx.platform.SetFile(ConversionApp::kOutput, "good");
        fx.main().Label1_Click();
        EXPECT_EQ(fx.platform.Messages(), std::vector<std::string>{c.message});
        if (c.message == longDirectory.substr(0, 100)) continue;
        EXPECT_EQ(fx.platform.FileContent(ConversionApp::kOutput), c.written.empty() ? "good" : c.written);
    }
    ConversionApp fx("/\r\n", "4E00\r\n!\"\"!a \r\n");
    fx.platform.SetUnwritable(ConversionApp::kOutput);
    fx.main().Label1_Click();
    EXPECT_EQ(fx.platform.Messages(), std::vector<std::string>{"Không ghi được tệp ncangjie.udx."});
    // The input mode's index stays loaded.
    EXPECT_EQ(fx.module().IndexLines[0], u"4E004E8C");
    EXPECT_NE(fx.module().DirectoryLine.find(u"hoaf"), std::u16string::npos);
}

}  // namespace
}  // namespace orvik
