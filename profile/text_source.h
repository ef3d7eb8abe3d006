// Numbered user-interface texts. The programs read them from the language
// library; the core only sees this interface so it can be tested without it.
#pragma once

#include <string>

class TextSource {
public:
    virtual ~TextSource() = default;
    // The text of string number `id`, or the empty text when there is none.
    virtual std::string Text(int id) const = 0;
};

// A source without texts: every number gives the empty text.
class NoTexts final : public TextSource {
public:
    std::string Text(int) const override { return {}; }
};
