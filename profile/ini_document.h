// The text of one INI file, kept line by line so that a change touches only
// the line of its key: other keys, sections, comments, blank lines and line
// ends stay as they were. Section and key names match without regard to
// case; where a name occurs twice, the first section and the first key win.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "profile/ini_values.h"

class IniDocument {
public:
    // Accepts any bytes: CRLF, LF or CR line ends, a missing final line end,
    // lines without "=", junk. Nothing is rejected.
    static IniDocument Parse(std::string_view text);

    // The file text; new lines end in CRLF.
    std::string Text() const;

    // Lines of the text. A count read from a file can never name more keys
    // than this, so loops over such counts are bounded by it.
    std::size_t LineCount() const;

    // The stored value of a key, blanks around it removed; empty for a key
    // line without "="; nullopt when the section or the key is missing.
    std::optional<std::string_view> Find(std::string_view section, std::string_view key) const;

    // Replaces the key's value in place; a missing key is added after the
    // last line of its section, a missing section at the end of the text.
    // Line breaks in names or value become blanks, and text after a NUL is
    // dropped, so a value can never add lines of its own.
    void Set(std::string_view section, std::string_view key, std::string_view value);

    // The reads and writes of the private-profile functions.
    std::string GetString(std::string_view section, std::string_view key, std::string_view fallback,
                          std::size_t bufferSize = kIniStringBufferSize) const;
    int32_t GetInt(std::string_view section, std::string_view key, int32_t fallback) const;
    bool GetStruct(std::string_view section, std::string_view key, void* buffer, std::size_t size) const;
    void PutString(std::string_view section, std::string_view key, std::string_view value);
    void PutInt(std::string_view section, std::string_view key, int32_t value);
    void PutStruct(std::string_view section, std::string_view key, const void* data, std::size_t size);

private:
    enum class Kind { Blank, Section, Key };
    struct Line {
        std::string text;  // without its line end
        std::string end;   // "\r\n", "\n", "\r" or "" for a last line without one
        std::size_t skip = 0;  // leading bytes that are no part of the line's meaning
        Kind kind = Kind::Blank;
        // Section name, or key name and value, as offsets into `text`.
        std::size_t nameBegin = 0, nameEnd = 0;
        std::size_t equals = std::string::npos;  // position of "=" in a key line
        std::size_t valueBegin = 0, valueEnd = 0;
    };

    static Line ParseLine(std::string text, std::string end, std::size_t skip = 0);
    static std::string_view Name(const Line& line);
    static std::string_view Value(const Line& line);
    // Index of the first header of `section`, or lines_.size() when missing;
    // the lines before the first header form a nameless section.
    std::size_t FindSection(std::string_view section) const;
    // One past the last line of the section that starts at `header`.
    std::size_t SectionEnd(std::size_t header) const;
    std::size_t FindKey(std::size_t header, std::string_view key) const;
    void InsertLine(std::size_t at, std::string text);

    std::vector<Line> lines_;
    // Whether some line ends in a bare CR (see InsertLine).
    bool bareCrEnds_ = false;
    // The header Set changed last, known to be the first of its name: a
    // library file puts thousands of keys into one section after another,
    // and each would otherwise scan the whole text for it. Kept valid by
    // InsertLine and Set, the only changes of the lines.
    std::size_t sectionHint_ = kNoHint;
    static constexpr std::size_t kNoHint = static_cast<std::size_t>(-1);
};
