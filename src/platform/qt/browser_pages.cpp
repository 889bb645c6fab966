#include "platform/qt/browser_pages.h"

namespace orvik {

PageView* BrowserPages::View(std::string_view view) const {
    const auto found = views_.find(view);
    return found == views_.end() ? nullptr : found->second.data();
}

void BrowserPages::DrawPendingPages() {
    for (const auto& [view, fragment] : pendingPages_)
        if (const auto found = candidatePages_.find(view); found != candidatePages_.end()) found->second(fragment);
    pendingPages_.clear();
}

void BrowserPages::Navigate(std::string_view view, std::u16string_view address) {
    if (PageView* page = View(view)) page->Open(QString::fromStdU16String(std::u16string(address)));
}

void BrowserPages::DrawCandidatePage(std::string_view view, std::u16string_view fragment) {
    pendingPages_.insert_or_assign(std::string(view), std::u16string(fragment));
    drawSoon_();
}

void BrowserPages::GoBack(std::string_view view) {
    if (PageView* page = View(view)) page->backward();
}

void BrowserPages::GoForward(std::string_view view) {
    if (PageView* page = View(view)) page->forward();
}

void BrowserPages::Refresh(std::string_view view) {
    if (PageView* page = View(view)) page->reload();
}

std::u16string BrowserPages::LocationURL(std::string_view view) {
    const PageView* page = View(view);
    return page ? page->source().toString().toStdU16String() : std::u16string();
}

}  // namespace orvik
