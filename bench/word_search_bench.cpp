// The time of one word search, which reads both verse files to the end, beside the
// physical yardstick: the plain verse file read whole and the lines that hold the
// encoded term counted with a byte search, as grep -F -c does. The search is meant to
// stay within 1.5 times the yardstick, and the flexible search within 1.5 times the exact one.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <vector>

#include "app/options_form.h"
#include "forms/list_controls.h"
#include "platform/fake/fake_system.h"
#include "search/line_match.h"
#include "store/byte_pattern.h"
#include "store/line_ends.h"
#include "store/verse_channels.h"
#include "store/win1256.h"

namespace {

using namespace sahifex;

const std::filesystem::path kDataDir = SAHIFEX_DATA_DIR;

// The lines of the bytes that hold the pattern, as grep -F -c counts them: after each
// place found the search goes on from the next line.
int linesHolding(const store::BytePattern& pattern, std::string_view bytes) {
    int lines = 0;
    for (size_t at = pattern.findIn(bytes); at != std::string_view::npos;
         at = pattern.findIn(bytes, store::afterLineEnd(bytes, store::lineEndFrom(bytes, at))))
        ++lines;
    return lines;
}

// The yardstick, grep -F -c in the program: the plain file read whole into a buffer
// (grep reads its input, it does not map it), the term searched for in its bytes.
void ByteScan(benchmark::State& state, std::u16string term) {
    const store::BytePattern pattern(store::encodeWin1256(term));
    const std::filesystem::path path = kDataDir / store::kPlainFileName;
    int lines = 0;
    for (auto _ : state) {
        std::ifstream in(path, std::ios::binary);
        const auto size = static_cast<size_t>(std::filesystem::file_size(path));
        const auto buffer = std::make_unique_for_overwrite<char[]>(size);
        const auto got = static_cast<size_t>(in.rdbuf()->sgetn(buffer.get(), static_cast<std::streamsize>(size)));
        lines = linesHolding(pattern, {buffer.get(), got});
        benchmark::DoNotOptimize(lines);
    }
    state.counters["lines"] = lines;
}

// The same scan of the plain file's copy kept from one search to the next, as the
// search sees it: the yardstick without the reading.
void KeptByteScan(benchmark::State& state, std::u16string term) {
    const store::BytePattern pattern(store::encodeWin1256(term));
    store::KeptVerseFile kept;
    int lines = 0;
    for (auto _ : state) {
        const store::VerseFileBytes plain = kept.read(kDataDir / store::kPlainFileName);
        lines = linesHolding(pattern, plain.bytes());
        benchmark::DoNotOptimize(lines);
    }
    state.counters["lines"] = lines;
}

// What every word search takes before it compares anything: both verse files whole,
// as the search has them (copies kept from one search to the next while the files
// stay the same).
void BothFilesWhole(benchmark::State& state) {
    store::VerseChannels channels;
    for (auto _ : state) {
        const store::VerseTexts files = channels.readWhole(kDataDir);
        benchmark::DoNotOptimize(files.vocalized().bytes().data());
    }
}

// Command1_Click on the fakes: both files read in step, the rows added, and the
// window's answer to what was found.
void WordSearch(benchmark::State& state, std::u16string word, bool withPrefixes, bool flexible = false,
                bool partOfWord = false) {
    platform::fake::FakeSystem fake;
    const platform::Services services = fake.services(kDataDir);
    app::ProgramState program;
    app::Options_Form form(services, program);
    form.Check6.setValue(withPrefixes ? 1 : 0);
    form.FlexibleSearch.setValue(flexible ? 1 : 0);
    form.Check9.setValue(partOfWord ? 1 : 0);
    int rows = 0;
    for (auto _ : state) {
        form.Text1.setText(word);
        form.Command1_Click();
        rows = form.List1.ListCount();
        fake.clearLog();
    }
    state.counters["rows"] = rows;
}

// The part of a search that no byte scan has: the lines found turned into rows, each
// decoded and listed in the three lists. The lines are found once, before the timing.
void RowsAlone(benchmark::State& state, std::u16string term, bool withPrefixes) {
    store::VerseChannels channels;
    const store::VerseTexts files = channels.readWhole(kDataDir);
    std::vector<search::LineTest> tests{{term, true}};
    if (withPrefixes) {
        tests.push_back({u" و" + term.substr(1), true});
        tests.push_back({u" ف" + term.substr(1), true});
    }
    const std::vector<search::MatchedLine> matched = search::matchLines(files, tests);
    forms::ListBox verses("List1"), vocalized("List2"), codes("List3");
    for (auto _ : state) {
        verses.Clear();
        vocalized.Clear();
        codes.Clear();
        for (const search::MatchedLine& match : matched)
            for (int pass = 0; pass < match.passes; ++pass) {
                verses.AddItem(store::decodeWin1256(match.plain.substr(3)));
                vocalized.AddItem(store::decodeWin1256(match.vocalized));
                codes.AddItem(store::decodeWin1256(match.plain.substr(0, 3)));
            }
    }
    state.counters["rows"] = verses.ListCount();
}

// A word of one verse (pasted at once) and a common one (a long list), the latter also
// with the forms with و and ف searched; beside the yardstick for each word, read and
// kept, and the cost of the common word's rows alone.
BENCHMARK(BothFilesWhole)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(ByteScan, one_verse, u" يئوده ")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(KeptByteScan, one_verse, u" يئوده ")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(WordSearch, one_verse, u"يئوده", false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(ByteScan, common_word, u" قال ")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(KeptByteScan, common_word, u" قال ")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(WordSearch, common_word, u"قال", false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(WordSearch, common_word_and_prefixes, u"قال", true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(RowsAlone, common_word, u" قال ", false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(RowsAlone, common_word_and_prefixes, u" قال ", true)->Unit(benchmark::kMicrosecond);
// The flexible search beside the exact one: the same words, and words whose letters it
// folds (اكل finds أكل; يؤوده finds يئوده), one of folded letters alone (ايه), which no byte
// of its own anchors.
BENCHMARK_CAPTURE(WordSearch, flexible_one_verse, u"يؤوده", false, true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(WordSearch, flexible_common_word, u"قال", false, true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(WordSearch, flexible_common_word_and_prefixes, u"قال", true, true)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(WordSearch, exact_akala, u"أكل", false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(WordSearch, flexible_akala, u"اكل", false, true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(WordSearch, flexible_folded_letters_alone_part_of_word, u"ايه", false, true, true)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(WordSearch, exact_part_of_word, u"آية", false, false, true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(WordSearch, flexible_folded_letters_alone, u"ايه", false, true)
    ->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
