// The candidate page of a window, drawn directly from the fragment the model
// shows: ten candidates and an end mark need no HTML engine, and a key's
// page reaches the screen without a file written or parsed. The font and
// colours are the page file's: "Chu Nom Minh U" (or the desktop's fallback
// for a character it lacks), dark teal, variant keys in light blue.
#pragma once

#include <QFrame>
#include <QTextLayout>
#include <string_view>
#include <vector>

#include "ime/page_file.h"

namespace orvik {

class CandidatePageView : public QFrame {
public:
    explicit CandidatePageView(QWidget* parent = nullptr);

    void Show(std::u16string_view fragment);
    // The page as it reads.
    QString ShownText() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void LayOut();

    std::vector<PageRun> runs_;
    QTextLayout layout_;
    bool laidOut_ = false;
};

}  // namespace orvik
