// The windows that want the virtual mouse's messages. hiddriver.dll keeps
// this table in shared memory; the mouse reads it whenever it has something
// to tell: each event word, its own arrival and its removal. Plain data, so
// that both processes see the same layout, and nothing here allocates, so
// that the library needs no C++ runtime.
#pragma once

#include <cstddef>
#include <cstdint>

namespace vmouse {

// One subscribed window: event words arrive as EventMessage (wParam = high
// half, lParam = low half), arrival and removal as PresenceMessage with
// wParam 1 or 0. Window 0 marks a free entry.
struct Subscription {
    uint64_t Window;
    uint32_t EventMessage;
    uint32_t PresenceMessage;
};

inline constexpr size_t kMaxSubscriptions = 16;

struct SubscriptionTable {
    Subscription Entries[kMaxSubscriptions];
};

// Adds `s`, replacing the entry of the same window; false when the table
// is full (or `s` names no window).
bool AddSubscription(SubscriptionTable& table, const Subscription& s);
void RemoveSubscription(SubscriptionTable& table, uint64_t window);

}  // namespace vmouse
