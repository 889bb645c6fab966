// The page views of this desktop: the browser views and candidate pages the
// window views registered, by "window.view" name. A view that is gone, or
// was never registered, does nothing and shows no page. A candidate page
// is drawn with the windows: the last fragment shown since the last
// drawing.
#pragma once

#include <QPointer>
#include <functional>
#include <map>
#include <string>

#include "platform/page_views.h"
#include "platform/qt/page_view.h"

namespace orvik {

class BrowserPages : public virtual PageViews {
public:
    // `drawSoon` asks for the windows to be drawn once the typing pauses.
    explicit BrowserPages(std::function<void()> drawSoon) : drawSoon_(std::move(drawSoon)) {}

    void RegisterView(const std::string& name, PageView* view) { views_[name] = view; }
    void RegisterCandidatePage(const std::string& name, std::function<void(std::u16string_view)> draw) {
        candidatePages_[name] = std::move(draw);
    }
    // Draws the candidate pages shown since the last drawing.
    void DrawPendingPages();

    void Navigate(std::string_view view, std::u16string_view address) override;
    void DrawCandidatePage(std::string_view view, std::u16string_view fragment) override;
    void GoBack(std::string_view view) override;
    void GoForward(std::string_view view) override;
    void Refresh(std::string_view view) override;
    std::u16string LocationURL(std::string_view view) override;

private:
    PageView* View(std::string_view view) const;

    std::function<void()> drawSoon_;
    std::map<std::string, QPointer<PageView>, std::less<>> views_;
    std::map<std::string, std::function<void(std::u16string_view)>, std::less<>> candidatePages_;
    std::map<std::string, std::u16string, std::less<>> pendingPages_;
};

}  // namespace orvik
