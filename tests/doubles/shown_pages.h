// The page views of a test: the address each view was sent to (or the test
// set, as if the user followed a link) and the candidate page last drawn in
// it. The views keep no history: back, forward and refresh leave the
// location as it is.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/page_views.h"

namespace orvik {

class ShownPages : public virtual PageViews {
public:
    explicit ShownPages(std::vector<std::string>& calls) : calls_(calls) {}

    void Navigate(std::string_view view, std::u16string_view address) override;
    void DrawCandidatePage(std::string_view view, std::u16string_view fragment) override;
    void GoBack(std::string_view view) override { calls_.push_back("GoBack " + std::string(view)); }
    void GoForward(std::string_view view) override { calls_.push_back("GoForward " + std::string(view)); }
    void Refresh(std::string_view view) override { calls_.push_back("Refresh " + std::string(view)); }
    std::u16string LocationURL(std::string_view view) override;

    void SetLocation(std::string_view view, std::u16string address) { locations_[std::string(view)] = std::move(address); }
    std::u16string Location(std::string_view view) const;
    std::u16string DrawnPage(std::string_view view) const;
    int PagesDrawn() const { return pagesDrawn_; }

private:
    std::vector<std::string>& calls_;
    std::map<std::string, std::u16string, std::less<>> locations_;
    std::map<std::string, std::u16string, std::less<>> drawn_;
    int pagesDrawn_ = 0;
};

}  // namespace orvik
