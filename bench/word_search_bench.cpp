// The time of one word search, which reads both verse files to the end, beside the
// physical yardstick: the plain verse file read whole and the lines that hold the
// encoded term counted with a byte search, as grep -F -c does. The search is meant to
// stay within 1.5 times the yardstick, and the flexible search within 1.5 times the exact one.

#include <benchmark/benchmark.h>

#include <filesystem>

#include "app/options_form.h"
#include "platform/fake/fake_system.h"
#include "store/byte_pattern.h"
#include "store/line_ends.h"
#include "store/verse_channels.h"
#include "store/win1256.h"

namespace {

using namespace sahifex;

const std::filesystem::path kDataDir = SAHIFEX_DATA_DIR;

// grep -F -c in the program: the file read whole, the term searched for in its bytes,
// and after each place found the search goes on from the next line.
void ByteScan(benchmark::State& state, std::u16string term) {
    const store::BytePattern pattern(store::encodeWin1256(term));
    int lines = 0;
    for (auto _ : state) {
        const store::VerseFileBytes plain(kDataDir / store::kPlainFileName);
        const std::string_view bytes = plain.bytes();
        lines = 0;
        for (size_t at = pattern.findIn(bytes); at != std::string_view::npos;
             at = pattern.findIn(bytes, store::afterLineEnd(bytes, store::lineEndFrom(bytes, at))))
            ++lines;
        benchmark::DoNotOptimize(lines);
    }
    state.counters["lines"] = lines;
}

// What every word search reads before it compares anything: both verse files whole.
// Beside the yardstick, which reads the plain file alone, this is the floor of the
// search's cost.
void ReadBothFiles(benchmark::State& state) {
    store::VerseChannels channels;
    for (auto _ : state) {
        const store::VerseTexts files = channels.readWhole(kDataDir);
        benchmark::DoNotOptimize(files.vocalized().bytes().data());
    }
}

// Command1_Click on the fakes: both files read in step, the rows added, and the
// window's answer to what was found.
void WordSearch(benchmark::State& state, std::u16string word, bool withPrefixes, bool flexible = false) {
    platform::fake::FakeSystem fake;
    const platform::Services services = fake.services(kDataDir);
    app::ProgramState program;
    app::Options_Form form(services, program);
    form.Check6.setValue(withPrefixes ? 1 : 0);
    form.FlexibleSearch.setValue(flexible ? 1 : 0);
    int rows = 0;
    for (auto _ : state) {
        form.Text1.setText(word);
        form.Command1_Click();
        rows = form.List1.ListCount();
        fake.clearLog();
    }
    state.counters["rows"] = rows;
}

// A word of one verse (pasted at once) and a common one (a long list), the latter also
// with the forms with و and ف searched.
BENCHMARK(ReadBothFiles)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(ByteScan, one_verse, u" يئوده ")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(WordSearch, one_verse, u"يئوده", false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(ByteScan, common_word, u" قال ")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(WordSearch, common_word, u"قال", false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(WordSearch, common_word_and_prefixes, u"قال", true)
    ->Unit(benchmark::kMicrosecond);
// The flexible search beside the exact one: the same words, and words whose letters it
// folds (اكل finds أكل; يؤوده finds يئوده), one of folded letters alone (ايه), which no byte
// of its own anchors.
BENCHMARK_CAPTURE(WordSearch, flexible_one_verse, u"يؤوده", false, true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(WordSearch, flexible_common_word, u"قال", false, true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(WordSearch, flexible_common_word_and_prefixes, u"قال", true, true)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(WordSearch, exact_akala, u"أكل", false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(WordSearch, flexible_akala, u"اكل", false, true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(WordSearch, flexible_folded_letters_alone, u"ايه", false, true)
    ->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
