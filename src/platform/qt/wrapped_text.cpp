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
    : text_(text), font_(font), width_(std::max(1, width)), layout_(text, font) {
    QTextOption option(Qt::AlignRight | Qt::AlignAbsolute);
    // A word wider than the label is broken inside rather than cut.
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    option.setTextDirection(Qt::RightToLeft);
    layout_.setTextOption(option);
    layout_.setCacheEnabled(true);

    layout_.beginLayout();
    qreal y = 0;
    for (QTextLine line = layout_.createLine(); line.isValid(); line = layout_.createLine()) {
        fitLine(line, y);
        y += line.height();
    }
    layout_.endLayout();

    const QRectF ink = inkOf(layout_.glyphRuns());
    shiftDown_ = ink.isNull() ? 0 : std::max<qreal>(0, -ink.top());
    const qreal bottom = std::max(y, ink.isNull() ? 0 : ink.bottom());
    height_ = static_cast<int>(std::ceil(bottom + shiftDown_));
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
    layout_.draw(&painter, topLeft + QPointF(0, shiftDown_));
}

QList<QGlyphRun> WrappedText::glyphRuns() const {
    QList<QGlyphRun> runs = layout_.glyphRuns();
    for (QGlyphRun& run : runs) {
        QList<QPointF> positions = run.positions();
        for (QPointF& at : positions) at.ry() += shiftDown_;
        run.setPositions(positions);
    }
    return runs;
}

} // namespace sahifex::platform::qt
