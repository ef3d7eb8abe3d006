#include "hiddriver/subscription_table.h"

#include <algorithm>
#include <iterator>

namespace vmouse {

bool AddSubscription(SubscriptionTable& table, const Subscription& s) {
    if (s.Window == 0) return false;
    auto* begin = std::begin(table.Entries);
    auto* end = std::end(table.Entries);
    auto* entry = std::find_if(begin, end, [&](const Subscription& e) { return e.Window == s.Window; });
    if (entry == end) entry = std::find_if(begin, end, [](const Subscription& e) { return e.Window == 0; });
    if (entry == end) return false;
    *entry = s;
    return true;
}

void RemoveSubscription(SubscriptionTable& table, uint64_t window) {
    for (auto& e : table.Entries)
        if (e.Window == window) e = Subscription{};
}

}  // namespace vmouse
