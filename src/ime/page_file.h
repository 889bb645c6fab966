// A candidate page: its fragment (numeric character references, the
// colour tags of variant keys, the end mark) drawn in a window from memory,
// and the page file temp.htm, the fragment wrapped in the five lines that set
// its font and colour, for readers outside the program.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/controls.h"
#include "platform/platform.h"

namespace orvik {

inline constexpr std::string_view kPageFileName = "temp.htm";
// The page file is written once typing pauses this long: a write costs a
// keystroke's budget several times over on a busy disk.
inline constexpr std::string_view kPageFileTimer = "PageFile";
inline constexpr std::uint32_t kPageFileQuietMs = 400;

// A run of a fragment's text in one colour.
struct PageRun {
    std::u16string text;
    bool variantKey = false;  // inside the fragment's colour tag
    bool operator==(const PageRun&) const = default;
};

// The fragment as it reads: its numeric references decoded, its tags left
// out, cut where the colour changes.
std::vector<PageRun> PageRuns(std::u16string_view fragment);

// The file's bytes: five lines ended by CR LF, 8-bit text.
std::string CandidatePageBytes(std::u16string_view fragment);

// Draws `fragment` in `view` (named `viewName` for the platform) and writes
// the page file once typing pauses.
void ShowCandidatePage(PageViews& views, Files& files, EventLoop& loop, BrowserView& view, std::string_view viewName,
                       std::u16string_view fragment);

}  // namespace orvik
