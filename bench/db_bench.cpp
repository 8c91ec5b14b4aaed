// Names database files of 20,000 and 1,000,000 persons: load, save and the peak memory of a
// load, with the one-line-at-a-time sorted insert as the baseline of the same run.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "BenchData.h"
#include "BenchMain.h"
#include "CountingAllocator.h"
#include "core/db/NamesDatabase.h"
#include "core/db/PersonCollator.h"
#include "core/engine/Clock.h"
#include "core/files/AtomicFile.h"
#include "core/text/Encoding.h"

namespace vitalune::bench {
namespace {

namespace fs = std::filesystem;

// The generated files live in one temporary folder for the whole run.
class Files {
  public:
    static Files& Get() {
        static Files files;
        return files;
    }
    ~Files() {
        std::error_code ec;
        fs::remove_all(m_folder, ec);
    }
    const fs::path& Folder() const { return m_folder; }
    // persons/groups -> file, made on first use.
    const fs::path& Database(std::size_t persons, std::size_t groups) {
        const std::string name =
            "db-" + std::to_string(persons) + "-" + std::to_string(groups) + ".rec";
        auto [it, isNew] = m_made.try_emplace(name, m_folder / name);
        if (isNew) {
            if (!WriteFileAtomically(it->second, GenerateDatabaseText(persons, groups))) {
                throw std::runtime_error("cannot write " + it->second.string());
            }
        }
        return it->second;
    }

  private:
    Files() {
        std::string pattern = (fs::temp_directory_path() / "vitalune-bench-XXXXXX").string();
        m_folder = ::mkdtemp(pattern.data());
    }
    fs::path m_folder;
    std::map<std::string, fs::path> m_made;
};

const FixedClock& Today() {
    static const FixedClock clock(EncodeDate(2008, 1, 5));
    return clock;
}

// The method of inserting each line into its sorted list as it is read: a binary search
// with the same collator, then an insert that moves every later line.
std::size_t LoadOneByOne(const fs::path& path) {
    std::string bytes;
    if (!ReadWholeFile(path, bytes)) {
        throw std::runtime_error("cannot read " + path.string());
    }
    const std::string text = DecodeFileText(bytes).utf8;
    const PersonCollator& order = PersonCollator::Instance();
    std::vector<std::string> groups;
    std::vector<std::vector<std::string>> persons;
    std::size_t current = SIZE_MAX;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        end = end == std::string::npos ? text.size() : end;
        std::string_view line(text.data() + pos, end - pos);
        pos = end + 1;
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (line.empty() || line.front() == ';') {
            continue;
        }
        if (line.front() == '#') {
            const PersonGroup group = ParseGroupHeader(line.substr(1));
            const auto found = std::find_if(groups.begin(), groups.end(), [&](const auto& entry) {
                return ParseGroupEntry(entry).name == group.name;
            });
            if (found == groups.end()) {
                groups.push_back(MakeGroupEntry(group.name, group.icon));
                persons.emplace_back();
                current = groups.size() - 1;
            } else {
                current = static_cast<std::size_t>(found - groups.begin());
            }
            continue;
        }
        if (current == SIZE_MAX || !IsValidPersonLine(line)) {
            continue;
        }
        std::vector<std::string>& list = persons[current];
        const auto at = std::lower_bound(
            list.begin(), list.end(), line,
            [&](const std::string& a, std::string_view b) { return order.Compare(a, b) < 0; });
        if (at == list.end() || !order.Equal(*at, line)) {
            list.insert(at, std::string{line});
        }
    }
    std::size_t count = 0;
    for (const auto& list : persons) {
        count += list.size();
    }
    return count;
}

void BM_DbLoad(benchmark::State& state) {
    const fs::path& file = Files::Get().Database(static_cast<std::size_t>(state.range(0)),
                                                 static_cast<std::size_t>(state.range(1)));
    for (auto _ : state) {
        NamesDatabase database(Today());
        const LoadResult result = database.LoadFromFile(file);
        if (result.outcome != LoadResult::Outcome::Loaded) {
            state.SkipWithError("load failed");
        }
        // Counting reads every group.
        benchmark::DoNotOptimize(database.PersonCount());
    }
}
// The speed-up ratios pair the repetitions one by one: each reported, as many of each.
BENCHMARK(BM_DbLoad)
    ->Args({1000000, 100})
    ->Args({20000, 1})
    ->Args({20000, 100})
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(7);

void BM_DbLoadOneByOne(benchmark::State& state) {
    const fs::path& file = Files::Get().Database(static_cast<std::size_t>(state.range(0)),
                                                 static_cast<std::size_t>(state.range(1)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(LoadOneByOne(file));
    }
}
BENCHMARK(BM_DbLoadOneByOne)
    ->Args({20000, 1})
    ->Args({20000, 100})
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(7);

void BM_DbSave(benchmark::State& state) {
    Files& files = Files::Get();
    const fs::path& file = files.Database(static_cast<std::size_t>(state.range(0)),
                                          static_cast<std::size_t>(state.range(1)));
    NamesDatabase database(Today());
    database.LoadFromFile(file);
    const fs::path target = files.Folder() / "saved.rec";
    for (auto _ : state) {
        if (!database.SaveToFile(target)) {
            state.SkipWithError("save failed");
        }
    }
}
BENCHMARK(BM_DbSave)
    ->Args({1000000, 100})
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

// Highest heap use during a load, over the file's size.
void BM_DbLoadMemory(benchmark::State& state) {
    const fs::path& file = Files::Get().Database(static_cast<std::size_t>(state.range(0)),
                                                 static_cast<std::size_t>(state.range(1)));
    const auto fileSize = static_cast<double>(fs::file_size(file));
    double ratio = 0;
    for (auto _ : state) {
        const std::size_t before = HeapInUse();
        ResetHeapPeak();
        {
            NamesDatabase database(Today());
            database.LoadFromFile(file);
            benchmark::DoNotOptimize(database.PersonCount());
        }
        ratio = static_cast<double>(HeapPeak() - before) / fileSize;
    }
    state.counters["peak_per_file_byte"] = ratio;
    state.counters["file_mib"] = fileSize / (1 << 20);
}
BENCHMARK(BM_DbLoadMemory)->Args({1000000, 100})->Unit(benchmark::kMillisecond)->Iterations(1);

const bool kFigures =
    AddFigure(Time("db-load-1m", "s", "BM_DbLoad/1000000/100")) &&
    AddFigure(Ratio("db-load-speedup-20k", "BM_DbLoadOneByOne/20000/1", "BM_DbLoad/20000/1")) &&
    AddFigure(Ratio("db-load-speedup-20k-100-groups", "BM_DbLoadOneByOne/20000/100",
                    "BM_DbLoad/20000/100")) &&
    AddFigure(Time("db-save-1m", "s", "BM_DbSave/1000000/100")) &&
    AddFigure({"db-load-memory",
               "x",
               {"BM_DbLoadMemory"},
               [](const Results& r) {
                   return r.Counter("BM_DbLoadMemory/1000000/100", "peak_per_file_byte");
               },
               2});

}  // namespace
}  // namespace vitalune::bench
