#include "views/candidate_page_view.h"

#include <QPainter>

namespace orvik {

namespace {

const QColor kTextColour(0x00, 0x44, 0x66);
const QColor kVariantKeyColour(0x00, 0x66, 0xAA);
constexpr int kMargin = 4;

}  // namespace

CandidatePageView::CandidatePageView(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::white);
    setPalette(colours);
    QFont pageFont = font();
    pageFont.setFamily(QStringLiteral("Chu Nom Minh U"));
    setFont(pageFont);
    QTextOption wrapping;
    wrapping.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout_.setTextOption(wrapping);
}

void CandidatePageView::Show(std::u16string_view fragment) {
    std::vector<PageRun> runs = PageRuns(fragment);
    if (runs == runs_) return;
    runs_ = std::move(runs);
    laidOut_ = false;
    update();
}

QString CandidatePageView::ShownText() const {
    QString text;
    for (const PageRun& run : runs_) text += QString::fromStdU16String(run.text);
    return text;
}

void CandidatePageView::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    laidOut_ = false;
}

void CandidatePageView::changeEvent(QEvent* event) {
    QFrame::changeEvent(event);
    if (event->type() == QEvent::FontChange) laidOut_ = false;
}

// Laid out when first painted, not when shown: a key's page is shown before
// the key is answered, and painted after.
void CandidatePageView::LayOut() {
    QList<QTextLayout::FormatRange> colours;
    QString text;
    for (const PageRun& run : runs_) {
        QTextLayout::FormatRange range;
        range.start = static_cast<int>(text.size());
        text += QString::fromStdU16String(run.text);
        range.length = static_cast<int>(text.size()) - range.start;
        range.format.setForeground(run.variantKey ? kVariantKeyColour : kTextColour);
        colours.append(range);
    }
    layout_.setText(text);
    layout_.setFont(font());
    layout_.setFormats(colours);
    const qreal width = contentsRect().width() - 2 * kMargin;
    qreal y = 0;
    layout_.beginLayout();
    for (QTextLine line = layout_.createLine(); line.isValid(); line = layout_.createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, y));
        y += line.height();
    }
    layout_.endLayout();
    laidOut_ = true;
}

void CandidatePageView::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    if (!laidOut_) LayOut();
    QPainter painter(this);
    layout_.draw(&painter, contentsRect().topLeft() + QPointF(kMargin, kMargin));
}

}  // namespace orvik
