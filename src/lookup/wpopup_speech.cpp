// The popup's read-aloud: Command1 starts and stops it, Docchuoi reads the
// transcription in Text1 word by word with the clips of doctv.MDB.
#include <filesystem>

#include "engine/text.h"
#include "lookup/mzlib.h"
#include "lookup/spoken_pieces.h"
#include "lookup/wpopup.h"

namespace orvik {

namespace {

constexpr std::string_view kText1 = "WPopup.Text1";
constexpr char16_t kSpace = u' ';
// The clip played for a word without a clip of its own.
constexpr std::u16string_view kFallback = u"cach1";

std::u16string Quoted(std::u16string_view word) { return u"\"" + std::u16string(word) + u"\""; }

}  // namespace

void WPopup::Command1_Click() {
    if (!Text1.Visible) return;
    Text1.Text = Trim(Text1.Text) + kSpace;
    if (!ReaderIdle) {
        Command1.Picture = kImage1;
        ReaderIdle = true;
        return;
    }
    Command1.Picture = kImage2;
    ReaderIdle = false;
    desktop_.windows.FocusControl(kText1);
    try {
        SpeechClips.emplace(std::filesystem::path(desktop_.files.CurrentDirectory()) / ClipStore::kFileName);
    } catch (const ClipStoreError& error) {
        desktop_.dialogs.MessageBox(u"Không mở được kho âm doctv.MDB.\n" + Utf8ToU16(error.what()), kMessageCaption);
        return EndReadAloud();
    }
    Docchuoi(Text1.Text);
    SpeechClips.reset();
}

void WPopup::Docchuoi(std::u16string t) {
    t = LCase(t);
    WordStart = 0;
    WordEnd = 0;
    const auto n = static_cast<std::int32_t>(t.size());
    for (std::int32_t k = WordStart + 1; k <= n; ++k) {
        if (t[static_cast<std::size_t>(k - 1)] == kSpace) {
            WordStart = WordEnd;
            WordEnd = k;
            Text1.SelStart = WordStart;
            Text1.SelLength = k - WordStart - 1;
            const std::u16string w = Trim(Mid(Text1.Text, Text1.SelStart + 1, Text1.SelLength));
            desktop_.windows.RefreshWindow(WindowId::WPopup);
            const std::vector<std::u16string> pieces = SpokenPieces(w);
            if (pieces.empty()) continue;
            if (!SpeakPieces(pieces)) break;
        }
        desktop_.loop.DoEvents();
        if (ReaderIdle) {
            Command1.Picture = kImage1;
            Command1.Enabled = true;
            desktop_.windows.FocusControl(kText1);
            break;
        }
    }
    EndReadAloud();
}

bool WPopup::SpeakPieces(const std::vector<std::u16string>& pieces) {
    for (const std::u16string& piece : pieces)
        if (!SpeakWord(piece)) return false;
    return true;
}

bool WPopup::SpeakWord(std::u16string_view word) {
    // A read-aloud started and finished inside pending events has closed
    // the clips; this one stops.
    if (!SpeechClips) return false;
    try {
        auto packed = SpeechClips->FindFirst(ClipField::Chu, word);
        if (!packed) packed = SpeechClips->FindFirst(ClipField::Ghichu, kFallback);
        if (!packed) {
            desktop_.dialogs.MessageBox(u"Kho âm doctv.MDB không có âm " + Quoted(word) + u" và không có âm " +
                                     Quoted(kFallback) + u".",
                                 kMessageCaption);
            return false;
        }
        const SoundResult played = desktop_.sound.sndPlaySoundA(UncompressString(*packed), kSndMemory);
        if (played.played) return true;
        desktop_.dialogs.MessageBox(u"Không phát được âm " + Quoted(word) + u".\n" + Utf8ToU16(played.reason),
                             kMessageCaption);
    } catch (const ClipStoreError& error) {
        desktop_.dialogs.MessageBox(u"Không đọc được kho âm doctv.MDB.\n" + Utf8ToU16(error.what()), kMessageCaption);
    } catch (const ZlibError& error) {
        desktop_.dialogs.MessageBox(u"Âm " + Quoted(word) + u" trong kho âm doctv.MDB bị hỏng.\n" + Utf8ToU16(error.what()),
                             kMessageCaption);
    }
    return false;
}

void WPopup::EndReadAloud() {
    WordStart = WordEnd;
    Text1.SelStart = static_cast<std::int32_t>(Text1.Text.size());
    Text1.SelLength = 0;
    ReaderIdle = true;
    Command1.Picture = kImage1;
    Command1.Enabled = true;
}

}  // namespace orvik
