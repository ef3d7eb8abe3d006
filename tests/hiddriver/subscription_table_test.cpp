#include "hiddriver/subscription_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

using namespace vmouse;

namespace {

// The entries in use, in table order.
std::vector<Subscription> Listed(const SubscriptionTable& table) {
    std::vector<Subscription> list;
    for (const Subscription& e : table.Entries)
        if (e.Window != 0) list.push_back(e);
    return list;
}

bool Same(const Subscription& a, const Subscription& b) {
    return a.Window == b.Window && a.EventMessage == b.EventMessage && a.PresenceMessage == b.PresenceMessage;
}

TEST(SubscriptionTable, StartsEmptyAndListsWhatWasAdded) {
    SubscriptionTable table{};
    EXPECT_TRUE(Listed(table).empty());
    ASSERT_TRUE(AddSubscription(table, {0x10, 1325, 1326}));
    ASSERT_TRUE(AddSubscription(table, {0x20, 2000, 2001}));
    const auto list = Listed(table);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_TRUE(Same(list[0], {0x10, 1325, 1326}));
    EXPECT_TRUE(Same(list[1], {0x20, 2000, 2001}));
}

TEST(SubscriptionTable, SameWindowReplacesItsEntry) {
    SubscriptionTable table{};
    ASSERT_TRUE(AddSubscription(table, {0x10, 1325, 1326}));
    ASSERT_TRUE(AddSubscription(table, {0x10, 3000, 3001}));
    const auto list = Listed(table);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_TRUE(Same(list[0], {0x10, 3000, 3001}));
}

TEST(SubscriptionTable, NoWindowIsRefused) {
    SubscriptionTable table{};
    EXPECT_FALSE(AddSubscription(table, {0, 1325, 1326}));
    EXPECT_TRUE(Listed(table).empty());
}

TEST(SubscriptionTable, FullTableRefusesUntilAnEntryIsRemoved) {
    SubscriptionTable table{};
    for (uint64_t w = 1; w <= kMaxSubscriptions; ++w) ASSERT_TRUE(AddSubscription(table, {w, 1, 2}));
    EXPECT_FALSE(AddSubscription(table, {100, 1, 2}));
    EXPECT_TRUE(AddSubscription(table, {5, 7, 8})) << "replacing needs no free entry";

    RemoveSubscription(table, 5);
    EXPECT_EQ(Listed(table).size(), kMaxSubscriptions - 1);
    ASSERT_TRUE(AddSubscription(table, {100, 1, 2}));
    const auto list = Listed(table);
    EXPECT_EQ(list.size(), kMaxSubscriptions);
    EXPECT_EQ(std::count_if(list.begin(), list.end(), [](const Subscription& s) { return s.Window == 5; }), 0);
}

TEST(SubscriptionTable, RemovingAnUnknownWindowChangesNothing) {
    SubscriptionTable table{};
    ASSERT_TRUE(AddSubscription(table, {0x10, 1325, 1326}));
    RemoveSubscription(table, 0x99);
    EXPECT_EQ(Listed(table).size(), 1u);
}

}  // namespace
