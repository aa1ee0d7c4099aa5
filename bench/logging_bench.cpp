// One reading appended to the day's log: open, write, close, as every tick
// does while logging.
#include <benchmark/benchmark.h>

#include <unistd.h>
#include <cstdio>
#include <filesystem>

#include "logging/log_lines.h"
#include "platform/append_file.h"

namespace {

void LogAppend(benchmark::State& state) {
    const auto folder = std::filesystem::temp_directory_path() / ("tidemark-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const std::string path = tidemark::logfile::filePath(folder.string(), {2026, 12, 6});
    for (auto _ : state) {
        const std::string line = tidemark::logfile::readingLine("23 %", "61 %");
        benchmark::DoNotOptimize(tidemark::appendToFile(path, line));
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(LogAppend)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
