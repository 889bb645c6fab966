#include "views/candidate_page_view.h"

#include <QPainter>

namespace orvik {

namespace {

const QColor kTextColour(0x00, 0x44, 0x66);
const QColor kVariantKeyColour(0x00, 0x66, 0xAA);
constexpr int kMargin = 4;

// A run cut after each "." and space, so a line breaks between candidates.
std::vector<QString> Pieces(const QString& text) {
    std::vector<QString> pieces;
    QString piece;
    for (const QChar c : text) {
        piece += c;
        if (c == u'.' || c == u' ') pieces.push_back(std::exchange(piece, QString()));
    }
    if (!piece.isEmpty()) pieces.push_back(piece);
    return pieces;
}

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
}

void CandidatePageView::Show(std::u16string_view fragment) {
    std::vector<PageRun> runs = PageRuns(fragment);
    if (runs == runs_) return;
    runs_ = std::move(runs);
    update();
}

QString CandidatePageView::ShownText() const {
    QString text;
    for (const PageRun& run : runs_) text += QString::fromStdU16String(run.text);
    return text;
}

void CandidatePageView::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const QRect area = contentsRect().adjusted(kMargin, kMargin, -kMargin, -kMargin);
    QPoint at(area.left(), area.top() + metrics.ascent());
    for (const PageRun& run : runs_) {
        painter.setPen(run.variantKey ? kVariantKeyColour : kTextColour);
        for (const QString& piece : Pieces(QString::fromStdU16String(run.text))) {
            const int width = metrics.horizontalAdvance(piece);
            if (at.x() + width > area.right() && at.x() > area.left()) at = {area.left(), at.y() + metrics.lineSpacing()};
            painter.drawText(at, piece);
            at.rx() += width;
        }
    }
}

}  // namespace orvik
