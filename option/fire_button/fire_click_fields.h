// The repeated-click dialog's three fields: how many clicks, the interval
// between them and the key they press. The numbers are bounded as they are
// typed; the interval's lower limit of 5 waits until its field loses the
// focus, so that "50" can be typed through "5".
//
//   FireClickFields fields(seed);
//   fields.CountText(), fields.IntervalText()       // what the fields open with
//   if (auto shown = fields.CountChanged("300")) ... // the field shows *shown ("255")
//   fields.IntervalChanged("3", false)               // left: "5"
//   fields.KeyCaptured(vk, map)                      // the name the key field shows
//   on OK: fields.Values()
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "keys/key_conversion.h"
#include "option/button_page/button_dialogs.h"

inline constexpr int kFireCountMax = 255;
inline constexpr int kFireIntervalMin = 5;
inline constexpr int kFireIntervalTypedMin = 1;  // while the field is being typed in
inline constexpr int kFireIntervalMax = 255;
inline constexpr int kFireFieldChars = 3;

class FireClickFields {
public:
    explicit FireClickFields(const RepeatedClickValues& seed);

    // The opening texts: a count below 0 or an interval of 0 or less shows
    // an empty field.
    std::string CountText() const;
    std::string IntervalText() const;

    // A field's text changed (`focused`: the interval field still has the
    // focus). The value is taken, bounded; when the field shows another
    // number than the bounded one, the text it must show instead. An empty
    // field is left empty while it is typed in.
    std::optional<std::string> CountChanged(std::string_view text);
    std::optional<std::string> IntervalChanged(std::string_view text, bool focused);

    // The key name the key field shows, for the stored key and for a key
    // the capture hook delivered (which becomes the stored key; a key
    // without a usage stores none).
    std::string_view KeyText(MapVirtualKeyFunction map) const;
    std::string_view KeyCaptured(uint32_t vk, MapVirtualKeyFunction map);

    // What OK hands back: every value within its limits, whatever the
    // fields were left showing.
    RepeatedClickValues Values() const;

private:
    RepeatedClickValues values_;
};
