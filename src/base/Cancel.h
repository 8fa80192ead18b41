// The cancel flag that long work polls: set by "Cancel" or Ctrl-C, read by a decode in progress.
#pragma once

#include <atomic>

namespace pixmaro {

/// Whether `flag` (which may be null: nothing can cancel) has been set.
inline bool Cancelled(const std::atomic<bool> *flag)
{
    return flag && flag->load(std::memory_order_relaxed);
}

} // namespace pixmaro
