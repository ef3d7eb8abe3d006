#include "shell/hint_text.h"

namespace {

// Only the user-interface thread touches it.
std::string& Current() {
    static std::string text;
    return text;
}

}  // namespace

bool PublishHint(const std::string& text) {
    if (Current() == text) return false;
    Current() = text;
    return true;
}

const std::string& CurrentHint() { return Current(); }
