// The popup's read-aloud through the recording platform: the words selected
// in Text1, the clips played, and the state it ends in.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>

#include "clip_fixture.h"
#include "engine/text.h"
#include "lookup/spoken_pieces.h"
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

    // One message holding each of `parts`; the reading over, Text1 trimmed.
    void ExpectOneMessageThenIdle(std::initializer_list<std::string_view> parts, std::u16string_view text) {
        const auto boxes = MessageBoxes();
        ASSERT_EQ(boxes.size(), 1u);
        for (const auto part : parts) EXPECT_NE(boxes[0].find(part), std::string::npos) << boxes[0];
        ExpectIdleAfter(text);
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

// Which pieces a word is read as is SpokenPieces' rule; the popup splits
// the text at each space and plays the fallback clip for a word without one
// (a quote in it included).
TEST_F(ReadAloud, ReadsEachWordSelectedWithItsClipInOrder) {
    Read(u"  Nam quốc  l'homme sơn hà.  ");
    // "hà." is read as "hà", then the full stop's pause.
    EXPECT_EQ(platform_.PlayedSounds(), clips_.Waves({"nam", "quốc", "cach1", "sơn", "hà", "cach2"}));
    EXPECT_EQ(selected_, (std::vector<std::string>{"Nam", "quốc", "l'homme", "sơn", "hà."}));
    EXPECT_TRUE(MessageBoxes().empty());
    ExpectIdleAfter(u"Nam quốc  l'homme sơn hà. ");
    // The focus goes to Text1 as the reading begins; the box shows each word
    // before its clip holds the thread.
    const auto& calls = platform_.Calls();
    EXPECT_EQ(calls.front(), "FocusControl WPopup.Text1");
    const auto play = std::find_if(calls.begin(), calls.end(), [](const std::string& c) { return c.rfind("sndPlay", 0) == 0; });
    ASSERT_NE(play, calls.end());
    EXPECT_EQ(*(play - 1), "RefreshWindow WPopup");
    EXPECT_EQ(*play, "sndPlaySoundA 4 (50 bytes)");  // played from memory
}

TEST_F(ReadAloud, ASecondPressStopsAfterTheClipBeingPlayed) {
    onEvents_ = [this] {
        if (platform_.PlayedSounds().size() == 1 && !popup_.ReaderIdle) {
            EXPECT_EQ(popup_.Command1.Picture, WPopup::kImage2);
            popup_.Command1_Click();
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
}

// A clip that cannot be unpacked or played, or a database that cannot be
// opened, ends the reading with one message.
TEST_F(ReadAloud, AFailureEndsTheReadingWithOneMessage) {
    clips_.SetPacked("quốc", "999 not a zlib stream");
    Read(u"nam quốc sơn");
    ExpectOneMessageThenIdle({"\"quốc\"", "Cannot uncompress corrupt data"}, u"nam quốc sơn ");
    EXPECT_EQ(platform_.PlayedSounds(), clips_.Waves({"nam"}));

    platform_.RefuseSounds("the sound device is not usable");
    Read(u"sơn hà");
    ExpectOneMessageThenIdle({"the sound device is not usable"}, u"sơn hà ");
    EXPECT_EQ(platform_.PlayedSounds().size(), 1u);

    std::ofstream(clips_.Database()) << "not a database";
    Read(u"nam quốc");
    ExpectOneMessageThenIdle({"Không mở được kho âm doctv.MDB.", "file is not a database"}, u"nam quốc ");
    EXPECT_EQ(platform_.PlayedSounds().size(), 1u);
}

// The case stays (the clip look-up ignores it); inner punctuation stays;
// "?" calls for the longer pause; an ideograph or a number has no clip but
// its pause stays; up to 10000 a character is read.
TEST(SpokenPieces, ReadsTheLettersAndThePauseTheirPunctuationCallsFor) {
    struct Case {
        std::u16string_view word;
        std::vector<std::u16string> pieces;
    };
    const Case cases[] = {
        {u"Hà", {u"Hà"}},               {u"hà,", {u"hà", u"cach0"}},    {u"cư.", {u"cư", u"cach2"}},
        {u"sơn!", {u"sơn", u"cach0"}},  {u"rằng:", {u"rằng", u"cach0"}}, {u"ai?", {u"ai", u"cach2"}},
        {u"hà;", {u"hà"}},              {u"(nam", {u"nam"}},            {u"nam)", {u"nam"}},
        {u"“quốc”", {u"quốc"}},         {u"«sơn»", {u"sơn"}},           {u"「hà」", {u"hà"}},
        {u"sơn.”", {u"sơn", u"cach2"}}, {u"hà),", {u"hà", u"cach0"}},   {u"ư?!", {u"ư", u"cach2"}},
        {u"thôi...", {u"thôi", u"cach2"}}, {u"…", {}},                  {u",nam", {u"cach0", u"nam"}},
        {u".a", {u"cach2", u"a"}},      {u"?", {u"cach2"}},             {u"—", {}},
        {u"l'homme", {u"l'homme"}},     {u"thế-giới", {u"thế-giới"}},   {u"漢,", {u"cach0"}},
        {u"\U0002029B.", {u"cach2"}},   {u"2000.", {u"cach2"}},         {u"\u2710", {u"\u2710"}},
        {u"\u2711", {}},                {u"\u3000", {}},                {u"", {}},
    };
    for (const auto& c : cases) EXPECT_EQ(SpokenPieces(c.word), c.pieces) << U16ToUtf8(c.word);
}

}  // namespace
}  // namespace orvik
