// Saving and loading a macro library of 100 groups of 50 full macros.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "bench/full_macro_store.h"

namespace {

struct BenchFile {
    BenchFile() { std::filesystem::create_directories(folder / "config"); }
    ~BenchFile() { std::filesystem::remove_all(folder); }
    std::filesystem::path folder = std::filesystem::temp_directory_path() / "macro_store_bench";
    std::string path = MacroStorePath((folder / "").string());
};

void SaveMacroLibrary(benchmark::State& state) {
    BenchFile file;
    InProcessFileLock lock;
    const MacroStore store = FullMacroStore();
    MacroStore other = FullMacroStore();
    other.Folders[0].Entries[0]->Events[0].Value ^= 1;
    bool flip = false;
    // Alternate two stores so every save really writes (an unchanged text is not rewritten).
    for (auto _ : state) benchmark::DoNotOptimize(SaveMacroStore((flip = !flip) ? store : other, file.path, lock));
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(file.path));
}

void LoadMacroLibrary(benchmark::State& state) {
    BenchFile file;
    InProcessFileLock lock;
    SaveMacroStore(FullMacroStore(), file.path, lock);
    MacroStore store;
    for (auto _ : state) {
        LoadMacroStore(store, file.path, lock);
        benchmark::DoNotOptimize(store.Folders.data());
    }
}

}  // namespace

BENCHMARK(SaveMacroLibrary)->Unit(benchmark::kMillisecond);
BENCHMARK(LoadMacroLibrary)->Unit(benchmark::kMillisecond);
