// Times the save and the load of a macro library of 100 groups of 50 full
// macros through the INI engine and prints the mean of each. Run it under
// Wine or on Windows.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "bench/full_macro_store.h"

namespace {

constexpr int kRounds = 20;

template <class F>
double MeanMilliseconds(F&& run) {
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < kRounds; ++i) run(i);
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count() / kRounds;
}

}  // namespace

int main() {
    const auto dir = std::filesystem::temp_directory_path() / "macro_store_timing";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir / "config");
    const std::string path = MacroStorePath((dir / "").string());
    InProcessFileLock lock;
    const MacroStore store = FullMacroStore();
    MacroStore other = FullMacroStore();
    other.Folders[0].Entries[0]->Events[0].Value ^= 1;

    // Alternate two stores so every save really writes.
    const double save = MeanMilliseconds([&](int i) { SaveMacroStore(i % 2 ? store : other, path, lock); });
    MacroStore loaded;
    const double load = MeanMilliseconds([&](int) { LoadMacroStore(loaded, path, lock); });
    std::printf("macro library, %d groups of %d full macros, %ju bytes:\n", kFullStoreGroups,
                kFullStoreMacrosPerGroup, static_cast<uintmax_t>(std::filesystem::file_size(path)));
    std::printf("  save %.2f ms, load %.2f ms (mean of %d)\n", save, load, kRounds);
    std::filesystem::remove_all(dir);
    return loaded.Folders.size() == store.Folders.size() ? 0 : 1;
}
