#include "ime/page_file.h"

#include "engine/text.h"

namespace orvik {

std::string CandidatePageBytes(std::u16string_view fragment) {
    std::string page;
    page += "<META content=\"text/html; charset=x-user-defined\" http-equiv=Content-Type>\r\n";
    page += "<FONT FACE=\"Chu Nom Minh U\" COLOR=\"#004466\" style=\"font-size: 18 pt\">\r\n";
    page += "<P>" + ToBytes(fragment) + "</P>\r\n";
    page += "</FONT>\r\n";
    // A right click in the page answers with an alert instead of a menu.
    page += "<script language=\"javascript\">function click() {if (event.button==2) "
            "{alert('Khong co menu cho nut phai!')}}document.onmousedown=click</script>\r\n";
    return page;
}

namespace {

void AddText(std::vector<PageRun>& runs, std::u16string_view text, bool variantKey) {
    if (runs.empty() || runs.back().variantKey != variantKey) runs.push_back({u"", variantKey});
    runs.back().text += text;
}

std::u16string CharacterOfReference(std::u16string_view digits) {
    std::int32_t codePoint = 0;
    for (const char16_t d : digits) {
        if (d < u'0' || d > u'9' || codePoint > 0x10FFFF) return {};
        codePoint = codePoint * 10 + (d - u'0');
    }
    return CodePointText(codePoint);
}

}  // namespace

std::vector<PageRun> PageRuns(std::u16string_view fragment) {
    std::vector<PageRun> runs;
    bool variantKey = false;
    std::size_t i = 0;
    while (i < fragment.size()) {
        const bool tag = fragment[i] == u'<';
        const bool reference = fragment.substr(i, 2) == u"&#";
        const std::size_t end = tag ? fragment.find(u'>', i) : reference ? fragment.find(u';', i) : std::u16string_view::npos;
        if (end == std::u16string_view::npos) {
            AddText(runs, fragment.substr(i, 1), variantKey);
            ++i;
            continue;
        }
        if (tag) variantKey = fragment.substr(i, 6) == u"<FONT ";
        else AddText(runs, CharacterOfReference(fragment.substr(i + 2, end - i - 2)), variantKey);
        i = end + 1;
    }
    return runs;
}

void ShowCandidatePage(PageViews& views, Files& files, EventLoop& loop, BrowserView& view, std::string_view viewName,
                       std::u16string_view fragment) {
    views.DrawCandidatePage(viewName, fragment);
    const std::string path = files.CurrentDirectory() + "/" + std::string(kPageFileName);
    view.Address = Utf8ToU16(path);
    loop.StartTimer(kPageFileTimer, kPageFileQuietMs, [&loop, &files, path, page = std::u16string(fragment)] {
        loop.StopTimer(kPageFileTimer);
        const std::string bytes = CandidatePageBytes(page);
        // The page on screen does not need it; readers outside the program
        // find the last page written.
        if (!files.WriteFile(path, bytes))
            files.LogLine("the page file " + path + " cannot be written (is the disk full?); the window still shows the page");
    });
}

}  // namespace orvik
