#include "hiddriver/subscriptions_win.h"

#include "hiddriver/mouse_wire.h"

namespace vmouse {

std::optional<SharedSubscriptions> SharedSubscriptions::Map(UniqueKernelHandle mapping) {
    if (!mapping) return std::nullopt;
    UniqueKernelHandle lock(CreateMutexW(nullptr, FALSE, kSubscriptionLockName));
    auto* view = static_cast<SubscriptionTable*>(MapViewOfFile(mapping.get(), FILE_MAP_WRITE, 0, 0, 0));
    if (!lock || !view) {
        if (view) UnmapViewOfFile(view);
        return std::nullopt;
    }
    return SharedSubscriptions(std::move(mapping), std::move(lock), view);
}

SharedSubscriptions::SharedSubscriptions(UniqueKernelHandle mapping, UniqueKernelHandle lock,
                                         SubscriptionTable* table)
    : mapping_(std::move(mapping)), lock_(std::move(lock)), table_(table) {}

std::optional<SharedSubscriptions> SharedSubscriptions::Create() {
    // A new mapping is zero-filled: every entry free.
    return Map(UniqueKernelHandle(CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                                     sizeof(SubscriptionTable), kSubscriptionTableName)));
}

std::optional<SharedSubscriptions> SharedSubscriptions::OpenExisting() {
    return Map(UniqueKernelHandle(OpenFileMappingW(FILE_MAP_WRITE, FALSE, kSubscriptionTableName)));
}

template <typename Use>
auto SharedSubscriptions::Locked(Use use) {
    // Abandoned (a holder died) or not, the mutex is ours now.
    WaitForSingleObject(lock_.get(), INFINITE);
    struct Release {
        HANDLE lock;
        ~Release() { ReleaseMutex(lock); }
    } release{lock_.get()};
    return use(*table_);
}

bool SharedSubscriptions::Add(const Subscription& s) {
    return Locked([&](SubscriptionTable& table) {
        for (Subscription& e : table.Entries)
            if (e.Window && !IsWindow(reinterpret_cast<HWND>(e.Window))) e = Subscription{};
        return AddSubscription(table, s);
    });
}

void SharedSubscriptions::Remove(HWND window) {
    Locked([&](SubscriptionTable& table) { RemoveSubscription(table, reinterpret_cast<uint64_t>(window)); });
}

SubscriptionTable SharedSubscriptions::Snapshot() {
    return Locked([](const SubscriptionTable& table) { return table; });
}

void NotifySubscribers(Notice notice, WPARAM wParam, LPARAM lParam) {
    auto subscriptions = SharedSubscriptions::OpenExisting();
    if (!subscriptions) return;
    for (const Subscription& s : subscriptions->Snapshot().Entries) {
        if (!s.Window) continue;
        const UINT message = notice == Notice::Event ? s.EventMessage : s.PresenceMessage;
        PostMessageW(reinterpret_cast<HWND>(s.Window), message, wParam, lParam);
    }
}

}  // namespace vmouse
