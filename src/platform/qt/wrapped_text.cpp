#include "platform/qt/wrapped_text.h"

#include <QPainter>
#include <QRawFont>
#include <QTextOption>
#include <algorithm>
#include <cmath>

namespace sahifex::platform::qt {

namespace {

// A line is broken anew at most this many times, each a little narrower.
constexpr int kMaxRebreaks = 8;
// The longest piece of text laid out at once: longer than any verse, so that a verse is
// laid out whole; short enough that Qt lays it out in about the time of its length.
constexpr qsizetype kMaxPiece = 2000;

// Where the piece that starts at start ends: after the last space within the longest
// piece, else at a character that begins a letter (no mark or half of a pair cut off).
qsizetype pieceEnd(const QString& text, qsizetype start) {
    if (text.size() - start <= kMaxPiece) return text.size();
    const qsizetype limit = start + kMaxPiece;
    const qsizetype space = text.lastIndexOf(u' ', limit - 1);
    if (space > start) return space + 1;
    qsizetype end = limit;
    while (end > start + 1 && (text[end].isMark() || text[end].isLowSurrogate())) --end;
    return end;
}

QRectF inkOf(const QList<QGlyphRun>& runs) {
    QRectF ink;
    for (const QGlyphRun& run : runs) {
        const QRawFont font = run.rawFont();
        const QList<quint32> glyphs = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        for (qsizetype i = 0; i < glyphs.size(); ++i)
            ink |= font.boundingRect(glyphs[i]).translated(positions[i]);
    }
    return ink;
}

} // namespace

WrappedText::WrappedText(const QString& text, const QFont& font, int width)
    : text_(text), font_(font), width_(std::max(1, width)) {
    qreal y = 0;
    qsizetype start = 0;
    do {
        const qsizetype end = pieceEnd(text_, start);
        y = layOutPiece(start, end - start, y);
        start = end;
    } while (start < text_.size());

    QRectF ink;
    for (const auto& piece : pieces_) ink |= inkOf(piece->glyphRuns());
    shiftDown_ = ink.isNull() ? 0 : std::max<qreal>(0, -ink.top());
    const qreal bottom = std::max(y, ink.isNull() ? 0 : ink.bottom());
    height_ = static_cast<int>(std::ceil(bottom + shiftDown_));
}

qreal WrappedText::layOutPiece(qsizetype start, qsizetype length, qreal y) {
    QTextLayout& layout = *pieces_.emplace_back(std::make_unique<QTextLayout>(text_.mid(start, length), font_));
    QTextOption option(Qt::AlignRight | Qt::AlignAbsolute);
    // A word wider than the label is broken inside rather than cut.
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    option.setTextDirection(Qt::RightToLeft);
    layout.setTextOption(option);
    layout.setCacheEnabled(true);

    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        fitLine(line, y);
        y += line.height();
    }
    layout.endLayout();
    return y;
}

void WrappedText::fitLine(QTextLine& line, qreal y) {
    qreal lineWidth = width_;
    for (int rebreak = 0; rebreak <= kMaxRebreaks; ++rebreak) {
        line.setLineWidth(lineWidth);
        // The narrowed line keeps its right edge at the label's.
        line.setPosition(QPointF(width_ - lineWidth, y));
        QRectF ink = inkOf(line.glyphRuns());
        if (ink.isNull()) return;
        if (ink.right() > width_) {
            const qreal overRight = ink.right() - width_;
            line.setPosition(QPointF(line.x() - overRight, y));
            ink.translate(-overRight, 0);
        }
        // One character that does not fit cannot be broken further.
        if (ink.left() >= 0 || line.textLength() <= 1) return;
        lineWidth = std::floor(lineWidth - std::ceil(-ink.left()));
        if (lineWidth < 1) return;
    }
}

void WrappedText::draw(QPainter& painter, const QPointF& topLeft) const {
    for (const auto& piece : pieces_) piece->draw(&painter, topLeft + QPointF(0, shiftDown_));
}

QList<QGlyphRun> WrappedText::glyphRuns() const {
    QList<QGlyphRun> runs;
    for (const auto& piece : pieces_) runs += piece->glyphRuns();
    for (QGlyphRun& run : runs) {
        QList<QPointF> positions = run.positions();
        for (QPointF& at : positions) at.ry() += shiftDown_;
        run.setPositions(positions);
    }
    return runs;
}

} // namespace sahifex::platform::qt
