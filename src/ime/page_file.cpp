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

void ShowCandidatePage(Platform& platform, BrowserView& view, std::string_view viewName,
                       std::u16string_view fragment) {
    const std::string path = platform.CurrentDirectory() + "/" + std::string(kPageFileName);
    platform.WriteFile(path, CandidatePageBytes(fragment));
    view.Address = Utf8ToU16(path);
    platform.Navigate(viewName, view.Address);
}

}  // namespace orvik
