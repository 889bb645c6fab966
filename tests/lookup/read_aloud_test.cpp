// The popup's read-aloud through the recording platform: the words selected
// in Text1, the clips played, and the state it ends in.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>

#include "clip_fixture.h"
#include "clip_database.h"
#include "engine/text.h"
#include "lookup/wpopup.h"
#include "doubles/recording_platform.h"

namespace orvik {
namespace {

using testing::ClipFixture;

const testing::ClipRecords kRecords = {
    {"nam", ""}, {"quốc", ""}, {"sơn", ""}, {"hà", ""}, {"cach0", ""}, {"cach2", ""}, {"cach1", "cach1"},
};

class ReadAloud : public ::testing::Test {
protected:
    ReadAloud() : clips_(kRecords), platform_("/program", clips_.Dir()), popup_(PopupDesktop(platform_)) {}

    // A transcription in Text1, read aloud by a press of Command1; each
    // played clip is noted with the text selected in Text1 while it played.
    void Read(std::u16string_view text) {
        popup_.ShowTranscription(text);
        platform_.ClearCalls();
        platform_.OnDoEvents([this] {
            const auto& calls = platform_.Calls();
            if (calls.size() >= 2 && calls[calls.size() - 2].rfind("sndPlaySoundA", 0) == 0)
                selected_.push_back(U16ToUtf8(Mid(popup_.Text1.Text, popup_.Text1.SelStart + 1, popup_.Text1.SelLength)));
            if (onEvents_) onEvents_();
        });
        popup_.Command1_Click();
    }

    std::vector<std::string> MessageBoxes() const {
        std::vector<std::string> boxes;
        for (const auto& call : platform_.Calls())
            if (call.rfind("MessageBox", 0) == 0) boxes.push_back(call);
        return boxes;
    }

    void ExpectIdleAfter(std::u16string_view text) {
        EXPECT_TRUE(popup_.ReaderIdle);
        EXPECT_EQ(popup_.Command1.Picture, WPopup::kImage1);
        EXPECT_TRUE(popup_.Command1.Enabled);
        EXPECT_FALSE(popup_.SpeechClips.has_value());
        EXPECT_EQ(popup_.Text1.Text, text);
        EXPECT_EQ(popup_.Text1.SelStart, static_cast<std::int32_t>(text.size()));
        EXPECT_EQ(popup_.Text1.SelLength, 0);
    }

    ClipFixture clips_;
    RecordingPlatform platform_;
    WPopup popup_;
    std::vector<std::string> selected_;
    std::function<void()> onEvents_;
};

TEST_F(ReadAloud, ReadsEachWordSelectedWithItsClipInOrder) {
    Read(u"  Nam quốc sơn hà.  ");
    // "hà." is read as "hà", then the full stop's pause.
    EXPECT_EQ(platform_.PlayedSounds(), clips_.Waves({"nam", "quốc", "sơn", "hà", "cach2"}));
    EXPECT_EQ(selected_, (std::vector<std::string>{"Nam", "quốc", "sơn", "hà."}));
    EXPECT_TRUE(MessageBoxes().empty());
    ExpectIdleAfter(u"Nam quốc sơn hà. ");
    // The box shows each word before its clip holds the thread; the focus
    // went to Text1 as the reading began.
    const auto& calls = platform_.Calls();
    EXPECT_EQ(calls.front(), "FocusControl WPopup.Text1");
    const auto play = std::find_if(calls.begin(), calls.end(), [](const std::string& c) { return c.rfind("sndPlay", 0) == 0; });
    ASSERT_NE(play, calls.end());
    EXPECT_EQ(*(play - 1), "RefreshWindow WPopup");
    EXPECT_EQ(*play, "sndPlaySoundA 4 (50 bytes)");
}

TEST_F(ReadAloud, PausesForPunctuationAndSkipsIdeographsAndNumbers) {
    struct Case { std::u16string_view text; std::vector<std::string> clips; };
    const std::vector<Case> cases = {
        {u"nam , quốc", {"nam", "cach0", "quốc"}},
        {u"nam quốc sơn hà, nam", {"nam", "quốc", "sơn", "hà", "cach0", "nam"}},
        {u"(nam) “quốc”: sơn?", {"nam", "quốc", "cach0", "sơn", "cach2"}},
        {u"!a :b", {"cach0", "cach1", "cach0", "cach1"}},  // "a" and "b" have no clip
        {u".a ?", {"cach2", "cach1", "cach2"}},
        {u"漢 nam 2000 sơn", {"nam", "sơn"}},
        {u"\U0002029B hà", {"hà"}},     // a supplementary ideograph: a negative 16-bit value
        {u"\u2711 hà", {"hà"}},             // 10001
        {u"\u2710 hà", {"cach1", "hà"}},    // 10000 is read, with no clip of its own
        {u"nam  \u3000  quốc", {"nam", "quốc"}},
        {u"Xyz", {"cach1"}},
    };
    for (const Case& c : cases) {
        RecordingPlatform platform("/program", clips_.Dir());
        WPopup popup{PopupDesktop(platform)};
        popup.ShowTranscription(c.text);
        popup.Command1_Click();
        EXPECT_EQ(platform.PlayedSounds(), clips_.Waves(c.clips)) << U16ToUtf8(c.text);
    }
}

TEST_F(ReadAloud, AWordWithAQuoteGetsTheFallbackClip) {
    Read(u"l'homme nam");
    EXPECT_EQ(platform_.PlayedSounds(), clips_.Waves({"cach1", "nam"}));
    EXPECT_TRUE(MessageBoxes().empty());
}

TEST_F(ReadAloud, ASecondPressStopsAfterTheClipBeingPlayed) {
    onEvents_ = [this] {
        if (platform_.PlayedSounds().size() == 1 && !popup_.ReaderIdle) {
            EXPECT_EQ(popup_.Command1.Picture, WPopup::kImage2);
            popup_.Command1_Click();
            EXPECT_TRUE(popup_.ReaderIdle);
        }
    };
    Read(u"Nam quốc sơn hà.");
    EXPECT_EQ(platform_.PlayedSounds(), clips_.Waves({"nam"}));
    ExpectIdleAfter(u"Nam quốc sơn hà. ");
    EXPECT_EQ(platform_.Calls().back(), "FocusControl WPopup.Text1");
    // The next press reads again from the start.
    onEvents_ = nullptr;
    popup_.Command1_Click();
    EXPECT_EQ(platform_.PlayedSounds().size(), 6u);
}

TEST_F(ReadAloud, NothingHappensWhileText1IsHidden) {
    popup_.Text1.Text = u" nam ";
    popup_.Command1_Click();
    EXPECT_TRUE(platform_.Calls().empty());
    EXPECT_EQ(popup_.Text1.Text, u" nam ");
    EXPECT_EQ(popup_.Command1.Picture, WPopup::kImage1);
}

TEST_F(ReadAloud, ADatabaseThatCannotBeOpenedEndsWithOneMessage) {
    struct Case { const char* content; const char* reason; };
    const Case cases[] = {{nullptr, "no clip database"}, {"not a database", "file is not a database"}};
    for (const Case& c : cases) {
        std::filesystem::remove(clips_.Database());
        if (c.content) std::ofstream(clips_.Database()) << c.content;
        Read(u"nam quốc");
        const auto boxes = MessageBoxes();
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].rfind("MessageBox [Việt Orvik thông báo] Không mở được kho âm doctv.MDB.", 0), 0u) << boxes[0];
        EXPECT_NE(boxes[0].find(c.reason), std::string::npos) << boxes[0];
        EXPECT_TRUE(platform_.PlayedSounds().empty());
        ExpectIdleAfter(u"nam quốc ");
    }
}

TEST_F(ReadAloud, AClipThatCannotBeUnpackedOrPlayedEndsWithOneMessage) {
    clips_.SetPacked("quốc", "999 not a zlib stream");
    Read(u"nam quốc sơn");
    auto boxes = MessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].find("\"quốc\""), std::string::npos) << boxes[0];
    EXPECT_NE(boxes[0].find("Cannot uncompress corrupt data"), std::string::npos) << boxes[0];
    EXPECT_EQ(platform_.PlayedSounds(), clips_.Waves({"nam"}));
    ExpectIdleAfter(u"nam quốc sơn ");

    platform_.RefuseSounds("the sound device is not usable");
    Read(u"sơn hà");
    boxes = MessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].find("the sound device is not usable"), std::string::npos) << boxes[0];
    EXPECT_EQ(platform_.PlayedSounds().size(), 1u);
    ExpectIdleAfter(u"sơn hà ");
}

}  // namespace
}  // namespace orvik
