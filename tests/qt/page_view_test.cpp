// The browser view's loader: pages of the compiled help files behind "its:"
// addresses, the page file, links, and the no-data page for what cannot be
// opened.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "data_copy.h"
#include "engine/text.h"
#include "formats/archive_pages.h"
#include "platform/qt/page_view.h"

namespace orvik {
namespace {

namespace fs = std::filesystem;

bool ShowsNoDataPage(const PageView& view) { return view.toPlainText().contains("Data not yet"); }

// For views that must show every address themselves.
void Refuse(const QUrl& url) { ADD_FAILURE() << "handed to the desktop: " << url.toString().toStdString(); }

TEST(PageViewTest, ItsAddressShowsTheDictionaryPage) {
    const DataCopy data;
    PageView view([&] { return data.Path(); }, Refuse);
    view.Open("its:hvtdu.chm::/html\\hv19968.htm");
    EXPECT_TRUE(view.toPlainText().contains(QChar(0x4E00))) << view.toPlainText().toStdString();
    EXPECT_FALSE(ShowsNoDataPage(view));
}

TEST(PageViewTest, WhatCannotBeOpenedShowsTheNoDataPage) {
    const testing::TempDir dir("orvik-damaged");
    const fs::path damaged = dir / "damaged.chm";
    std::ofstream(damaged) << "ITSF this is no compiled help file";
    const DataCopy data;
    const std::string addresses[] = {
        "its:hvtdu.chm::/html/hv1.htm",          // a page the dictionary does not have
        "its:missing.chm::/x.htm",               // no such file
        "its:" + damaged.string() + "::/x.htm",  // a damaged file
        "/nonexistent/temp.htm",                 // a missing local file
        U16ToUtf8(kNoDataAddress),               // where a look-up that found no page goes
    };
    for (const std::string& address : addresses) {
        PageView view([&] { return data.Path(); }, Refuse);
        view.Open(QString::fromStdString(address));
        EXPECT_TRUE(ShowsNoDataPage(view)) << address;
    }
    // A dictionary still under its installed name, "hvtdu.dat", is not read.
    PageView installed([] { return std::string(ORVIK_DATA_DIR); }, Refuse);
    installed.Open("its:hvtdu.chm::/html/hv19968.htm");
    EXPECT_TRUE(ShowsNoDataPage(installed));
}

TEST(PageViewTest, PageFileIsReadAsEightBitTextWithCharacterReferences) {
    const testing::TempDir dir("orvik-page");
    const fs::path page = dir / "temp.htm";
    std::ofstream(page, std::ios::binary) << "<P>&#21644;.&#131072; \xe0</P>";
    PageView view([] { return std::string(); }, Refuse);
    view.Open(QString::fromStdString(page.string()));
    EXPECT_EQ(view.toPlainText(), QString::fromUtf8("和.\U00020000 à"));

    std::ofstream(page, std::ios::binary) << "<P>second</P>";
    view.Open(QString::fromStdString(page.string()));  // the same file, rewritten
    EXPECT_EQ(view.toPlainText(), "second");
}

// A local HTML page in its declared character set, else UTF-8, else byte
// for byte.
TEST(PageViewTest, ALocalPageIsReadInItsCharacterSet) {
    const testing::TempDir dir("orvik-local");
    const struct {
        const char* name;
        std::string bytes;
        const char* shown;
    } cases[] = {
        {"plain.html", "<p>Ti\xe1\xba\xbfng Vi\xe1\xbb\x87t \xe5\x92\x8c</p>", "Tiếng Việt 和"},
        {"declared.HTM", "<meta charset=\"utf-8\"><p>ho\xc3\xa0</p>", "hoà"},
        {"latin.htm", "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=iso-8859-1\"><p>ho\xc3\xa9</p>",
         "hoÃ©"},
        {"eightbit.htm", "<p>ho\xe0</p>", "hoà"},
    };
    for (const auto& c : cases) {
        std::ofstream(dir / c.name, std::ios::binary) << c.bytes;
        PageView view([] { return std::string(); }, Refuse);
        view.Open(QString::fromStdString((dir / c.name).string()));
        EXPECT_EQ(view.toPlainText(), QString::fromUtf8(c.shown)) << c.name;
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
    const QString addresses[] = {QString::fromStdString((dir / "letter.rtf").string()),
                                 QString::fromStdString((dir / "photo.jpg").string()), "https://example.org/"};
    for (const QString& address : addresses) view.Open(address);
    EXPECT_EQ(opened, (std::vector<QUrl>{QUrl::fromLocalFile(addresses[0]), QUrl::fromLocalFile(addresses[1]),
                                         QUrl(addresses[2])}));
    EXPECT_EQ(view.toPlainText(), "kept");
}

TEST(PageViewTest, LinksResolveAgainstTheirPage) {
    struct Case {
        const char* base;
        const char* link;
        const char* resolved;
    };
    const Case cases[] = {
        {"its:hvtdu.chm::/html/hv19968.htm", "hv19969.htm", "its:hvtdu.chm::/html/hv19969.htm"},
        {"its:hvtdu.chm::/html/hv19968.htm", "../n1.htm", "its:hvtdu.chm::/n1.htm"},
        {"its:hvtdu.chm::/html/hv19968.htm", "/index.htm", "its:hvtdu.chm::/index.htm"},
        {"its:hvtdu.chm::/html/hv19968.htm", "its:nomtdu.chm::/n19968.htm", "its:nomtdu.chm::/n19968.htm"},
        {"file:///data/temp.htm", "other.htm", "file:///data/other.htm"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PageView::ResolveLink(QUrl(c.base), QUrl(c.link)).toString(), c.resolved) << c.base << " " << c.link;
}

TEST(ArchiveAddressTest, ReadsFileAndPath) {
    struct Case {
        std::u16string_view address;
        const char* file;  // nullptr: not an archive address
        const char* path;
    };
    const Case cases[] = {
        {u"its:hvtdu.chm::/html\\hv19968.htm", "hvtdu.chm", "/html/hv19968.htm"},
        {u"its:tdviet.chm::vhoa.htm", "tdviet.chm", "/vhoa.htm"},
        {u"MS-ITS:nomtdu.chm::/n1.htm", "nomtdu.chm", "/n1.htm"},
        {u"its:hvtdu.chm", nullptr, nullptr},
        {u"its:::/x.htm", nullptr, nullptr},
        {u"its:hvtdu.chm::", nullptr, nullptr},
        {u"http://example.org/", nullptr, nullptr},
    };
    for (const Case& c : cases) {
        const auto parsed = ParseArchiveAddress(c.address);
        ASSERT_EQ(parsed.has_value(), c.file != nullptr) << std::string(c.address.begin(), c.address.end());
        if (!parsed) continue;
        EXPECT_EQ(parsed->file, c.file);
        EXPECT_EQ(parsed->path, c.path);
    }
}

}  // namespace
}  // namespace orvik
