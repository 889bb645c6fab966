// The history and location of the browser views the windows registered. A
// view that is gone, or was never registered, does nothing and shows no
// page.
#include "platform/qt/page_view.h"
#include "platform/qt/qt_platform.h"

namespace orvik {

PageView* QtPlatform::View(std::string_view view) const {
    const auto found = views_.find(view);
    return found == views_.end() ? nullptr : found->second.data();
}

void QtPlatform::GoBack(std::string_view view) {
    if (PageView* page = View(view)) page->backward();
}

void QtPlatform::GoForward(std::string_view view) {
    if (PageView* page = View(view)) page->forward();
}

void QtPlatform::Refresh(std::string_view view) {
    if (PageView* page = View(view)) page->reload();
}

std::u16string QtPlatform::LocationURL(std::string_view view) {
    const PageView* page = View(view);
    return page ? page->source().toString().toStdU16String() : std::u16string();
}

}  // namespace orvik
