// File attributes through the platform.
#pragma once

#include "option/profile_exchange/profile_exchange.h"

class PlatformFileAttributes final : public FileAttributes {
public:
    void MarkHiddenAndArchive(const std::string& path) override;
};
