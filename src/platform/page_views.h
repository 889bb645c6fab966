// The browser views of the program's windows, named "window.control"
// ("HVTNP.WebBrowser1").
#pragma once

#include <string>
#include <string_view>

namespace orvik {

class PageViews {
public:
    virtual ~PageViews() = default;

    virtual void Navigate(std::string_view view, std::u16string_view address) = 0;
    // Shows a candidate page fragment in its view ("HVTNP.WebBrowser1",
    // "OrvikU.WebBrowser2"), drawn from memory; an empty one clears it.
    virtual void DrawCandidatePage(std::string_view view, std::u16string_view fragment) = 0;
    // The view's history: the page before, the page after, the page on
    // display loaded again. Nothing where the history has no such page.
    virtual void GoBack(std::string_view view) = 0;
    virtual void GoForward(std::string_view view) = 0;
    virtual void Refresh(std::string_view view) = 0;
    // The address of the page on display, however the view came to it (the
    // program, a followed link, its history); empty when it shows none.
    virtual std::u16string LocationURL(std::string_view view) = 0;
};

}  // namespace orvik
