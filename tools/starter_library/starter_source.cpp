#include "tools/starter_library/starter_source.h"

#include <charconv>
#include <memory>
#include <sstream>
#include <vector>

#include "profile/ini_values.h"

namespace {

struct Parser {
    GunStore& store;
    std::string& error;
    int line = 0;

    bool Fail(const std::string& message) {
        error = "line " + std::to_string(line) + ": " + message;
        return false;
    }

    // Whole decimal or 0x-prefixed numbers within [low, high].
    bool Numbers(std::string_view args, std::size_t count, long low, long high, std::vector<long>& out) {
        std::istringstream words{std::string(args)};
        std::string word;
        while (words >> word) {
            const bool hex = word.rfind("0x", 0) == 0;
            const char* begin = word.data() + (hex ? 2 : 0);
            long value = 0;
            const auto [end, ec] = std::from_chars(begin, word.data() + word.size(), value, hex ? 16 : 10);
            if (ec != std::errc() || end != word.data() + word.size()) return Fail("not a number: " + word);
            if (value < low || value > high)
                return Fail(word + " is outside " + std::to_string(low) + ".." + std::to_string(high));
            out.push_back(value);
        }
        return out.size() == count || Fail("expected " + std::to_string(count) + " numbers");
    }

    Gun* Current() {
        if (store.Folders.empty() || store.Folders.back().Entries.empty()) return nullptr;
        return store.Folders.back().Entries.back().get();
    }

    bool EntryDone() {
        const Gun* entry = Current();
        return !entry || entry->StepCount > 0 || Fail("entry without steps");
    }

    bool Line(std::string_view text) {
        text = IniTrim(text);
        if (text.empty() || text.front() == '#') return true;
        const std::size_t space = text.find(' ');
        const std::string_view word = text.substr(0, space);
        const std::string_view args = space == std::string_view::npos ? "" : IniTrim(text.substr(space));

        if (word == "folder") {
            if (!EntryDone()) return false;
            if (args.empty() || args.size() > LibraryEntry<Gun>::kFolderNameLimit) return Fail("folder name length");
            store.Folders.emplace_back();
            store.Folders.back().Name = std::string(args);
            return true;
        }
        if (word == "gun" || word == "pattern") {
            if (!EntryDone()) return false;
            if (store.Folders.empty()) return Fail("entry before any folder");
            if (args.empty() || args.size() > LibraryEntry<Gun>::kNameLimit) return Fail("entry name length");
            auto entry = std::make_unique<Gun>(word == "gun" ? NewGun(args) : NewAdvanceGun(args));
            entry->StepCount = 0;
            store.Folders.back().Entries.push_back(std::move(entry));
            return true;
        }
        Gun* entry = Current();
        if (!entry) return Fail("'" + std::string(word) + "' outside an entry");
        std::vector<long> n;
        if (word == "colour") {
            if (!Numbers(args, 1, 0, 0xFFFFFF, n)) return false;
            entry->Color = static_cast<uint32_t>(n[0]);
        } else if (word == "modes") {
            if (!Numbers(args, kGunModeCount, 0, 100, n)) return false;
            for (int i = 0; i < kGunModeCount; ++i) entry->ModeValues[i] = static_cast<int32_t>(n[i]);
        } else if (word == "aux") {
            if (!Numbers(args, 1, -32768, 32767, n)) return false;
            entry->Aux = static_cast<int16_t>(n[0]);
        } else if (word == "repeat") {
            if (!Numbers(args, 1, 1, 255, n)) return false;
            entry->RepeatCount = static_cast<int32_t>(n[0]);
        } else if (word == "locked" && args.empty()) {
            entry->ReadOnly = 1;
        } else if (word == "step") {
            if (entry->StepCount == kGunStepCount) return Fail("more than 8 steps");
            std::vector<long> xy, delay;
            const std::size_t last = args.rfind(' ');
            if (last == std::string_view::npos) return Fail("expected X Y DELAY");
            if (!Numbers(args.substr(0, last), 2, -100, 100, xy) || !Numbers(args.substr(last), 1, 0, 999, delay))
                return false;
            entry->Steps[entry->StepCount++] = {static_cast<int32_t>(xy[0]), static_cast<int32_t>(xy[1]),
                                                static_cast<uint16_t>(delay[0]), {0, 0}};
        } else {
            return Fail("unknown line '" + std::string(text) + "'");
        }
        return true;
    }
};

}  // namespace

bool ParseStarterSource(std::string_view source, GunStore& store, std::string& error) {
    store.Folders.clear();
    Parser parser{store, error};
    std::size_t pos = 0;
    while (pos <= source.size()) {
        const std::size_t end = std::min(source.find('\n', pos), source.size());
        ++parser.line;
        if (!parser.Line(source.substr(pos, end - pos))) return false;
        pos = end + 1;
    }
    return parser.EntryDone();
}
