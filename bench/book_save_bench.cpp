// Saving a position beside a 400 MB book, with the peak memory of the process while it saves.
//   sparse: one record, then a 400 MB hole (NUL bytes): the reader stops at the hole and nothing
//           is written;
//   blanks: one record, then 400 MB of blanks: the save copies the whole book into the new file.
// A third case reads the whole sparse book into memory, as a save did before it streamed, for
// comparison. Bar: peak memory under 40 MB whatever the book's size.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "fileio/atomic_file.h"
#include "travel/book_file.h"

namespace {

using namespace quorvel;

constexpr std::size_t kBookBytes = std::size_t{400} << 20;

std::filesystem::path BenchFolder() {
    static const std::filesystem::path folder = [] {
        std::filesystem::path path =
            std::filesystem::temp_directory_path() / ("quorvel-book-bench-" + std::to_string(::getpid()));
        std::filesystem::create_directories(path);
        return path;
    }();
    return folder;
}

std::filesystem::path SparseBook() {
    const std::filesystem::path file = BenchFolder() / "sparse.dat";
    std::ofstream(file, std::ios::binary) << "1 1 1\n";
    std::filesystem::resize_file(file, kBookBytes);
    return file;
}

std::filesystem::path BlankBook() {
    const std::filesystem::path file = BenchFolder() / "blanks.dat";
    std::ofstream out(file, std::ios::binary);
    out << "1 1 1\n";
    const std::string blanks(1 << 20, ' ');
    for (std::size_t written = 0; written < kBookBytes; written += blanks.size()) out << blanks;
    return file;
}

// Forgets the peak so far: the next reading is the peak of what follows (Linux 4.0 on).
void ResetPeakMemory() {
    const int fd = ::open("/proc/self/clear_refs", O_WRONLY | O_CLOEXEC);
    if (fd >= 0) {
        if (::write(fd, "5", 1) != 1) {
            // An older kernel: the peak then includes the set-up.
        }
        ::close(fd);
    }
}

double PeakMemoryMB() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with("VmHWM:")) return std::stod(line.substr(6)) / 1024.0;
    }
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void SaveBesideSparseBook(benchmark::State& state) {
    const std::filesystem::path book = SparseBook();
    ResetPeakMemory();
    for (auto _ : state) benchmark::DoNotOptimize(SaveToBook(book, {2, 2, 2}));
    state.counters["peak_MB"] = PeakMemoryMB();
    std::filesystem::remove(book);
}

void SaveBesideBlankBook(benchmark::State& state) {
    const std::filesystem::path book = BlankBook();
    int round = 0;
    ResetPeakMemory();
    for (auto _ : state) {
        ++round;
        benchmark::DoNotOptimize(SaveToBook(book, {2, 2 + round, 2}));
    }
    state.counters["peak_MB"] = PeakMemoryMB();
    state.counters["book_MB"] = static_cast<double>(std::filesystem::file_size(book)) / (1 << 20);
    std::filesystem::remove(book);
}

void WholeBookInMemory(benchmark::State& state) {
    const std::filesystem::path book = SparseBook();
    ResetPeakMemory();
    for (auto _ : state) benchmark::DoNotOptimize(ReadWholeFile(book));
    state.counters["peak_MB"] = PeakMemoryMB();
    std::filesystem::remove(book);
}

BENCHMARK(SaveBesideSparseBook)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(SaveBesideBlankBook)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(WholeBookInMemory)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
