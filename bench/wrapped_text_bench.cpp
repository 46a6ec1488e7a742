// The layout of a wrapped label's text (the verse label, the notice), beside the
// yardstick of the same run: the same text laid out by Qt alone, in one paragraph at the
// same width, without the ink of the glyphs fitted in. The label's layout grows with the
// text's length, for words and for one long word alike; Qt's alone grows with the square
// of its longest word.

#include <QTextLayout>
#include <benchmark/benchmark.h>

#include "platform/qt/program_font.h"
#include "platform/qt/wrapped_text.h"
#include "store/long_verse.h"

namespace sahifex {
namespace {

constexpr int kWidth = 400;
constexpr int kPoints = 14;

// Verse 2:282 repeated to the length asked for: Arabic words with their diacritics; or,
// with its spaces left out, one word as long as the text, broken anywhere.
QString textOf(int64_t length, bool words = true) {
    QString verse = QString::fromStdU16String(std::u16string(store::kLongVersePart1) +
                                              std::u16string(store::kLongVersePart2));
    if (!words) verse.remove(u' ');
    QString text;
    while (text.size() < length) text += verse;
    text.truncate(static_cast<qsizetype>(length));
    return text;
}

void WrappedLabelText(benchmark::State& state, bool words) {
    const QString text = textOf(state.range(0), words);
    const QFont font = platform::qt::programFont(kPoints);
    for (auto _ : state) {
        const platform::qt::WrappedText wrapped(text, font, kWidth);
        benchmark::DoNotOptimize(wrapped.height());
    }
    state.SetComplexityN(state.range(0));
}

void QtLayoutAlone(benchmark::State& state, bool words) {
    const QString text = textOf(state.range(0), words);
    const QFont font = platform::qt::programFont(kPoints);
    for (auto _ : state) {
        QTextLayout layout(text, font);
        QTextOption option(Qt::AlignRight | Qt::AlignAbsolute);
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        option.setTextDirection(Qt::RightToLeft);
        layout.setTextOption(option);
        layout.beginLayout();
        qreal y = 0;
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(kWidth);
            line.setPosition(QPointF(0, y));
            y += line.height();
        }
        layout.endLayout();
        benchmark::DoNotOptimize(y);
    }
    state.SetComplexityN(state.range(0));
}

// From a long verse to a megabyte.
BENCHMARK_CAPTURE(WrappedLabelText, words, true)->RangeMultiplier(10)->Range(1000, 1000000)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK_CAPTURE(QtLayoutAlone, words, true)->RangeMultiplier(10)->Range(1000, 1000000)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK_CAPTURE(WrappedLabelText, one_word, false)->RangeMultiplier(10)->Range(1000, 1000000)->Unit(benchmark::kMillisecond)->Complexity();
// Qt alone takes about 15 s of CPU for one word of a megabyte: up to 100000 here.
BENCHMARK_CAPTURE(QtLayoutAlone, one_word, false)->RangeMultiplier(10)->Range(1000, 100000)->Unit(benchmark::kMillisecond)->Complexity();

} // namespace
} // namespace sahifex
