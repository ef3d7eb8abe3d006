// Option's link to Monitor: the shared block channel (Option opens what
// Monitor created) and Monitor's window, looked up by its title each time
// a message is posted, so a Monitor that started or ended meanwhile is seen.
#pragma once

#include "option/main_window/monitor_link.h"
#include "profile/shared_block_win.h"

class MonitorWindowLink final : public MonitorLink {
public:
    BlockOpenResult OpenBlock() override;
    bool CopyIn(SharedBlock& local) override { return channel_.CopyIn(local); }
    bool CopyOut(const SharedBlock& local) override { return channel_.CopyOut(local); }
    bool PostApply() override;
    void Release() override { channel_.Release(); }

private:
    SharedBlockChannel channel_;
};
