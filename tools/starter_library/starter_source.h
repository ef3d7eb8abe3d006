// The readable source of a starter pattern library: one line per fact.
//
//   # comment
//   folder NAME               starts a folder
//   gun NAME | pattern NAME   starts a gun (gun defaults) or an advanced
//                             pattern (its defaults) in the current folder
//   colour 0xBBGGRR           entry colour
//   modes A B C               the three mode values, 0..100
//   aux N                     the carried 16-bit value
//   repeat N                  repeat count, 1..255
//   locked                    a read-only entry
//   step X Y DELAY            next step: movement -100..100 each, delay 0..999 ms
//
// Every entry needs 1 to 8 steps; its step count is the number given.
#pragma once

#include <string>
#include <string_view>

#include "gun/gun_store.h"

// Fills `store` from `source`. False with a message naming the line when
// the source is not valid.
bool ParseStarterSource(std::string_view source, GunStore& store, std::string& error);
