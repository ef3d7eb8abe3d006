// The shared table of subscribed windows (subscription_table.h), opened
// under its mutex (Windows only).
#pragma once

#include <windows.h>

#include <memory>
#include <optional>

#include "hiddriver/subscription_table.h"
#include "shell/owned_handles_win.h"

namespace vmouse {

class SharedSubscriptions {
public:
    // The table, created when no one holds it yet: hiddriver.dll keeps it
    // open while it has a subscriber, so the entries outlive every mouse.
    static std::optional<SharedSubscriptions> Create();
    // The table if someone holds it: the mouse only looks.
    static std::optional<SharedSubscriptions> OpenExisting();

    // Adds or replaces the window's entry, first dropping entries of
    // windows that no longer exist; false when the table is full.
    bool Add(const Subscription& s);
    void Remove(HWND window);
    // A copy of the table (free entries have Window 0).
    SubscriptionTable Snapshot();

private:
    struct Unmap {
        void operator()(SubscriptionTable* view) const { UnmapViewOfFile(view); }
    };
    // Runs `use` on the table while holding its mutex.
    template <typename Use>
    auto Locked(Use use);

    SharedSubscriptions(UniqueKernelHandle mapping, UniqueKernelHandle lock, SubscriptionTable* table);
    static std::optional<SharedSubscriptions> Map(UniqueKernelHandle mapping);

    UniqueKernelHandle mapping_;
    UniqueKernelHandle lock_;
    std::unique_ptr<SubscriptionTable, Unmap> table_;
};

// Posts to every subscribed window its event or its presence message.
enum class Notice { Event, Presence };
void NotifySubscribers(Notice notice, WPARAM wParam, LPARAM lParam);

}  // namespace vmouse
