// A LibreOffice Writer document of Hán and Nôm text (fixtures/clipboard/
// libreoffice_nom.txt: 63 Nôm characters beyond U+FFFF, BMP Nôm and Hán
// characters, punctuation and a line of quốc ngữ), saved as RTF by
// LibreOffice 7.4 (`soffice --headless --convert-to rtf`, the writer of its
// clipboard RTF too). Read as the desktop reads the clipboard, with the
// surrogate pairs joined and as written, how many of its Nôm characters does
// the transcription in Nom mode find a reading for, on the generated data?
#include <gtest/gtest.h>

#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>

#include "engine/text.h"
#include "lookup/code_tables.h"
#include "lookup/shared_lines.h"
#include "lookup/transcription.h"
#include "formats/clipboard_rtf.h"
#include "doubles/recording_platform.h"

namespace orvik {
namespace {

std::string FileBytesOf(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    EXPECT_TRUE(file) << path;
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
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

struct NomCount {
    int inDocument = 0;
    int read = 0;
};

class LibreOfficeSample : public ::testing::Test {
protected:
    void SetUp() override {
        RecordingPlatform platform(ORVIK_DATA_DIR);
        ASSERT_FALSE(LoadBig5Lines(platform, lines_));
        ASSERT_FALSE(LoadReadingLine(platform, lines_, true));
        rtfBytes_ = FileBytesOf(ORVIK_FIXTURES "/clipboard/libreoffice_nom.rtf");
        text_ = Utf8ToU16(FileBytesOf(ORVIK_FIXTURES "/clipboard/libreoffice_nom.txt"));
    }

    // The Nôm characters of the document, by their reading table key.
    std::map<std::u16string, int> NomKeysOfDocument() const {
        std::map<std::u16string, int> keys;
        for (std::size_t i = 0; i < text_.size(); ++i) {
            char32_t c = text_[i];
            if (c >= 0xD800 && c < 0xDC00 && i + 1 < text_.size())
                c = 0x10000 + ((c - 0xD800) << 10) + (text_[++i] - 0xDC00);
            if (HasNomPage(lines_.NomLine, static_cast<std::int32_t>(c))) ++keys[UpperHexText(c)];
        }
        return keys;
    }

    NomCount Count(bool joinPairs) const {
        LookupLines tagged = lines_;
        tagged.ReadingLine = TaggedReadingLine(lines_.ReadingLine);
        std::istringstream words(U16ToUtf8(Transcribe(OwnerRtf(rtfBytes_, joinPairs), tagged, true, {})));
        std::map<std::u16string, int> found;
        for (std::string word; words >> word;)
            if (word.size() > 1 && word[0] == '@') ++found[UCase(Utf8ToU16(word.substr(1)))];
        NomCount count;
        for (const auto& [key, times] : NomKeysOfDocument()) {
            count.inDocument += times;
            count.read += std::min(times, found[key]);
        }
        return count;
    }

    LookupLines lines_;
    std::string rtfBytes_;
    std::u16string text_;
};

TEST_F(LibreOfficeSample, NomCharactersBeyondTheBmpGetTheirReadingOnceThePairsAreJoined) {
    const NomCount joined = Count(true), literal = Count(false);
    std::cout << "Nôm characters with a reading: " << joined.read << " of " << joined.inDocument
              << " with the pairs joined, " << literal.read << " of " << literal.inDocument << " as written\n";
    // 63 of the 118 lie beyond U+FFFF; the 55 others are read either way.
    EXPECT_EQ(joined.inDocument, 118);
    EXPECT_EQ(joined.read, 118);
    EXPECT_EQ(literal.read, 55);
}

}  // namespace
}  // namespace orvik
