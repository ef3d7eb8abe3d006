// Five profiles with every button entry in use, the largest sets the
// programs save, for timing.
#pragma once

#include <memory>

#include "profile/shared_block.h"

std::unique_ptr<SharedBlock> FullProfileSet();
