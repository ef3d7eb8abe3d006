#include "profile/ini_document.h"

#include "profile/struct_value.h"

namespace {

constexpr std::string_view kNewLineEnd = "\r\n";

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
    return true;
}

// Text that is written into a line: cut at a NUL as a C string would be, and
// with line breaks turned into blanks so it stays on its line.
std::string OneLine(std::string_view text) {
    const std::size_t nul = text.find('\0');
    std::string out(nul == std::string_view::npos ? text : text.substr(0, nul));
    for (char& c : out)
        if (c == '\r' || c == '\n') c = ' ';
    return out;
}

// Length of a UTF-8 byte-order mark at the start of the text, if any.
std::size_t ByteOrderMark(std::string_view text) { return text.substr(0, 3) == "\xEF\xBB\xBF" ? 3 : 0; }

}  // namespace

IniDocument::Line IniDocument::ParseLine(std::string text, std::string end, std::size_t skip) {
    Line line;
    line.text = std::move(text);
    line.end = std::move(end);
    line.skip = skip;
    const std::string_view all = line.text;
    std::size_t begin = skip, stop = all.size();
    while (begin < stop && IsIniBlank(all[begin])) ++begin;
    while (stop > begin && IsIniBlank(all[stop - 1])) --stop;
    if (begin == stop) return line;

    if (all[begin] == '[') {
        const std::size_t close = all.rfind(']', stop - 1);
        if (close != std::string_view::npos && close > begin) {
            line.kind = Kind::Section;
            const std::string_view name = IniTrim(all.substr(begin + 1, close - begin - 1));
            line.nameBegin = name.empty() ? begin + 1 : static_cast<std::size_t>(name.data() - all.data());
            line.nameEnd = line.nameBegin + name.size();
            return line;
        }
    }
    line.kind = Kind::Key;
    const std::size_t equals = all.substr(0, stop).find('=', begin);
    const std::size_t nameStop = equals == std::string_view::npos ? stop : equals;
    const std::string_view name = IniTrim(all.substr(begin, nameStop - begin));
    line.nameBegin = begin;
    line.nameEnd = begin + name.size();
    if (equals != std::string_view::npos) {
        line.equals = equals;
        const std::string_view value = IniTrim(all.substr(equals + 1, stop - equals - 1));
        line.valueBegin = value.empty() ? stop : static_cast<std::size_t>(value.data() - all.data());
        line.valueEnd = line.valueBegin + value.size();
    }
    return line;
}

IniDocument IniDocument::Parse(std::string_view text) {
    IniDocument doc;
    // A UTF-8 byte-order mark stays in the text but is no part of the first line.
    std::size_t skip = ByteOrderMark(text);
    std::size_t pos = 0;
    while (pos < text.size()) {
        // Lines end at LF; a text without any further LF is split at CR.
        std::size_t stop = text.find('\n', pos);
        if (stop == std::string_view::npos) stop = text.find('\r', pos);
        const std::size_t next = stop == std::string_view::npos ? text.size() : stop + 1;
        std::size_t contentEnd = stop == std::string_view::npos ? text.size() : stop;
        if (stop != std::string_view::npos && text[stop] == '\n' && contentEnd > pos + skip &&
            text[contentEnd - 1] == '\r')
            --contentEnd;
        doc.lines_.push_back(ParseLine(std::string(text.substr(pos, contentEnd - pos)),
                                       std::string(text.substr(contentEnd, next - contentEnd)), skip));
        if (doc.lines_.back().end == "\r") doc.bareCrEnds_ = true;
        pos = next;
        skip = 0;
    }
    return doc;
}

std::string IniDocument::Text() const {
    std::string text;
    std::size_t size = 0;
    for (const Line& line : lines_) size += line.text.size() + line.end.size();
    text.reserve(size);
    for (const Line& line : lines_) {
        text += line.text;
        text += line.end;
    }
    return text;
}

std::size_t IniDocument::LineCount() const { return lines_.size(); }

std::string_view IniDocument::Name(const Line& line) {
    return std::string_view(line.text).substr(line.nameBegin, line.nameEnd - line.nameBegin);
}

std::string_view IniDocument::Value(const Line& line) {
    if (line.equals == std::string::npos) return {};
    return std::string_view(line.text).substr(line.valueBegin, line.valueEnd - line.valueBegin);
}

std::size_t IniDocument::FindSection(std::string_view section) const {
    const std::string_view wanted = IniTrim(section);
    for (std::size_t i = 0; i < lines_.size(); ++i)
        if (lines_[i].kind == Kind::Section && SameName(Name(lines_[i]), wanted)) return i;
    return lines_.size();
}

std::size_t IniDocument::SectionEnd(std::size_t header) const {
    std::size_t i = header + 1;
    while (i < lines_.size() && lines_[i].kind != Kind::Section) ++i;
    return i;
}

std::size_t IniDocument::FindKey(std::size_t header, std::string_view key) const {
    const std::string_view wanted = IniTrim(key);
    const std::size_t end = SectionEnd(header);
    for (std::size_t i = header + 1; i < end; ++i)
        if (lines_[i].kind == Kind::Key && SameName(Name(lines_[i]), wanted)) return i;
    return lines_.size();
}

std::optional<std::string_view> IniDocument::Find(std::string_view section, std::string_view key) const {
    const std::size_t header = FindSection(section);
    if (header == lines_.size()) return std::nullopt;
    const std::size_t at = FindKey(header, key);
    if (at == lines_.size()) return std::nullopt;
    return Value(lines_[at]);
}

void IniDocument::InsertLine(std::size_t at, std::string text) {
    // The line before a new one must end, even if the file's last line did not.
    if (at > 0 && lines_[at - 1].end.empty()) lines_[at - 1].end = kNewLineEnd;
    // Lines split at a bare CR only while the text has no LF at all: once the
    // new line brings one, they must end in CRLF too or they would merge.
    if (bareCrEnds_) {
        for (Line& line : lines_)
            if (line.end == "\r") line.end = kNewLineEnd;
        bareCrEnds_ = false;
    }
    Line line = ParseLine(std::move(text), std::string(kNewLineEnd));
    // A header inserted before the hint could be an earlier one of its name.
    if (sectionHint_ != kNoHint && at <= sectionHint_)
        sectionHint_ = line.kind == Kind::Section ? kNoHint : sectionHint_ + 1;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), std::move(line));
}

void IniDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
    const std::string name = OneLine(IniTrim(key));
    const std::string text = OneLine(value);
    const bool hinted = sectionHint_ < lines_.size() && lines_[sectionHint_].kind == Kind::Section &&
                        SameName(Name(lines_[sectionHint_]), IniTrim(section));
    std::size_t header = hinted ? sectionHint_ : FindSection(section);
    if (header == lines_.size()) {
        std::string header(1, '[');
        header += OneLine(IniTrim(section));
        header += ']';
        InsertLine(lines_.size(), std::move(header));
        sectionHint_ = lines_.size() - 1;
        InsertLine(lines_.size(), name + "=" + text);
        return;
    }
    sectionHint_ = header;
    const std::size_t at = FindKey(header, name);
    if (at != lines_.size()) {
        Line& line = lines_[at];
        const std::string kept = line.equals == std::string::npos ? line.text.substr(0, line.nameEnd) + "="
                                                                  : line.text.substr(0, line.equals + 1);
        line = ParseLine(kept + text, line.end, line.skip);
        // A value can turn its key line into a header ("[a=b" given "]").
        if (line.kind == Kind::Section) sectionHint_ = kNoHint;
        return;
    }
    // After the section's last non-blank line, so blank lines that separate
    // it from the next section stay in front of that section.
    std::size_t after = SectionEnd(header);
    while (after > header + 1 && lines_[after - 1].kind == Kind::Blank) --after;
    InsertLine(after, name + "=" + text);
}

std::string IniDocument::GetString(std::string_view section, std::string_view key, std::string_view fallback,
                                   std::size_t bufferSize) const {
    const auto value = Find(section, key);
    return value ? IniReadValue(*value, bufferSize) : IniReadDefault(fallback, bufferSize);
}

int32_t IniDocument::GetInt(std::string_view section, std::string_view key, int32_t fallback) const {
    const auto value = Find(section, key);
    return value ? IniParseInt(*value, fallback) : fallback;
}

bool IniDocument::GetStruct(std::string_view section, std::string_view key, void* buffer, std::size_t size) const {
    const auto value = Find(section, key);
    return value && DecodeStructValue(*value, buffer, size);
}

void IniDocument::PutString(std::string_view section, std::string_view key, std::string_view value) {
    Set(section, key, value);
}

void IniDocument::PutInt(std::string_view section, std::string_view key, int32_t value) {
    Set(section, key, IniFormatInt(value));
}

void IniDocument::PutStruct(std::string_view section, std::string_view key, const void* data, std::size_t size) {
    Set(section, key, EncodeStructValue(data, size));
}
