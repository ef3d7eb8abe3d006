// Function codes of a button entry (ButtonFunction::Code): what the button
// does. Only the codes that some code path treats on its own have a name;
// every other code is a plain device function whose entry bytes come from
// the device's entry table.
#pragma once

#include <cstdint>

#include "profile/profile_record.h"

enum class ButtonCode : uint8_t {
    None = 0,
    PrimaryClick = 1,
    SecondaryClick = 2,
    MiddleClick = 3,
    KeyCombination = 5,  // key in Payload[0], modifier bits in Payload[1]
    Macro = 16,          // events in Payload, ItemCount of them
    RunProgram = 17,     // ProgramPath, started on the button's event
    RepeatedClick = 21,  // key in Payload[0], FireCount clicks every FireInterval ms
    OtgSpeed = 22,       // sends the profile's OTGSpeed
    FirePattern = 100,   // a gun: ModeIndex / ModeValue, or the steps of its record
    AdvancedFirePattern = 105,
    RunProgramSecond = 122,  // launch codes without an entry of their own
    RunProgramThird = 123,
};

constexpr ButtonCode CodeOf(const ButtonFunction& entry) { return static_cast<ButtonCode>(entry.Code); }
constexpr void SetCode(ButtonFunction& entry, ButtonCode code) { entry.Code = static_cast<uint8_t>(code); }

// Codes whose button starts the program stored in it.
constexpr bool StartsProgram(ButtonCode code) {
    return code == ButtonCode::RunProgram || code == ButtonCode::RunProgramSecond ||
           code == ButtonCode::RunProgramThird;
}
