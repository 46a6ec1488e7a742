#pragma once
// Text wrapped to a width as the labels draw it: right-to-left lines, aligned to the
// right, each broken so that the ink of every glyph lies within the width. Breaking by
// the glyphs' advances alone lets the overhanging strokes of some Arabic letters reach
// past the left edge, where they are cut. The label that draws the text and the metrics
// service that sizes the label both lay it out here: it is wrapped at the width it is
// drawn in. Qt lays out a paragraph in time that grows with the square of its longest
// word; a text is laid out in pieces of a bounded length, so that any text takes time in
// proportion to its length.

#include <QFont>
#include <QGlyphRun>
#include <QList>
#include <QString>
#include <QTextLayout>
#include <memory>
#include <vector>

class QPainter;

namespace sahifex::platform::qt {

class WrappedText {
public:
    WrappedText(const QString& text, const QFont& font, int width);

    const QString& text() const { return text_; }
    const QFont& font() const { return font_; }
    int width() const { return width_; }
    // The height, in pixels, from the top of the first line to the bottom of the last
    // line or of the lowest ink, whichever is lower.
    int height() const { return height_; }
    // Draws the lines with the painter's pen, the first one's top at topLeft.
    void draw(QPainter& painter, const QPointF& topLeft) const;
    // The glyphs as draw() places them with topLeft at the origin.
    QList<QGlyphRun> glyphRuns() const;

private:
    void fitLine(QTextLine& line, qreal y);
    // Lays out the piece of the text from start, length characters long, its first line
    // at y; returns the y below its last line.
    qreal layOutPiece(qsizetype start, qsizetype length, qreal y);

    QString text_;
    QFont font_;
    int width_;
    std::vector<std::unique_ptr<QTextLayout>> pieces_;
    qreal shiftDown_ = 0; // ink above the first line's top moves every line down
    int height_ = 0;
};

} // namespace sahifex::platform::qt
