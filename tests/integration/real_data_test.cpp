// The generated data files, read by the system's own loaders and searched as
// the candidate window searches them; a LibreOffice document read from them.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "engine/telex.h"
#include "engine/text.h"
#include "ime/candidate_search.h"
#include "formats/archive_pages.h"
#include "formats/clipboard_rtf.h"
#include "formats/wave_image.h"
#include "lookup/character_page.h"
#include "lookup/clip_store.h"
#include "lookup/code_tables.h"
#include "lookup/mzlib.h"
#include "lookup/shared_lines.h"
#include "lookup/transcription.h"
#include "doubles/recording_platform.h"
#include "shell/application.h"
#include "shell/typing_box.h"

namespace orvik {
namespace {

struct ModeUnderTest {
    const char* name;
    std::function<void(OrvikU&)> select;
    Layout layout;
};

enum ModeIndex { kTelexHan, kTelexNom, kCangJieHan, kCangJieNom, kPinYin };

const ModeUnderTest kModes[] = {
    {"telexhan.idx", [](OrvikU& w) { w.TelexH_Click(30); }, Layout::Han},
    {"telenomu.idx", [](OrvikU& w) { w.TelexN_Click(31); }, Layout::Nom},
    {"UCangJie.idx", [](OrvikU& w) { w.CangJieH_Click(32); }, Layout::Han},
    {"NCangJie.idx", [](OrvikU& w) { w.CangJie_Click(13); }, Layout::Nom},
    {"UPinYin.idx", [](OrvikU& w) { w.PINYIN_Click(12); }, Layout::Han},
};

// Names the mode in the messages of the tests over every mode.
void PrintTo(const ModeUnderTest& mode, std::ostream* out) { *out << mode.name; }

struct RealData {
    explicit RealData(const ModeUnderTest& mode) { mode.select(app.MainWindow()); }
    RecordingPlatform platform{ORVIK_DATA_DIR};
    Application app{platform};
};

TEST(RealData, TypedCodesFindTheirCharacters) {
    struct Case { ModeIndex mode; std::u16string typed; std::u16string field; };
    const Case cases[] = {
        {kTelexHan, u"nhaats", u"4E00"}, {kTelexNom, u"nguwowif", u"2029B"}, {kTelexNom, u"ngwowif", u"2029B"},
        {kPinYin, u"yi1", u"4E00"},      {kPinYin, u"er4", u"4E8C"},         {kCangJieHan, u"m", u"4E00"},
        {kCangJieHan, u"afh", u"5F71"},  {kCangJieHan, u"ahf", u"66DB"},
    };
    for (const auto& c : cases) {
        RealData data(kModes[c.mode]);
        data.app.session().SetKeys(c.typed);
        data.app.CandidateWindow().ShowTypedCode();
        const CandidateList& list = data.app.session().Candidates();
        bool listed = false;
        for (int i = 0; i < kCandSlots; ++i) listed = listed || list.Field(i) == c.field;
        EXPECT_TRUE(listed) << U16ToUtf8(c.typed) << " in " << kModes[c.mode].name;
    }
}

struct DirectoryEntry {
    int line;
    std::u16string key;
};

// Walks the directory line entry by entry: two line-number characters, "!",
// the key and its end space.
std::vector<DirectoryEntry> Entries(std::u16string_view directory) {
    std::vector<DirectoryEntry> entries;
    std::size_t at = 1;
    while (at + 3 < directory.size()) {
        EXPECT_EQ(directory[at + 2], u'!') << "entry " << entries.size();
        const auto space = directory.find(u' ', at + 3);
        if (directory[at + 2] != u'!' || space == std::u16string_view::npos) break;
        entries.push_back({DecodeLineNumber(directory.substr(at)),
                           std::u16string(directory.substr(at + 3, space - at - 3))});
        at = space + 1;
    }
    return entries;
}

// A candidate line: at most 101 fields of four or more hex digits.
bool ValidFields(std::u16string_view line, Layout layout) {
    const std::size_t width = static_cast<std::size_t>(FieldWidth(layout));
    if (line.empty() || line.size() % width != 0 || line.size() / width > 101) return false;
    for (std::size_t i = 0; i < line.size(); i += width) {
        const std::u16string field = Trim(line.substr(i, width));
        if (field.size() < 4 || field.find_first_not_of(u"0123456789ABCDEFabcdef") != std::u16string::npos)
            return false;
    }
    return true;
}

// The code typed to reach `key`: the key itself or, where the search would
// move its letters (CangJie "axf" is looked up as "afx"), the order of its
// letters that the search looks up as the key. Only short CangJie keys ever
// need it: longer ones are not reordered.
std::optional<std::u16string> CodeTypedFor(const std::u16string& key) {
    if (NormaliseTypedCode(key) == key) return key;
    if (key.size() > 7) return std::nullopt;
    std::u16string code = key;
    std::sort(code.begin(), code.end());
    do {
        if (NormaliseTypedCode(code) == key) return code;
    } while (std::next_permutation(code.begin(), code.end()));
    return std::nullopt;
}

// Whether the search lists the line: its first 101 fields, Nôm fields
// without their space, and nothing after them.
bool Lists(const CandidateList& list, std::u16string_view line, Layout layout) {
    const std::size_t width = static_cast<std::size_t>(FieldWidth(layout));
    int i = 0;
    for (std::size_t at = 0; at < line.size() && i < kCandSlots; at += width, ++i) {
        std::u16string field(line.substr(at, width));
        std::erase(field, u' ');
        if (list.Field(i) != field) return false;
    }
    return i == kCandSlots || list.Field(i).empty();
}

// The candidate window switched on over another application, typed into
// through the key hook as the hook delivers keys.
struct CandidateWindowTyping : RealData {
    explicit CandidateWindowTyping(const ModeUnderTest& mode) : RealData(mode) {
        platform.SetForeground(500, 501);
        app.MainWindow().IMEstate_Click(menu_number::kIMEstate);
    }
    void Type(std::u16string_view code) {
        platform.DeliverKey(kVkEscape);
        for (char16_t c : code) platform.DeliverKey(static_cast<std::int16_t>(c));
        platform.ClearCalls();
    }
};

// The main window's typing box, letters typed as their keys.
struct MainWindowTyping : RealData {
    using RealData::RealData;
    void Type(std::u16string_view code) {
        TypeIntoText1(app.MainWindow(), kVkEscape, 0);
        for (char16_t c : code) TypeIntoText1(app.MainWindow(), static_cast<std::int16_t>(c >= u'a' ? c - 32 : c), 0);
        platform.ClearCalls();
    }
};

class EveryKey : public ::testing::TestWithParam<ModeUnderTest> {};

// The mode loads without a message; every directory key leads to a valid
// candidate line and, typed key by key, lists that line in both windows.
TEST_P(EveryKey, IsReachedByTypingInBothWindows) {
    const Layout layout = GetParam().layout;
    MainWindowTyping mainWindow(GetParam());
    for (const std::string& call : mainWindow.platform.Calls()) EXPECT_NE(call.rfind("MessageBox", 0), 0u) << call;
    CandidateWindowTyping candidateWindow(GetParam());
    const Module1& module = mainWindow.app.module();
    const auto entries = Entries(module.DirectoryLine);
    ASSERT_GT(entries.size(), 1000u);
    std::vector<std::string> unreached;
    for (const auto& entry : entries) {
        ASSERT_TRUE(entry.line >= 0 && entry.line < kIndexSlots - 1);
        const std::u16string& line = module.IndexLines[static_cast<std::size_t>(entry.line)];
        ASSERT_TRUE(ValidFields(line, layout)) << "line " << entry.line;
        const std::string key = U16ToUtf8(entry.key);
        const auto code = CodeTypedFor(entry.key);
        if (!code) {
            unreached.push_back(key + ": no code is looked up as it");
            continue;
        }
        std::string missing;
        candidateWindow.Type(*code);
        if (!Lists(candidateWindow.app.session().Candidates(), line, layout)) missing += " candidate window";
        mainWindow.Type(*code);
        if (!Lists(mainWindow.app.session().Candidates(), line, layout)) missing += " main window";
        if (!missing.empty()) unreached.push_back(key + " typed " + U16ToUtf8(*code) + ":" + missing);
    }
    EXPECT_EQ(unreached, std::vector<std::string>{}) << unreached.size() << " of " << entries.size() << " keys";
}

INSTANTIATE_TEST_SUITE_P(RealData, EveryKey, ::testing::ValuesIn(kModes),
                         [](const ::testing::TestParamInfo<ModeUnderTest>& info) {
                             std::string name = info.param.name;
                             std::replace(name.begin(), name.end(), '.', '_');
                             return name;
                         });

// The numbers of a line's entries: the decimal digits before each "/",
// after `skip` characters (Big5Line's four hex digits of the Big5 code).
std::vector<std::int32_t> EntryNumbers(std::u16string_view line, std::size_t skip) {
    std::vector<std::int32_t> numbers;
    for (std::size_t start = 0, end; (end = line.find(u'/', start)) != std::u16string_view::npos; start = end + 1)
        if (end > start + skip)
            numbers.push_back(static_cast<std::int32_t>(DecimalValue(line.substr(start + skip, end - start - skip))));
    return numbers;
}

// The page behind an address, read from the data folder, where the
// dictionaries keep the ".dat" names the program's working folder renames.
FileBytes ReadDataPage(std::u16string_view address) {
    auto archive = ParseArchiveAddress(address);
    if (!archive) return {false, "not an its: address", {}};
    if (archive->file.ends_with(".chm")) archive->file.replace(archive->file.size() - 4, 4, ".dat");
    return ReadArchivePage(ORVIK_DATA_DIR, *archive);
}

// Every character Big5Line or NomLine lists, looked up in a Han and in a Nom
// mode, leads to a page its dictionary holds or to none: each of the 13062
// Big5 ideographs and 8307 Nôm characters has a page, the 831 Big5 symbols
// none.
TEST(RealData, EveryPageALookUpOfAListedCharacterOpensExists) {
    RealData data(kModes[kTelexHan]);
    const Module1& module = data.app.module();
    std::vector<std::int32_t> listed = EntryNumbers(module.Big5Line, 4);
    const std::vector<std::int32_t> nom = EntryNumbers(module.NomLine, 0);
    ASSERT_EQ(listed.size(), 13062u + 831u);
    ASSERT_EQ(nom.size(), 8307u);
    listed.insert(listed.end(), nom.begin(), nom.end());
    std::map<std::u16string, std::int32_t> pages;  // each address, with a character that leads to it
    for (const std::int32_t codePoint : listed)
        for (const ModeScripts scripts : {ModeScripts{true, false}, ModeScripts{false, true}})
            if (const auto page = CharacterPage(codePoint, scripts, module)) pages.emplace(*page, codePoint);
    EXPECT_EQ(pages.size(), 13062u + 8307u);
    for (const auto& [address, codePoint] : pages) {
        const FileBytes page = ReadDataPage(address);
        EXPECT_TRUE(page.ok) << U16ToUtf8(address) << " (from " << codePoint << "): " << page.reason;
    }
}

// Each word key of tdviet.idx opens its page in tdviet.dat; its start, when
// no key itself, opens none.
TEST(RealData, EveryVietnameseWordKeyOpensItsPage) {
    RecordingPlatform platform(ORVIK_DATA_DIR, ORVIK_DATA_DIR);
    std::u16string words;
    ASSERT_FALSE(EnsureVietIndex(platform, words));
    std::size_t keys = 0;
    for (std::size_t start = 1, end; start < words.size(); start = end + 1, ++keys) {
        end = std::min(words.find(u'/', start), words.size());
        const std::u16string key = words.substr(start, end - start);
        ASSERT_TRUE(HasVietPage(words, key)) << U16ToUtf8(key);
        const FileBytes page = ReadDataPage(VietPageAddress(key));
        EXPECT_TRUE(page.ok) << U16ToUtf8(key) << ": " << page.reason;
    }
    EXPECT_EQ(keys, 6592u);
    EXPECT_FALSE(HasVietPage(words, u"nguoo"));  // the start of "nguooif" (người)
}

// A selection of 「南」, copied from a Unicode editor or as Big5 bytes, opens
// the page of 南 in the quick-view popup.
TEST(RealData, TheLookUpOfBracketedNanOpensItsPage) {
    struct Case { ModeIndex mode; std::u16string rtf; std::u16string page; };
    const Case cases[] = {
        {kTelexHan, u"{\\rtf1 \\u12300?\\u21335?\\u12301?}", HanPageAddress(21335)},
        {kTelexHan, u"{\\rtf1 \\'a1\\'75\\'ab\\'6e\\'a1\\'76}", HanPageAddress(21335)},
        {kTelexNom, u"{\\rtf1 \\u12300?\\u21335?\\u12301?}", NomPageAddress(21335)},
    };
    for (const auto& c : cases) {
        RealData data(kModes[c.mode]);
        data.platform.ClipboardSetText(c.rtf, kClipboardRtf);
        data.app.LookupSelection();
        EXPECT_EQ(data.app.Popup().WebBrowser1.Address, c.page) << U16ToUtf8(c.rtf);
        const FileBytes page = ReadDataPage(c.page);
        ASSERT_TRUE(page.ok) << page.reason;
        EXPECT_NE(page.bytes.find("南"), std::string::npos);
    }
}

// The clips the popup plays for a line of verse, its words' and the pauses
// after its comma and full stop: each a WAVE of the one format the read-aloud
// joins, a word's a spoken syllable, not silence.
TEST(RealData, TheWordsOfALineOfVerseHaveSpokenClips) {
    ClipStore store(std::filesystem::path(ORVIK_DATA_DIR) / ClipStore::kFileName);
    std::optional<WaveFormat> format;
    for (std::u16string_view word : {u"người", u"nam", u"quốc", u"sơn", u"hà", u"đế", u"cư", u"cach0", u"cach2"}) {
        const auto clip = store.FindFirst(ClipField::Chu, word);
        ASSERT_TRUE(clip) << U16ToUtf8(word);
        const WaveParse parse = ParseWaveImage(UncompressString(*clip));
        ASSERT_TRUE(parse.ok) << U16ToUtf8(word) << ": " << parse.error;
        if (!format) format = parse.image.format;
        EXPECT_EQ(parse.image.format, *format) << U16ToUtf8(word);
        if (word.starts_with(u"cach")) continue;
        EXPECT_GT(parse.image.DurationMs(), 100u) << U16ToUtf8(word);
        EXPECT_LT(parse.image.DurationMs(), 1500u) << U16ToUtf8(word);
    }
    EXPECT_GT(format->sampleRate, 8000u);
}

// Each reading replaced by "@" + its key, so the transcription's output
// names the characters it found a reading for.
std::u16string TaggedReadingLine(std::u16string_view line) {
    std::u16string tagged;
    for (std::size_t start = 0, end; start < line.size(); start = end + 1) {
        end = std::min(line.find(u'\\', start), line.size());
        const std::u16string_view entry = line.substr(start, end - start);
        const auto colon = entry.find(u':');
        if (colon == std::u16string_view::npos) continue;
        const std::u16string key(entry.substr(0, colon));
        tagged += key + u":@" + key + u"\\";
    }
    return tagged;
}

// A LibreOffice Writer document of Hán and Nôm text (fixtures/clipboard/
// libreoffice_nom.txt: 63 Nôm characters beyond U+FFFF, BMP Nôm and Hán
// characters, punctuation and a line of quốc ngữ), saved as RTF by
// LibreOffice 7.4 (`soffice --headless --convert-to rtf`, the writer of its
// clipboard RTF too). Read as the desktop reads the clipboard, the Nom mode's
// transcription on the generated data finds the readings of the characters
// beyond U+FFFF only with the surrogate pairs joined.
TEST(LibreOfficeSample, NomCharactersBeyondTheBmpGetTheirReadingOnceThePairsAreJoined) {
    RecordingPlatform platform(ORVIK_DATA_DIR);
    LookupLines lines;
    ASSERT_FALSE(LoadBig5Lines(platform, lines));
    ASSERT_FALSE(LoadReadingLine(platform, lines, true));
    lines.ReadingLine = TaggedReadingLine(lines.ReadingLine);
    std::ifstream file(ORVIK_FIXTURES "/clipboard/libreoffice_nom.rtf", std::ios::binary);
    ASSERT_TRUE(file);
    const std::string rtf{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    // The characters read, and those of them beyond U+FFFF: five hex digits.
    struct Read { int all = 0, beyondTheBmp = 0; };
    const auto read = [&](bool joinPairs) {
        std::istringstream words(U16ToUtf8(Transcribe(OwnerRtf(rtf, joinPairs), lines, true, {})));
        Read count;
        for (std::string word; words >> word;) {
            count.all += word[0] == '@';
            count.beyondTheBmp += word[0] == '@' && word.size() == 6;
        }
        return count;
    };
    const Read joined = read(true), literal = read(false);
    EXPECT_EQ(joined.beyondTheBmp, 63);
    EXPECT_EQ(literal.beyondTheBmp, 0);
    EXPECT_EQ(joined.all - literal.all, 63);  // the others are read either way
}

}  // namespace
}  // namespace orvik
