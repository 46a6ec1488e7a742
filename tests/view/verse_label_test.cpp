// The verse label as the main window draws it: every verse of the vocalized file, and
// the long verse the program holds itself, wrapped at the label's width, with every
// glyph inside the label and the label as tall as its lines.

#include <QFontMetrics>
#include <QPainterPath>
#include <QRawFont>
#include <gtest/gtest.h>
#include <map>

#include "app/options_form.h"
#include "bar/top_bar.h"
#include "platform/fake/fake_system.h"
#include "platform/qt/qt_text_metrics.h"
#include "platform/twips.h"
#include "platform/qt/window_registry.h"
#include "store/long_verse.h"
#include "store/verse_channels.h"
#include "support/verse_file.h"
#include "view/form_window.h"
#include "view/wrapped_label.h"

namespace sahifex::view {
namespace {

using platform::toPixels;

// The ink of glyphs from their outlines, which the label's layout does not use.
class GlyphOutlines {
public:
    QRectF inkOf(const QGlyphRun& run, qsizetype i) {
        const quint32 glyph = run.glyphIndexes()[i];
        auto it = bounds_.find(glyph);
        if (it == bounds_.end())
            it = bounds_.emplace(glyph, run.rawFont().pathForGlyph(glyph).boundingRect()).first;
        return it->second.translated(run.positions()[i]);
    }

private:
    std::map<quint32, QRectF> bounds_; // one font: the label's
};

struct VerseLabel : ::testing::Test {
    // The drawn glyphs that reach outside the label, as text for the failure message.
    std::string glyphsOutside() {
        auto* label = static_cast<WrappedLabel*>(window.widgetOf(form.Label2));
        const QRectF inside(QPointF(0, 0), QSizeF(label->size()));
        std::string outside;
        for (const QGlyphRun& run : label->wrapped().glyphRuns())
            for (qsizetype i = 0; i < run.glyphIndexes().size(); ++i)
                if (const QRectF ink = outlines.inkOf(run, i); !ink.isEmpty() && !inside.contains(ink))
                    outside += " glyph at x " + std::to_string(ink.left()) + ".." +
                               std::to_string(ink.right()) + " y " + std::to_string(ink.top()) +
                               ".." + std::to_string(ink.bottom()) + ";";
        return outside;
    }
    // How far the lines' ink ends above the label's bottom edge.
    double spaceBelowInk() {
        auto* label = static_cast<WrappedLabel*>(window.widgetOf(form.Label2));
        double bottom = 0;
        for (const QGlyphRun& run : label->wrapped().glyphRuns())
            for (qsizetype i = 0; i < run.glyphIndexes().size(); ++i)
                bottom = std::max(bottom, outlines.inkOf(run, i).bottom());
        return label->height() - bottom;
    }

    platform::fake::FakeSystem fake;
    platform::qt::QtTextMetrics metrics;
    platform::Services services = fake.servicesMeasuredBy(metrics, SAHIFEX_DATA_DIR);
    app::ProgramState program;
    app::Options_Form form{services, program};
    platform::qt::WindowRegistry windows;
    FormWindow window{form, WindowStyle::Frameless, windows};
    GlyphOutlines outlines;
};

TEST_F(VerseLabel, EveryVerseIsDrawnWholeInsideTheLabelAsTallAsItsLines) {
    QWidget* label = window.widgetOf(form.Label2);
    const int lineSpacing = QFontMetrics(label->font()).lineSpacing();
    std::vector<std::u16string> verses;
    testing::VerseFile file(std::filesystem::path(SAHIFEX_DATA_DIR) / store::kVocalizedFileName);
    while (!file.atEnd()) verses.push_back(file.readLine());
    ASSERT_EQ(verses.size(), 6236u);
    verses.push_back(std::u16string(store::kLongVersePart1) + std::u16string(store::kLongVersePart2));

    int checked = 0, taller = 0;
    for (const std::u16string& verse : verses) {
        form.Label2.setCaption(verse);
        ++checked;
        ASSERT_EQ(label->width(), toPixels(form.Label2.width()));
        ASSERT_EQ(label->height(), toPixels(form.Label2.height())) << "verse " << checked;
        const std::string outside = glyphsOutside();
        EXPECT_EQ(outside, "") << "verse " << checked;
        EXPECT_LT(spaceBelowInk(), lineSpacing) << "no empty line below verse " << checked;
        if (label->height() > lineSpacing) ++taller;
    }
    EXPECT_GT(taller, 1000) << "long verses take several lines";
}

TEST_F(VerseLabel, ANarrowLabelBreaksAWordRatherThanCutIt) {
    form.Label2.setWidth(600);
    form.Label2.setCaption(u"فَأَسْقَيْنَاكُمُوهُ وَمَا أَنْتُمْ لَهُ بِخَازِنِينَ");
    EXPECT_EQ(glyphsOutside(), "");
    EXPECT_EQ(window.widgetOf(form.Label2)->height(), toPixels(form.Label2.height()));
}

// Texts longer than any verse are laid out in pieces: the pieces' lines follow each
// other, every glyph inside the label, for words and for one long word alike.
TEST_F(VerseLabel, TextsLongerThanAnyVerseAreDrawnWholeLineAfterLine) {
    QWidget* label = window.widgetOf(form.Label2);
    const int lineSpacing = QFontMetrics(label->font()).lineSpacing();
    const std::u16string verse = std::u16string(store::kLongVersePart1) + std::u16string(store::kLongVersePart2);
    form.Label2.setCaption(verse);
    const int once = label->height();
    std::u16string oneWord;
    for (char16_t c : verse + verse + verse + verse + verse)
        if (c != u' ') oneWord += c;
    for (const std::u16string& text : {verse + u" " + verse + u" " + verse, oneWord}) {
        form.Label2.setCaption(text);
        EXPECT_EQ(glyphsOutside(), "") << text.size() << " characters";
        EXPECT_LT(spaceBelowInk(), lineSpacing) << text.size() << " characters";
        EXPECT_EQ(label->height(), toPixels(form.Label2.height()));
        EXPECT_GE(label->height(), 3 * once - 2 * lineSpacing) << text.size() << " characters";
    }
}

} // namespace
} // namespace sahifex::view
