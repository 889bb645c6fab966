// The browser view's loader: pages of the compiled help files behind "its:"
// addresses, local pages and the page file, links, what goes to the
// desktop, and the no-data page for what cannot be opened.
#include <gtest/gtest.h>

#include <fstream>

#include "data_copy.h"
#include "engine/text.h"
#include "formats/archive_pages.h"
#include "platform/qt/page_view.h"

namespace orvik {
namespace {

bool ShowsNoDataPage(const PageView& view) { return view.toPlainText().contains("Data not yet"); }

// For views that must show every address themselves.
void Refuse(const QUrl& url) { ADD_FAILURE() << "handed to the desktop: " << url.toString().toStdString(); }

// A dictionary is read under its ".chm" name only; the scheme in any case,
// backslashes and a path without its leading "/" are taken.
TEST(PageViewTest, ItsAddressesShowTheDictionaryPageOrTheNoDataPage) {
    const DataCopy data;
    const std::pair<std::string, bool> cases[] = {
        {"its:hvtdu.chm::/html\\hv19968.htm", true},
        {"MS-ITS:hvtdu.chm::html/hv19968.htm", true},
        {"its:hvtdu.chm::/html/hv1.htm", false},  // a page the dictionary does not have
        {"its:hvtdu.chm", false},  // no page: not a local file either
        {"/nonexistent/temp.htm", false},
        {U16ToUtf8(kNoDataAddress), false},  // where a look-up that found no page goes
    };
    for (const auto& [address, shown] : cases) {
        PageView view([&] { return data.Path(); }, Refuse);
        view.Open(QString::fromStdString(address));
        EXPECT_EQ(view.toPlainText().contains(QChar(0x4E00)), shown) << address;
        EXPECT_NE(ShowsNoDataPage(view), shown) << address;
    }
    PageView installed([] { return std::string(ORVIK_DATA_DIR); }, Refuse);
    installed.Open("its:hvtdu.chm::/html/hv19968.htm");
    EXPECT_TRUE(ShowsNoDataPage(installed));
}

// In its declared character set, else UTF-8, else byte for byte; the page
// file, numeric references and 8-bit text, is read again when rewritten
// under its name.
TEST(PageViewTest, ALocalPageIsReadInItsCharacterSet) {
    const testing::TempDir dir("orvik-local");
    const std::tuple<const char*, std::string, const char*> cases[] = {
        {"plain.html", "<p>Ti\xe1\xba\xbfng Vi\xe1\xbb\x87t \xe5\x92\x8c</p>", "Tiếng Việt 和"},
        {"declared.HTM", "<meta charset=\"utf-8\"><p>ho\xc3\xa0</p>", "hoà"},
        {"latin.htm", "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=iso-8859-1\"><p>ho\xc3\xa9</p>",
         "hoÃ©"},
        {"temp.htm", "<P>&#21644;.&#131072; \xe0</P>", "和.\U00020000 à"},
        {"temp.htm", "<P>second</P>", "second"},
    };
    PageView view([] { return std::string(); }, Refuse);
    for (const auto& [name, bytes, shown] : cases) {
        std::ofstream(dir / name, std::ios::binary) << bytes;
        view.Open(QString::fromStdString((dir / name).string()));
        EXPECT_EQ(view.toPlainText(), QString::fromUtf8(shown)) << name;
    }
}

// Web addresses and documents the view cannot show go to the desktop, and
// the view keeps the page it had.
TEST(PageViewTest, OtherDocumentsAndWebAddressesOpenElsewhere) {
    const testing::TempDir dir("orvik-docs");
    std::ofstream(dir / "page.htm") << "<p>kept</p>";
    std::vector<QUrl> opened;
    PageView view([] { return std::string(); }, [&](const QUrl& url) { opened.push_back(url); });
    view.Open(QString::fromStdString((dir / "page.htm").string()));
    const QString letter = QString::fromStdString((dir / "letter.rtf").string());
    view.Open(letter);
    view.Open("https://example.org/");
    EXPECT_EQ(opened, (std::vector<QUrl>{QUrl::fromLocalFile(letter), QUrl("https://example.org/")}));
    EXPECT_EQ(view.toPlainText(), "kept");
}

// A root path stays in the same compiled help file.
TEST(PageViewTest, LinksResolveAgainstTheirPage) {
    const char* const base = "its:hvtdu.chm::/html/hv19968.htm";
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {base, "hv19969.htm", "its:hvtdu.chm::/html/hv19969.htm"},
        {base, "../n1.htm", "its:hvtdu.chm::/n1.htm"},
        {base, "/index.htm", "its:hvtdu.chm::/index.htm"},
        {base, "its:nomtdu.chm::/n19968.htm", "its:nomtdu.chm::/n19968.htm"},
        {"file:///data/temp.htm", "/other.htm", "file:///other.htm"},
    };
    for (const auto& [from, link, resolved] : cases)
        EXPECT_EQ(PageView::ResolveLink(QUrl(from), QUrl(link)).toString(), resolved) << from << " " << link;
}

}  // namespace
}  // namespace orvik
