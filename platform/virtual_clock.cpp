// The virtual clock behind PlatformTickCount.
#include "platform/virtual_clock.h"

#include <atomic>

#include "platform/window.h"

namespace {
// Atomic: the sound timer thread may read the tick count while the main thread advances it.
std::atomic<bool> clockOn{false};
std::atomic<uint32_t> clockNow{0};
}  // namespace

void PlatformStartVirtualClock() {
  clockNow = PlatformTickCount();
  clockOn = true;
}

bool PlatformVirtualClockOn() { return clockOn; }

uint32_t PlatformVirtualClockNow() { return clockNow; }

void PlatformAdvanceVirtualClock(uint32_t milliseconds) { clockNow += milliseconds; }
