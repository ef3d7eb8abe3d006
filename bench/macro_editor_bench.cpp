// The macro editor's redisplay when a recording fills the macro: the event
// rows rebuilt for 50 events with their pauses, alone and as part of the
// 50th captured key (which also stops the recording, writes the macro back
// and brings the macro buttons of all five profiles in step).
#include <benchmark/benchmark.h>

#include <memory>

#include "option/advanced_page/macro_editor_model.h"
#include "profile/fixed_text.h"
#include "profile/shared_block.h"

namespace {

class QuietHost final : public MacroEditorHost {
public:
    uint32_t TickCount() override { return now += 120; }
    void InstallKeyCapture() override {}
    void RemoveKeyCapture() override {}
    std::optional<std::string> AskName(NameMode, int) override { return std::nullopt; }
    bool Warn(WarningVariant, int) override { return false; }
    void SaveMacros() override {}
    void RefreshButtonCaptions() override {}
    uint32_t now = 0;
};

class UnitText final : public TextSource {
public:
    std::string Text(int) const override { return "steps"; }
};

uint32_t UsLayout(uint32_t, uint32_t) { return 0; }

// One group with one macro, played by two buttons of every profile.
struct EditorBench {
    EditorBench() {
        MacroFolder group;
        group.Name = "Games";
        group.Expanded = true;
        auto macro = std::make_unique<Macro>();
        LibraryEntry<Macro>::SetName(*macro, "Rotation");
        group.Entries.push_back(std::move(macro));
        store.Folders.push_back(std::move(group));
        for (Profile& p : block->Profiles) {
            for (int e : {3, 19}) {
                p.MacroKeyInfo[e].Code = 16;
                SetFixedText(p.MacroKeyInfo[e].GroupName, "Games");
                SetFixedText(p.MacroKeyInfo[e].ItemName, "Rotation");
            }
        }
        editor.RefreshTree();
        editor.SelectTreeRow(1);
        editor.SetRecordDelays(true);
    }
    // Records 49 events: A to Y pressed and released in turn.
    void RecordFortyNine() {
        editor.Record();
        for (int i = 0; i < 49; ++i) editor.KeyCaptured(0x41 + static_cast<uint32_t>(i / 2), i % 2 != 0);
    }

    MacroStore store;
    std::unique_ptr<SharedBlock> block = std::make_unique<SharedBlock>();
    QuietHost host;
    UnitText texts;
    MacroEditorModel editor{{store, block->Profiles, host, texts, UsLayout}};
};

void RedisplayFiftyEvents(benchmark::State& state) {
    EditorBench bench;
    bench.RecordFortyNine();
    bench.editor.KeyCaptured(0x5A, false);
    for (auto _ : state) {
        bench.editor.RefreshEvents();
        benchmark::DoNotOptimize(bench.editor.EventRows().data());
    }
    state.counters["rows"] = static_cast<double>(bench.editor.EventRows().size());
}

void CaptureFiftiethEvent(benchmark::State& state) {
    EditorBench bench;
    for (auto _ : state) {
        state.PauseTiming();
        bench.RecordFortyNine();
        state.ResumeTiming();
        bench.editor.KeyCaptured(0x5A, false);
        benchmark::DoNotOptimize(bench.editor.EventRows().data());
    }
    if (bench.editor.Recording()) state.SkipWithError("the 50th event did not stop the recording");
}

}  // namespace

BENCHMARK(RedisplayFiftyEvents)->Unit(benchmark::kMicrosecond);
BENCHMARK(CaptureFiftiethEvent)->Unit(benchmark::kMicrosecond);
