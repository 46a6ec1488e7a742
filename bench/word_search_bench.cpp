// The time of one word search, which reads both verse files to the end, beside the time
// of reading and scanning the plain verse file alone. The search is meant to stay within
// 1.5 times the plain scan.

#include <benchmark/benchmark.h>

#include <filesystem>

#include "app/options_form.h"
#include "platform/fake/fake_system.h"
#include "store/verse_channels.h"

namespace {

using namespace sahifex;

const std::filesystem::path kDataDir = SAHIFEX_DATA_DIR;

// The plain file read line by line and each line searched for the term: the least any
// search of this file can do.
void PlainFileScan(benchmark::State& state, std::u16string term) {
    for (auto _ : state) {
        store::VerseFile plain(kDataDir / store::kPlainFileName);
        int found = 0;
        while (!plain.atEnd())
            if (plain.readLine().find(term) != std::u16string::npos) ++found;
        benchmark::DoNotOptimize(found);
    }
}

// Command1_Click on the fakes: both files read in step, the rows added, and the
// window's answer to what was found.
void WordSearch(benchmark::State& state, std::u16string word, bool withPrefixes) {
    platform::fake::FakeSystem fake;
    const platform::Services services = fake.services(kDataDir);
    app::ProgramState program;
    app::Options_Form form(services, program);
    form.Check6.setValue(withPrefixes ? 1 : 0);
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
BENCHMARK_CAPTURE(PlainFileScan, one_verse, u" يئوده ")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(WordSearch, one_verse, u"يئوده", false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PlainFileScan, common_word, u" قال ")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(WordSearch, common_word, u"قال", false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(WordSearch, common_word_and_prefixes, u"قال", true)
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
