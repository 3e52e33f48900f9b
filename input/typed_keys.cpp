// The typed-key queue: 82 slots, a 0 ends the queue.
#include "input/typed_keys.h"

namespace {
constexpr int kSlots = 82;
constexpr int kOpenSlots = 80;  // a code beyond these overwrites slot 80
int32_t queue[kSlots];
}  // namespace

void PushTypedKey(int32_t code) {
  if (code == 0) return;  // 0 would cut the queue short
  int slot = 0;
  while (slot < kOpenSlots && queue[slot] != 0) ++slot;
  queue[slot] = code;
  queue[slot + 1] = 0;
}

int32_t PopTypedKey() {
  int32_t oldest = queue[0];
  if (oldest == 0) return 0;
  for (int i = 0; i + 1 < kSlots; ++i) queue[i] = queue[i + 1];
  queue[kSlots - 1] = 0;
  return oldest;
}

void ClearTypedKeys() {
  for (int32_t& slot : queue) slot = 0;
}
