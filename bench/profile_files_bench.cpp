// Saving and loading the five profile files and config.ini.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "bench/full_profiles.h"
#include "profile/profile_files.h"

namespace {

struct BenchFolder {
    BenchFolder() {
        std::filesystem::remove_all(path);
        std::filesystem::create_directories(path / "config");
    }
    ~BenchFolder() { std::filesystem::remove_all(path); }
    std::filesystem::path path = std::filesystem::temp_directory_path() / "profile_files_bench";
};

void SaveAll(benchmark::State& state) {
    BenchFolder folder;
    InProcessFileLock lock;
    NoTexts texts;
    NoWindowsMouseSettings mouse;
    const ProfileStorage storage{(folder.path / "").string(), lock, texts, mouse};
    const auto set = FullProfileSet();
    for (auto _ : state) benchmark::DoNotOptimize(SaveAllProfiles(*set, storage));
}

void LoadAll(benchmark::State& state) {
    BenchFolder folder;
    InProcessFileLock lock;
    NoTexts texts;
    NoWindowsMouseSettings mouse;
    const ProfileStorage storage{(folder.path / "").string(), lock, texts, mouse};
    SaveAllProfiles(*FullProfileSet(), storage);
    const auto set = FullProfileSet();
    for (auto _ : state) benchmark::DoNotOptimize(LoadAllProfiles(*set, storage));
}

}  // namespace

BENCHMARK(SaveAll)->Unit(benchmark::kMillisecond);
BENCHMARK(LoadAll)->Unit(benchmark::kMillisecond);
