// A scripted page around the macro editor, and a small library.
#pragma once

#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "option/advanced_page/macro_editor_model.h"
#include "profile/fixed_text.h"
#include "profile/shared_block.h"

class ScriptedHost final : public MacroEditorHost {
public:
    uint32_t TickCount() override { return now; }
    void InstallKeyCapture() override { ++installs; }
    void RemoveKeyCapture() override { ++removes; }
    std::optional<std::string> AskName(NameMode mode, int group) override {
        asked.push_back({mode, group});
        return nextName;
    }
    bool Warn(WarningVariant variant, int kind) override {
        warnings.push_back({variant, kind});
        return confirm;
    }
    void SaveMacros() override { ++saves; }
    void RefreshButtonCaptions() override { ++captionRefreshes; }

    uint32_t now = 0;
    int installs = 0, removes = 0, saves = 0, captionRefreshes = 0;
    std::optional<std::string> nextName;
    bool confirm = true;
    std::vector<std::pair<NameMode, int>> asked;
    std::vector<std::pair<WarningVariant, int>> warnings;
};

class UnitTexts final : public TextSource {
public:
    std::string Text(int) const override { return "steps"; }
};

// The US layout: keys keep their own usages and names.
inline uint32_t NoLayout(uint32_t, uint32_t) { return 0; }

inline std::unique_ptr<Macro> NamedMacro(std::string_view name, std::vector<MacroEvent> events = {}) {
    auto macro = std::make_unique<Macro>();
    LibraryEntry<Macro>::SetName(*macro, name);
    for (const MacroEvent& e : events) macro->Events[macro->EventCount++] = e;
    return macro;
}

inline void AddGroup(MacroStore& store, std::string name, std::vector<std::unique_ptr<Macro>> macros = {}) {
    MacroFolder group;
    group.Name = std::move(name);
    for (auto& m : macros) group.Entries.push_back(std::move(m));
    store.Folders.push_back(std::move(group));
}

// Entry `e` of every profile plays `group`/`macro`.
inline void AssignEverywhere(Profile (&profiles)[kProfileCount], int e, std::string_view group,
                             std::string_view macro) {
    for (Profile& p : profiles) {
        ButtonFunction& b = p.MacroKeyInfo[e];
        b.Index = static_cast<uint8_t>(e);
        b.Code = 16;
        SetFixedText(b.GroupName, group);
        SetFixedText(b.ItemName, macro);
    }
}
