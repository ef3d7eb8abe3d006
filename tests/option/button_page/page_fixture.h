// A fresh default profile set with profile 2 current, and texts that show
// their own number ("#1003") so tests can tell which string was used.
#pragma once

#include <memory>
#include <string>

#include "profile/profile_defaults.h"
#include "profile/text_source.h"

class NumberTexts final : public TextSource {
public:
    std::string Text(int id) const override { return "#" + std::to_string(id); }
};

inline std::unique_ptr<SharedBlock> DefaultBlock(int current = 2) {
    auto block = std::make_unique<SharedBlock>();
    ResetSharedProfiles(*block);
    BuildDefaultProfiles(*block, NumberTexts());
    block->CurrentProfile = current;
    return block;
}
