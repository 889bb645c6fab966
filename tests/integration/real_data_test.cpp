// The generated data files, read by the system's own loaders and searched as
// the candidate window searches them.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

#include "engine/text.h"
#include "ime/candidate_search.h"
#include "platform/fake/recording_platform.h"
#include "shell/application.h"

namespace orvik {
namespace {

struct ModeUnderTest {
    const char* name;
    std::function<void(OrvikU&)> select;
    Layout layout;
};

const ModeUnderTest kModes[] = {
    {"telexhan.idx", [](OrvikU& w) { w.TelexH_Click(30); }, Layout::Han},
    {"telenomu.idx", [](OrvikU& w) { w.TelexN_Click(31); }, Layout::Nom},
    {"UCangJie.idx", [](OrvikU& w) { w.CangJieH_Click(32); }, Layout::Han},
    {"NCangJie.idx", [](OrvikU& w) { w.CangJie_Click(13); }, Layout::Nom},
    {"UPinYin.idx", [](OrvikU& w) { w.PINYIN_Click(12); }, Layout::Han},
};

struct RealData {
    RecordingPlatform platform{ORVIK_DATA_DIR};
    Application app{platform};
};

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

TEST(RealData, EveryDirectoryKeyLeadsToAValidCandidateLine) {
    for (const auto& mode : kModes) {
        RealData data;
        mode.select(data.app.MainWindow());
        const Module1& module = data.app.module();
        for (const std::string& call : data.platform.Calls())
            EXPECT_NE(call.rfind("MessageBox", 0), 0u) << mode.name << ": " << call;
        const auto entries = Entries(module.DirectoryLine);
        ASSERT_GT(entries.size(), 1000u) << mode.name;
        for (const auto& entry : entries) {
            ASSERT_TRUE(entry.line >= 0 && entry.line < kIndexSlots - 1) << mode.name;
            ASSERT_TRUE(ValidFields(module.IndexLines[entry.line], mode.layout))
                << mode.name << " line " << entry.line;
            const CandidateLine found = FindCandidateLine(module, entry.key);
            ASSERT_EQ(found.kind, CandidateLine::Found) << mode.name << " key " << U16ToUtf8(entry.key);
            ASSERT_EQ(found.line, module.IndexLines[entry.line]) << U16ToUtf8(entry.key);
        }
    }
}

TEST(RealData, TypedCodesFindTheirCharacters) {
    struct Case { int mode; std::u16string typed; std::u16string field; };
    const Case cases[] = {
        {0, u"nhaats", u"4E00"},
        {1, u"nguwowif", u"2029B"},
        {1, u"ngwowif", u"2029B"},
        {4, u"yi1", u"4E00"},
        {2, u"m", u"4E00"},
    };
    for (const auto& c : cases) {
        RealData data;
        kModes[c.mode].select(data.app.MainWindow());
        data.app.module().TypedKeys = c.typed;
        data.app.CandidateWindow().ShowTypedCode();
        const auto& codes = data.app.module().CandCodes;
        EXPECT_NE(std::find(codes.begin(), codes.end(), c.field), codes.end())
            << U16ToUtf8(c.typed) << " in " << kModes[c.mode].name;
    }
}

}  // namespace
}  // namespace orvik
