#include "doubles/shown_pages.h"

#include "doubles/value_of.h"
#include "engine/text.h"

namespace orvik {

void ShownPages::Navigate(std::string_view view, std::u16string_view address) {
    calls_.push_back("Navigate " + std::string(view) + " " + U16ToUtf8(address));
    locations_[std::string(view)] = std::u16string(address);
}

void ShownPages::DrawCandidatePage(std::string_view view, std::u16string_view fragment) {
    calls_.push_back("DrawCandidatePage " + std::string(view));
    drawn_[std::string(view)] = std::u16string(fragment);
    ++pagesDrawn_;
}

std::u16string ShownPages::LocationURL(std::string_view view) {
    calls_.push_back("LocationURL " + std::string(view));
    return Location(view);
}

std::u16string ShownPages::Location(std::string_view view) const { return ValueOf(locations_, view); }

std::u16string ShownPages::DrawnPage(std::string_view view) const { return ValueOf(drawn_, view); }

}  // namespace orvik
