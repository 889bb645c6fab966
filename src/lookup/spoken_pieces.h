// How the read-aloud cuts one word of a transcription into the clips it
// plays. The transcription leaves punctuation attached to the words ("hà,",
// "(nam", "“quốc”", "sơn."), while the clip database holds the bare
// syllables and two pause clips: "cach0" for a comma, "!" or ":" and
// "cach2" for "." or "?".
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orvik {

inline constexpr std::u16string_view kShortPause = u"cach0";
inline constexpr std::u16string_view kLongPause = u"cach2";

// The words whose clips read `word`, in order: the pause its leading
// punctuation calls for, its letters as written (the clip look-up ignores
// case), the pause its trailing punctuation calls for. A run of marks calls
// for the long pause when it holds "." or "?", else for the short one when
// it holds ",", "!" or ":". Letters that are no syllable (ideographs,
// numbers) are left out; a word of punctuation alone gives its pause.
std::vector<std::u16string> SpokenPieces(std::u16string_view word);

}  // namespace orvik
