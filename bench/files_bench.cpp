// What opening the slot picker or the high-score window costs when their file
// is huge: each reads its file (readSaveFile, readHighScoreFile), then lays
// out a few labels. Files of 100 MB in three shapes:
//   /0  one line of 100 MB after a whole entry
//   /1  a million short lines
//   /2  an unterminated quote followed by 100 MB
// The counter "maxrss_MB" is the process's peak resident memory so far: it
// stays where it was before the files were read.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <fstream>
#include <string>

#include "meta/HighScoreTable.h"
#include "meta/SaveSlots.h"
#include "tests/support/ScratchFolder.h"

using namespace vrh;

namespace {

constexpr size_t kFileBytes = 100u << 20;

void writeHugeFile(const std::filesystem::path& file, int shape) {
    std::ofstream out(file, std::ios::binary);
    out << "Whole\r\n 70000 \r\n 7 \r\n";
    if (shape == 2) out << '"';
    const std::string line = shape == 1 ? std::string("Name, 1234 , 5 \r\n") : std::string(1 << 20, 'x');
    for (size_t written = 0; written < kFileBytes; written += line.size()) out << line;
}

double peakResidentMB() {
    rusage u{};
    ::getrusage(RUSAGE_SELF, &u);
    return double(u.ru_maxrss) / 1024.0;
}

void BM_OpenWithA100MBFile(benchmark::State& state, bool saves) {
    const test::ScratchFolder dir("vrh_bench_files");
    const auto file = dir / (saves ? kSaveFileName : kHighScoreFileName);
    writeHugeFile(file, int(state.range(0)));
    for (auto _ : state) {
        if (saves) {
            SaveSlots slots;
            benchmark::DoNotOptimize(readSaveFile(slots, file));
        } else {
            benchmark::DoNotOptimize(readHighScoreFile(file));
        }
    }
    state.counters["maxrss_MB"] = peakResidentMB();
}

}  // namespace

BENCHMARK_CAPTURE(BM_OpenWithA100MBFile, high_scores, false)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenWithA100MBFile, save_slots, true)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
